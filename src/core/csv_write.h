#pragma once

#include <string>
#include <string_view>

namespace markwise {

// Builds CSV text (UTF-8, comma-separated, RFC 4180 quoting, rows ending in a line feed).
// Every CSV the program writes goes through here, so every cell follows one rule:
// - a text cell that begins with '=', '+', '-', '@', a tab or a carriage return gets a
//   leading apostrophe, so no spreadsheet runs it as a formula (so does one that begins
//   with apostrophes before such a character, so that import can remove exactly one);
// - control characters other than tab, carriage return and line feed (C0, DEL and the
//   C1 range) are written as '?', so no terminal or spreadsheet acts on them;
// - numbers the program formatted itself are never prefixed.
class CsvWriter {
public:
    // A text cell, given as UTF-8.
    void Text(std::string_view utf8);
    // A number (or number-like text such as "85%") the program formatted itself.
    void Number(std::string_view text);
    // A number in the shortest text that reads back to the same value.
    void Number(double value);
    void Empty() { Separate(); }
    // The UTF-8 byte-order mark, before anything else.
    void ByteOrderMark() { m_out.insert(0, "\xEF\xBB\xBF"); }
    void EndRow();

    const std::string& Data() const { return m_out; }
    std::string Take() { return std::move(m_out); }
    void Reserve(std::size_t bytes) { m_out.reserve(bytes); }

private:
    void Separate();
    void AppendField(std::string_view text);

    std::string m_out;
    bool m_rowStarted = false;
};

// True when a text cell gets the guarding apostrophe: it begins with a character that
// starts a formula, or with apostrophes before one (so that removing exactly one
// apostrophe on import gives every text back unchanged).
bool NeedsFormulaGuard(std::string_view text);

} // namespace markwise
