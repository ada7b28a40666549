#pragma once

#include "geometry/sheet_cursor.h"

namespace markwise {

class CMarkwiseView;

// Lets screen readers read the grade sheet as a table: one row per student, columns for
// the name, each assignment, total, percent and grade, the headings as column headers.
void InstallSheetAccessibility();
// Tells assistive tools that the current cell moved.
void NotifySheetFocus(CMarkwiseView& view, SheetCell cell);
// The table column of a sheet cell: 0 for the name, assignment + 1 for a score.
inline int AccessibleColumnOf(SheetCell cell) {
    return cell.column + 1;
}

} // namespace markwise
