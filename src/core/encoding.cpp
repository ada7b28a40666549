#include "encoding.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace markwise {

namespace {

// Windows-1252 bytes 0x80-0x9F. The five bytes the code page leaves undefined map to the
// C1 control of the same value, so every byte survives a round trip through Unicode.
constexpr std::array<char32_t, 32> kHighBlock = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

constexpr char kUnmappable = '?';
constexpr char32_t kReplacement = 0xFFFD;

char32_t ByteToCodePoint(unsigned char byte) {
    return byte >= 0x80 && byte < 0xA0 ? kHighBlock[byte - 0x80] : char32_t{byte};
}

char CodePointToByte(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) {
        return static_cast<char>(cp);
    }
    for (std::size_t i = 0; i < kHighBlock.size(); ++i) {
        if (kHighBlock[i] == cp) {
            return static_cast<char>(0x80 + i);
        }
    }
    return kUnmappable;
}

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// Decodes one UTF-8 sequence at text[pos], advancing pos. An invalid sequence yields
// false and advances past its longest valid-looking prefix (at least one byte), so each
// broken sequence becomes one replacement character.
bool DecodeUtf8(std::string_view text, std::size_t& pos, char32_t& cp) {
    const auto lead = static_cast<unsigned char>(text[pos++]);
    if (lead < 0x80) {
        cp = lead;
        return true;
    }
    int extra;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        extra = 1;
        cp = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        extra = 2;
        cp = lead & 0x0F;
        low = lead == 0xE0 ? 0xA0 : 0x80;  // no overlong forms
        high = lead == 0xED ? 0x9F : 0xBF; // no surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        extra = 3;
        cp = lead & 0x07;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF; // nothing above U+10FFFF
    } else {
        return false;
    }
    for (int i = 0; i < extra; ++i) {
        if (pos >= text.size()) {
            return false;
        }
        const auto next = static_cast<unsigned char>(text[pos]);
        if (next < low || next > high) {
            return false;
        }
        cp = (cp << 6) | (next & 0x3F);
        ++pos;
        low = 0x80;
        high = 0xBF;
    }
    return true;
}

} // namespace

std::string Cp1252ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (const char c : bytes) {
        AppendUtf8(out, ByteToCodePoint(static_cast<unsigned char>(c)));
    }
    return out;
}

std::string Utf8ToCp1252(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        char32_t cp;
        out += DecodeUtf8(utf8, pos, cp) ? CodePointToByte(cp) : kUnmappable;
    }
    return out;
}

bool IsValidUtf8(std::string_view bytes) {
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        // Plain ASCII runs are the common case; skip them a byte at a time cheaply.
        if (static_cast<unsigned char>(bytes[pos]) < 0x80) {
            ++pos;
            continue;
        }
        char32_t cp;
        if (!DecodeUtf8(bytes, pos, cp)) {
            return false;
        }
    }
    return true;
}

std::vector<std::string> UnstorableCharacters(std::string_view utf8) {
    std::vector<std::string> found;
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        char32_t cp;
        if (!DecodeUtf8(utf8, pos, cp)) {
            cp = kReplacement;
        } else if (CodePointToByte(cp) != kUnmappable || cp == U'?') {
            continue;
        }
        std::string character;
        AppendUtf8(character, cp);
        if (std::find(found.begin(), found.end(), character) == found.end()) {
            found.push_back(std::move(character));
        }
    }
    return found;
}

std::string Utf16LeToCp1252(const unsigned char* data, std::size_t codeUnits) {
    std::string out;
    out.reserve(codeUnits);
    for (std::size_t i = 0; i < codeUnits; ++i) {
        const char32_t unit = data[2 * i] | (char32_t{data[2 * i + 1]} << 8);
        if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < codeUnits) {
            const char32_t next = data[2 * i + 2] | (char32_t{data[2 * i + 3]} << 8);
            if (next >= 0xDC00 && next <= 0xDFFF) {
                ++i; // a pair is one character, and none outside the BMP has a byte
            }
            out += kUnmappable;
        } else {
            out += CodePointToByte(unit); // lone surrogates fall through to '?'
        }
    }
    return out;
}

} // namespace markwise
