#pragma once

namespace markwise {

// What the grade sheet's grid looks like to the mouse and the scroll commands.
struct SheetGrid {
    int rowHeight = 0;       // pixels
    int firstAssignment = 0; // m_firstAssignment
    int visibleColumns = 0;  // VisibleColumnCount of the client width
    int studentCount = 0;
    int assignmentCount = 0;
};

struct SheetHit {
    enum class Action { None, EditStudent, EditAssignment };
    Action action = Action::None;
    int assignment = -1; // EditAssignment: the assignment slot
    int student = -1;    // EditStudent, EditAssignment: the preselected student slot

    bool operator==(const SheetHit&) const = default;
};

// A left click at client point (x, y) with the view scrolled down by scrollY pixels:
// a name opens the student, a heading its assignment with student 0, a score cell
// its assignment with that student. Anything else, including x == 200 and the
// heading row right of the shown columns ("Totals" and beyond), opens nothing.
SheetHit HitTestSheet(const SheetGrid& grid, int x, int y, int scrollY);

// Scroll Left: one column back, never below 0.
int ScrollLeft(int firstAssignment);
// Scroll Right: one column on while the last assignment is not yet shown.
int ScrollRight(int firstAssignment, int visibleColumns, int assignmentCount);
// After New Assignment: the first column that shows the last assignment at the
// right edge, or the current one when every assignment fits.
int FirstAssignmentAfterNew(int firstAssignment, int visibleColumns, int assignmentCount);

} // namespace markwise
