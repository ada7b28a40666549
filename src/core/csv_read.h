#pragma once

#include "message.h"

#include <string>
#include <string_view>
#include <vector>

namespace markwise {

// The cells of a CSV file as UTF-8.
struct CsvTable {
    std::vector<std::vector<std::string>> rows; // rows[0] is the header; blank lines dropped
    std::vector<int> lines;                     // the line each row starts on, 1-based
    char separator = ',';
    bool utf8 = true; // false: the bytes were not UTF-8 and were read as Windows-1252

    // `line 17, column "Quiz 3"` (the header's text), or `line 17, column 4` when the header
    // has no text for that column.
    Message Place(int line, int column) const;
    Message Place(std::size_t row, int column) const { return Place(lines[row], column); }
};

// A cell's text in double quotes for a one-line message (UTF-8): control characters (line
// breaks included) as '?', and cut after 40 characters with "...".
std::string QuotedForMessage(std::string_view utf8);

// Reads CSV bytes through libcsv: UTF-8 with or without a byte-order mark, else
// Windows-1252; comma or semicolon separators, whichever the header row has more of;
// RFC 4180 quoting, strictly (a stray quote is an error); fields keep their spaces.
// At most maxRows rows (header included) and maxColumns cells per row are accepted.
// On failure returns false and sets error to one sentence that says where.
bool ReadCsv(std::string_view bytes, CsvTable& table, std::string& error,
             std::size_t maxRows = 1003, std::size_t maxColumns = 1000);
bool ReadCsv(std::string_view bytes, CsvTable& table, Message& error, std::size_t maxRows = 1003,
             std::size_t maxColumns = 1000);

} // namespace markwise
