#include "geometry/sheet_hit_test.h"

#include "geometry/sheet_layout.h"

namespace markwise {

SheetHit HitTestSheet(const SheetGrid& grid, int x, int y, int scrollY) {
    const int h = grid.rowHeight;
    if (h <= 0) {
        return {};
    }
    const int yGrid = y + scrollY;
    const int row = (yGrid - h) / h; // student row, truncated toward zero
    if (x < kSheetNameWidth) {
        if (yGrid > h && row < grid.studentCount) {
            return {SheetHit::Action::EditStudent, -1, row};
        }
        return {};
    }
    if (x == kSheetNameWidth) {
        return {};
    }
    const int column = (x - kSheetNameWidth) / kSheetColumnWidth;
    const int a = grid.firstAssignment + column;
    if (column >= grid.visibleColumns || a >= grid.assignmentCount) {
        return {};
    }
    if (yGrid < h) {
        return {SheetHit::Action::EditAssignment, a, 0};
    }
    if (row < grid.studentCount) {
        return {SheetHit::Action::EditAssignment, a, row};
    }
    return {};
}

int ScrollLeft(int firstAssignment) {
    return firstAssignment > 0 ? firstAssignment - 1 : firstAssignment;
}

int ScrollRight(int firstAssignment, int visibleColumns, int assignmentCount) {
    return firstAssignment + visibleColumns < assignmentCount ? firstAssignment + 1
                                                              : firstAssignment;
}

int FirstAssignmentAfterNew(int firstAssignment, int visibleColumns, int assignmentCount) {
    const int lastFit = assignmentCount - visibleColumns;
    return lastFit >= 0 ? lastFit : firstAssignment;
}

} // namespace markwise
