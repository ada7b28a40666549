#pragma once

namespace markwise {

// The grade sheet's current cell: a student's name (column kNameColumn) or that student's
// score under an assignment (column = the assignment slot). student < 0: no cell, the
// class has no students.
inline constexpr int kNameColumn = -1;

struct SheetCell {
    int student = -1;
    int column = kNameColumn;

    bool IsScore() const { return student >= 0 && column >= 0; }
    bool operator==(const SheetCell&) const = default;
};

enum class CursorMove {
    Left,
    Right,
    Up,
    Down,
    FirstAssignment,
    LastAssignment, // Home, End
    FirstStudent,
    LastStudent, // Ctrl+Home, Ctrl+End
    PageUp,
    PageDown,
};

struct SheetExtent {
    int students = 0;
    int assignments = 0;
    int pageRows = 1; // student rows a screenful shows
};

// The cell kept inside the class after students or assignments went away.
SheetCell ClampCell(SheetCell cell, const SheetExtent& extent);
// Where a key takes the current cell; moves stop at the edges of the sheet.
SheetCell MoveCell(SheetCell cell, CursorMove move, const SheetExtent& extent);

// The first assignment column that shows `column`, reached by the single steps Scroll Left
// and Scroll Right take; the name column needs no scrolling.
int FirstAssignmentShowing(int firstAssignment, int column, int visibleColumns,
                           int assignmentCount);
// The vertical scroll position that shows the student's row below the heading line that
// stays at the top; unchanged when the row is already in view.
int ScrollYShowing(int scrollY, int student, int rowHeight, int viewHeight);

struct CellBox {
    int x = 0, y = 0, width = 0, height = 0;
    bool visible = false; // false when its assignment column is scrolled out
};
// The cell's box in content pixels, where its text is painted.
CellBox SheetCellBox(SheetCell cell, int firstAssignment, int visibleColumns, int rowHeight);

} // namespace markwise
