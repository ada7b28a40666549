#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace markwise {

class CMarkwiseDoc;

// The CSV layouts the program writes:
// - Markwise: every text and number a class holds (the reserved text aside), with a
//   "Points Possible" and a "Description" row under the header;
// - Canvas: the learning platform's grade book layout, with a "Points Possible" row;
// - Moodle: names, ID number and scores only.
enum class CsvLayout { Markwise, Canvas, Moodle };

// "markwise", "canvas" or "moodle"; nothing for any other text.
std::optional<CsvLayout> CsvLayoutFromName(std::string_view name);
std::string_view CsvLayoutName(CsvLayout layout);

// The whole CSV (UTF-8) of the class in the layout, students in class order. Texts are
// written as the class holds them; a missing score is an empty cell; numbers are written in
// the shortest text that reads back to the same value. byteOrderMark: "for spreadsheets",
// the UTF-8 byte-order mark first, which a spreadsheet on Windows needs to read UTF-8.
std::string ExportCsv(const CMarkwiseDoc& doc, CsvLayout layout, bool byteOrderMark = false);

// What the markwise layout (and the workbook, which follows it) writes for one score cell: a
// mark's text ("EX", "M"), or nothing when the score is a number or missing.
std::string_view MarkCellText(const CMarkwiseDoc& doc, int a, int student);
// The "Category" row's cell of assignment a in a class with categories.
const std::string& CategoryCellText(const CMarkwiseDoc& doc, int a);

} // namespace markwise
