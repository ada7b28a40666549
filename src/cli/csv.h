#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace markwise::cli {

// One field as RFC 4180 wants it: quoted, with inner quotes doubled, when it holds a
// comma, a double quote, CR or LF; otherwise unchanged.
std::string CsvField(std::string_view text);
// Appends the fields, separated by commas, and a line feed.
void AppendCsvRow(std::string& out, const std::vector<std::string>& fields);

} // namespace markwise::cli
