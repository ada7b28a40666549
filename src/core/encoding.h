#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace markwise {

// Class files hold Windows-1252 bytes; the rest of the world speaks UTF-8.
std::string Cp1252ToUtf8(std::string_view bytes);
// Characters without a Windows-1252 byte become '?'.
std::string Utf8ToCp1252(std::string_view utf8);
// True when the bytes are well-formed UTF-8 (no overlong forms, surrogates or values
// above U+10FFFF).
bool IsValidUtf8(std::string_view bytes);
// The characters of a UTF-8 text that have no Windows-1252 byte, each once, in order of
// first appearance, as UTF-8 (a broken sequence as U+FFFD). Empty when the text can be stored.
std::vector<std::string> UnstorableCharacters(std::string_view utf8);
// UTF-16LE code units (as a wide string in the file) to Windows-1252, '?' for the rest.
std::string Utf16LeToCp1252(const unsigned char* data, std::size_t codeUnits);

} // namespace markwise
