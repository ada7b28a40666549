#include "encoding.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace markwise {

namespace {

// Windows-1252 bytes 0x80-0x9F; the undefined ones map to the C1 control of the same value.
constexpr std::array<char32_t, 32> kHighBlock = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t ByteToCodePoint(unsigned char byte) {
    return byte >= 0x80 && byte < 0xA0 ? kHighBlock[byte - 0x80] : char32_t{byte};
}

bool IsAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

bool IsSurrogate(char32_t unit) {
    return unit >= 0xD800 && unit <= 0xDFFF;
}

} // namespace

int Cp1252Byte(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF))
        return static_cast<int>(cp);
    const auto* found = std::find(kHighBlock.begin(), kHighBlock.end(), cp);
    return found == kHighBlock.end() ? -1 : 0x80 + static_cast<int>(found - kHighBlock.begin());
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

namespace {

// Decodes one sequence at text[pos], advancing pos; false (cp unspecified) for a broken one.
bool Decode(std::string_view text, std::size_t& pos, char32_t& cp) {
    const auto lead = static_cast<unsigned char>(text[pos++]);
    if (lead < 0x80) {
        cp = lead;
        return true;
    }
    int extra;
    char32_t value;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        extra = 1;
        value = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        extra = 2;
        value = lead & 0x0F;
        low = lead == 0xE0 ? 0xA0 : 0x80;  // no overlong forms
        high = lead == 0xED ? 0x9F : 0xBF; // no surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        extra = 3;
        value = lead & 0x07;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF; // nothing above U+10FFFF
    } else {
        return false;
    }
    for (int i = 0; i < extra; ++i) {
        if (pos >= text.size())
            return false;
        const auto next = static_cast<unsigned char>(text[pos]);
        if (next < low || next > high)
            return false;
        value = (value << 6) | (next & 0x3F);
        ++pos;
        low = 0x80;
        high = 0xBF;
    }
    cp = value;
    return true;
}

} // namespace

std::size_t NextCodePoint(std::string_view text, std::size_t pos, char32_t& cp) {
    if (!Decode(text, pos, cp))
        cp = kReplacementCharacter;
    return pos;
}

std::string Cp1252ToUtf8(std::string_view bytes) {
    if (IsAscii(bytes))
        return std::string(bytes);
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 2);
    for (const char c : bytes)
        AppendUtf8(out, ByteToCodePoint(static_cast<unsigned char>(c)));
    return out;
}

bool Utf8ToCp1252(std::string_view utf8, std::string& bytes) {
    bytes.clear();
    bytes.reserve(utf8.size());
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        if (static_cast<unsigned char>(utf8[pos]) < 0x80) {
            bytes += utf8[pos++];
            continue;
        }
        char32_t cp;
        pos = NextCodePoint(utf8, pos, cp);
        const int byte = Cp1252Byte(cp); // none for U+FFFD, so none for a broken sequence
        if (byte < 0)
            return false;
        bytes += static_cast<char>(byte);
    }
    return true;
}

bool IsValidUtf8(std::string_view bytes) {
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        if (static_cast<unsigned char>(bytes[pos]) < 0x80) {
            ++pos;
            continue;
        }
        char32_t cp;
        if (!Decode(bytes, pos, cp))
            return false;
    }
    return true;
}

std::size_t CodePointCount(std::string_view utf8) {
    std::size_t count = 0;
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        char32_t cp;
        pos = static_cast<unsigned char>(utf8[pos]) < 0x80 ? pos + 1 : NextCodePoint(utf8, pos, cp);
        ++count;
    }
    return count;
}

std::size_t Utf8Prefix(std::string_view utf8, std::size_t characters) {
    if (utf8.size() <= characters)
        return utf8.size();
    std::size_t pos = 0;
    for (std::size_t n = 0; n < characters && pos < utf8.size(); ++n) {
        char32_t cp;
        pos = static_cast<unsigned char>(utf8[pos]) < 0x80 ? pos + 1 : NextCodePoint(utf8, pos, cp);
    }
    return pos;
}

bool Utf16LeToUtf8(const unsigned char* data, std::size_t codeUnits, std::string& utf8) {
    utf8.clear();
    utf8.reserve(codeUnits);
    for (std::size_t i = 0; i < codeUnits; ++i) {
        char32_t cp = data[2 * i] | (char32_t{data[2 * i + 1]} << 8);
        if (IsSurrogate(cp)) {
            if (cp > 0xDBFF || i + 1 == codeUnits)
                return false;
            const char32_t low = data[2 * i + 2] | (char32_t{data[2 * i + 3]} << 8);
            if (low < 0xDC00 || low > 0xDFFF)
                return false;
            cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
            ++i;
        }
        AppendUtf8(utf8, cp);
    }
    return true;
}

std::u16string Utf8ToUtf16(std::string_view utf8) {
    std::u16string units;
    units.reserve(utf8.size());
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        char32_t cp;
        pos = NextCodePoint(utf8, pos, cp);
        if (cp >= 0x10000) {
            units += static_cast<char16_t>(0xD800 + ((cp - 0x10000) >> 10));
            units += static_cast<char16_t>(0xDC00 + ((cp - 0x10000) & 0x3FF));
        } else {
            units += static_cast<char16_t>(cp);
        }
    }
    return units;
}

std::string NameSortKey(std::string_view utf8) {
    utf8 = utf8.substr(0, utf8.find('\0'));
    if (IsAscii(utf8))
        return std::string(utf8);
    // A prefix-free code that keeps the order of the characters: bytes below 0xFF stand
    // for themselves, 0xFF (y with diaeresis) is 0xFF 0x00, and any other character is
    // 0xFF 0x01 and its code point in three big-endian bytes.
    std::string key;
    key.reserve(utf8.size() + 4);
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        char32_t cp;
        pos = NextCodePoint(utf8, pos, cp);
        const int byte = Cp1252Byte(cp);
        if (byte >= 0 && byte < 0xFF) {
            key += static_cast<char>(byte);
        } else if (byte == 0xFF) {
            key += "\xFF";
            key += '\0';
        } else {
            key += "\xFF\x01";
            key += static_cast<char>(cp >> 16);
            key += static_cast<char>((cp >> 8) & 0xFF);
            key += static_cast<char>(cp & 0xFF);
        }
    }
    return key;
}

} // namespace markwise
