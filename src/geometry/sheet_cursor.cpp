#include "geometry/sheet_cursor.h"

#include "geometry/sheet_hit_test.h"
#include "geometry/sheet_layout.h"

#include <algorithm>

namespace markwise {

SheetCell ClampCell(SheetCell cell, const SheetExtent& extent) {
    if (extent.students <= 0)
        return {};
    cell.student = std::clamp(cell.student, 0, extent.students - 1);
    cell.column = std::clamp(cell.column, kNameColumn, extent.assignments - 1);
    return cell;
}

SheetCell MoveCell(SheetCell cell, CursorMove move, const SheetExtent& extent) {
    if (extent.students <= 0)
        return {};
    cell = ClampCell(cell, extent);
    const int lastStudent = extent.students - 1;
    const int lastColumn = extent.assignments - 1; // kNameColumn when there is none
    const int page = std::max(1, extent.pageRows);
    switch (move) {
    case CursorMove::Left:
        cell.column = std::max(kNameColumn, cell.column - 1);
        break;
    case CursorMove::Right:
        cell.column = std::min(lastColumn, cell.column + 1);
        break;
    case CursorMove::Up:
        cell.student = std::max(0, cell.student - 1);
        break;
    case CursorMove::Down:
        cell.student = std::min(lastStudent, cell.student + 1);
        break;
    case CursorMove::FirstAssignment:
        cell.column = std::min(0, lastColumn);
        break;
    case CursorMove::LastAssignment:
        cell.column = lastColumn;
        break;
    case CursorMove::FirstStudent:
        cell.student = 0;
        break;
    case CursorMove::LastStudent:
        cell.student = lastStudent;
        break;
    case CursorMove::PageUp:
        cell.student = std::max(0, cell.student - page);
        break;
    case CursorMove::PageDown:
        cell.student = std::min(lastStudent, cell.student + page);
        break;
    }
    return cell;
}

int FirstAssignmentShowing(int firstAssignment, int column, int visibleColumns,
                           int assignmentCount) {
    if (column < 0 || visibleColumns <= 0)
        return firstAssignment;
    int first = firstAssignment;
    while (column < first && ScrollLeft(first) != first)
        first = ScrollLeft(first);
    while (column >= first + visibleColumns) {
        const int next = ScrollRight(first, visibleColumns, assignmentCount);
        if (next == first)
            break;
        first = next;
    }
    return first;
}

int ScrollYShowing(int scrollY, int student, int rowHeight, int viewHeight) {
    if (student < 0 || rowHeight <= 0)
        return scrollY;
    const int top = rowHeight * (student + 1);
    // The heading line covers the top row of the view once the sheet scrolls.
    if (top < scrollY + rowHeight)
        return std::max(0, top - rowHeight);
    if (top + rowHeight > scrollY + viewHeight)
        return std::max(0, top + rowHeight - viewHeight);
    return scrollY;
}

CellBox SheetCellBox(SheetCell cell, int firstAssignment, int visibleColumns, int rowHeight) {
    if (cell.student < 0)
        return {};
    const int y = rowHeight * (cell.student + 1);
    if (cell.column < 0)
        return {0, y, kSheetNameWidth, rowHeight, true};
    const int shown = cell.column - firstAssignment;
    const int x = kSheetNameWidth + kSheetColumnWidth * shown;
    return {x, y, kSheetColumnWidth, rowHeight, shown >= 0 && shown < visibleColumns};
}

} // namespace markwise
