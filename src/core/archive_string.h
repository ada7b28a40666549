#pragma once

#include "message.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace markwise {

// A text as a class file stores it, and the one place where the file's texts meet the
// program's UTF-8. A length prefix: one byte below 0xFF, else 0xFF and 16 bits below 0xFFFE,
// else 0xFF 0xFFFF and 32 bits. A text whose characters all have a Windows-1252 byte follows
// as those bytes; any other is marked 0xFF 0xFFFE, then the same prefix counting UTF-16 code
// units, then UTF-16LE.
void WriteArchiveString(std::vector<unsigned char>& out, std::string_view utf8);

// Reads one text at pos, moving pos past it. False, with error set to a few words and pos
// left anywhere before end, for a text that runs past end or a broken wide text (a second
// marker, an unpaired surrogate). A wide text that fits Windows-1252 reads like any other.
bool ReadArchiveStringAnyForm(const unsigned char*& pos, const unsigned char* end,
                              std::string& utf8, Message& error);

// The same; a class file holds thousands of short ASCII texts, so those are read here, inline,
// and every other form goes to the function above.
inline bool ReadArchiveString(const unsigned char*& pos, const unsigned char* end,
                              std::string& utf8, Message& error) {
    if (pos != end && *pos < 0xFF && static_cast<std::size_t>(end - pos - 1) >= *pos) {
        const std::size_t length = *pos;
        const unsigned char* text = pos + 1;
        unsigned char any = 0;
        for (std::size_t i = 0; i < length; ++i)
            any |= text[i];
        if (any < 0x80) {
            utf8.assign(reinterpret_cast<const char*>(text), length);
            pos = text + length;
            return true;
        }
    }
    return ReadArchiveStringAnyForm(pos, end, utf8, error);
}

} // namespace markwise
