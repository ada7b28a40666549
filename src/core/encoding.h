#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace markwise {

// Inside the program every text is UTF-8 in a std::string: the class, the dialogs, CSV and
// the command line all hold and pass UTF-8. Class files keep Windows-1252 bytes where a text
// fits them and UTF-16LE where it does not; that conversion lives in archive_string.h alone.

inline constexpr char32_t kReplacementCharacter = 0xFFFD;

// Windows-1252 bytes to UTF-8. The five bytes the code page leaves undefined map to the C1
// control of the same value, so every byte survives a round trip.
std::string Cp1252ToUtf8(std::string_view bytes);
// The Windows-1252 bytes of a UTF-8 text; false when some character has no byte there or
// the text is not well-formed (bytes is then unspecified).
bool Utf8ToCp1252(std::string_view utf8, std::string& bytes);
// The Windows-1252 byte of a character, or -1 when it has none.
int Cp1252Byte(char32_t cp);

// True when the bytes are well-formed UTF-8 (no overlong forms, surrogates or values
// above U+10FFFF).
bool IsValidUtf8(std::string_view bytes);
// Decodes the character at text[pos] and returns the position after it. A broken sequence
// gives U+FFFD and ends after its longest valid-looking beginning (at least one byte).
std::size_t NextCodePoint(std::string_view text, std::size_t pos, char32_t& cp);
void AppendUtf8(std::string& out, char32_t cp);
// Characters as the user sees them: code points, a broken sequence counting as one.
std::size_t CodePointCount(std::string_view utf8);
// The length in bytes of the text's first `characters` characters (all of it when shorter).
std::size_t Utf8Prefix(std::string_view utf8, std::size_t characters);

// UTF-16LE code units to UTF-8; false at an unpaired surrogate.
bool Utf16LeToUtf8(const unsigned char* data, std::size_t codeUnits, std::string& utf8);
// UTF-8 to UTF-16 code units; broken sequences become U+FFFD.
std::u16string Utf8ToUtf16(std::string_view utf8);

// The order of Sort by Name: texts that fit Windows-1252 compare byte by byte as unsigned
// bytes, case-sensitively, up to the first NUL; a character without a Windows-1252 byte sorts
// after every byte, and such characters by code point. The key's plain byte order
// (std::string's compare) is that order.
std::string NameSortKey(std::string_view utf8);

} // namespace markwise
