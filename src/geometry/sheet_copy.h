#pragma once

#include "core/cutoffs.h"
#include "core/markwise_doc.h"

#include <string>
#include <vector>

namespace markwise {

// One cell of the grade sheet as a table of (students + 1) rows and (assignments + 4)
// columns: row 0 the headings, column 0 the listed name. Out of range: "".
std::string SheetTableText(const CMarkwiseDoc& doc, const CGradeCutoffs& cutoffs, int row,
                           int column);

// The grade sheet as a table: a heading row ("Name" or "ID" as listed, each assignment's
// numbered title, "Total", "Percent", "Grade"), then one row per student with the texts the
// sheet paints for it.
std::vector<std::vector<std::string>> SheetTable(const CMarkwiseDoc& doc,
                                                 const CGradeCutoffs& cutoffs);

// Tab-separated lines ending in "\r\n", as spreadsheets paste them; a tab or line break
// inside a text becomes a space so it cannot split a cell.
std::string TableAsTabText(const std::vector<std::vector<std::string>>& table);
// An HTML table with the first row as headings; texts are escaped.
std::string TableAsHtml(const std::vector<std::vector<std::string>>& table);

} // namespace markwise
