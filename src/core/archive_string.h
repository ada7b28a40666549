#pragma once

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
bool ReadArchiveString(const unsigned char*& pos, const unsigned char* end, std::string& utf8,
                       std::string& error);

} // namespace markwise
