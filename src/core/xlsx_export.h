#pragma once

#include "message.h"

#include <string>
#include <vector>

namespace markwise {

class CMarkwiseDoc;

// One class and the name its sheet is given (cut to what a workbook allows).
struct XlsxClass {
    std::string name; // UTF-8
    const CMarkwiseDoc* doc = nullptr;
};

// The sheet name each class gets, in order: invalid characters ([]:*?/\ and control
// characters) and a leading or trailing apostrophe as '_', at most 31 characters, and a
// name already given (case aside) numbered " 2", " 3", ...
std::vector<std::string> WorkbookSheetNames(const std::vector<std::string>& classNames);

// Writes an Excel workbook with one sheet per class, in the rows of the Markwise CSV layout
// (header, "Points Possible", "Description", one row per student): numbers as number cells,
// texts as text cells (never a formula, whatever they begin with), a missing score blank.
// The file is replaced only once the whole workbook is written; false with error set.
bool ExportXlsx(const std::vector<XlsxClass>& classes, const std::string& path, std::string& error);
bool ExportXlsx(const std::vector<XlsxClass>& classes, const std::string& path, Message& error);

} // namespace markwise
