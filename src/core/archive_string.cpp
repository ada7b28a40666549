#include "archive_string.h"

#include "encoding.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace markwise {

namespace {

constexpr unsigned kWideMarker = 0xFFFE;

bool IsAscii(std::string_view text) {
    unsigned char any = 0;
    for (const char c : text)
        any |= static_cast<unsigned char>(c);
    return any < 0x80;
}
constexpr unsigned kLongMarker = 0xFFFF;

void WriteLength(std::vector<unsigned char>& out, std::size_t length) {
    const auto put = [&out](const void* data, std::size_t size) {
        const auto* bytes = static_cast<const unsigned char*>(data);
        out.insert(out.end(), bytes, bytes + size);
    };
    if (length < 0xFF) {
        out.push_back(static_cast<unsigned char>(length));
    } else if (length < kWideMarker) {
        out.push_back(0xFF);
        const auto medium = static_cast<std::uint16_t>(length);
        put(&medium, 2);
    } else {
        out.push_back(0xFF);
        const std::uint16_t marker = kLongMarker;
        put(&marker, 2);
        const auto full = static_cast<std::uint32_t>(length);
        put(&full, 4);
    }
}

constexpr MessageId kShort = MessageId::ClassEndsEarly;
constexpr MessageId kDamaged = MessageId::ClassDamagedText;

// The prefix; wide is set when it is the wide marker instead of a length.
bool ReadLength(const unsigned char*& pos, const unsigned char* end, std::uint32_t& length,
                bool& wide, Message& error) {
    wide = false;
    if (end - pos < 1) {
        error = Message(kShort);
        return false;
    }
    length = *pos++;
    if (length < 0xFF)
        return true;
    std::uint16_t medium;
    if (end - pos < 2) {
        error = Message(kShort);
        return false;
    }
    std::memcpy(&medium, pos, 2);
    pos += 2;
    if (medium == kWideMarker) {
        wide = true;
        return true;
    }
    length = medium;
    if (medium < kLongMarker)
        return true;
    if (end - pos < 4) {
        error = Message(kShort);
        return false;
    }
    std::memcpy(&length, pos, 4);
    pos += 4;
    return true;
}

} // namespace

void WriteArchiveString(std::vector<unsigned char>& out, std::string_view utf8) {
    // Bytes go in as unsigned char, so the vector copies them in one block.
    const auto append = [&out](std::string_view bytes) {
        const auto* first = reinterpret_cast<const unsigned char*>(bytes.data());
        out.insert(out.end(), first, first + bytes.size());
    };
    if (IsAscii(utf8)) {
        WriteLength(out, utf8.size());
        append(utf8);
        return;
    }
    std::string narrow;
    if (Utf8ToCp1252(utf8, narrow)) {
        WriteLength(out, narrow.size());
        append(narrow);
        return;
    }
    const std::u16string units = Utf8ToUtf16(utf8);
    out.push_back(0xFF);
    out.push_back(kWideMarker & 0xFF);
    out.push_back(kWideMarker >> 8);
    WriteLength(out, units.size());
    for (const char16_t unit : units) {
        out.push_back(static_cast<unsigned char>(unit & 0xFF));
        out.push_back(static_cast<unsigned char>(unit >> 8));
    }
}

bool ReadArchiveStringAnyForm(const unsigned char*& pos, const unsigned char* end,
                              std::string& utf8, Message& error) {
    std::uint32_t length;
    bool wide;
    if (!ReadLength(pos, end, length, wide, error))
        return false;
    if (!wide) {
        if (static_cast<std::size_t>(end - pos) < length) {
            error = Message(kShort);
            return false;
        }
        const std::string_view bytes(reinterpret_cast<const char*>(pos), length);
        if (IsAscii(bytes))
            utf8.assign(bytes);
        else
            utf8 = Cp1252ToUtf8(bytes);
        pos += length;
        return true;
    }
    if (!ReadLength(pos, end, length, wide, error))
        return false;
    if (wide) {
        error = Message(kDamaged);
        return false;
    }
    const std::size_t bytes = std::size_t{length} * 2;
    if (static_cast<std::size_t>(end - pos) < bytes) {
        error = Message(kShort);
        return false;
    }
    if (!Utf16LeToUtf8(pos, length, utf8)) {
        error = Message(kDamaged);
        return false;
    }
    pos += bytes;
    return true;
}

} // namespace markwise
