#include "geometry/sheet_hit_test.h"

#include <gtest/gtest.h>

namespace markwise {
namespace {

using Action = SheetHit::Action;

const SheetHit kNothing{};

SheetHit Student(int s) {
    return {Action::EditStudent, -1, s};
}

SheetHit Assignment(int a, int s) {
    return {Action::EditAssignment, a, s};
}

TEST(SheetHitTest, SixteenPixelRowsThreeStudents) {
    // Four columns of room, first shown assignment 2, six assignments.
    const SheetGrid grid{16, 2, 4, 3, 6};
    EXPECT_EQ(HitTestSheet(grid, 250, 70, 0), kNothing);         // points-possible row
    EXPECT_EQ(HitTestSheet(grid, 250, 60, 0), Assignment(2, 2)); // student 2
    EXPECT_EQ(HitTestSheet(grid, 50, 60, 0), Student(2));
    EXPECT_EQ(HitTestSheet(grid, 50, 16, 0), kNothing);          // name column at y' == h
    EXPECT_EQ(HitTestSheet(grid, 250, 16, 0), Assignment(2, 0)); // score cell at y' == h
    EXPECT_EQ(HitTestSheet(grid, 200, 40, 0), kNothing);         // the column border
    EXPECT_EQ(HitTestSheet(grid, 200, 5, 0), kNothing);
    EXPECT_EQ(HitTestSheet(grid, 350, 5, 0), Assignment(3, 0)); // second heading: f + 1
    // The scroll position moves the click down the grid.
    EXPECT_EQ(HitTestSheet(grid, 50, 10, 50), Student(2));
    EXPECT_EQ(HitTestSheet(grid, 250, 6, 64), kNothing);
}

TEST(SheetHitTest, CellBordersAndLastRows) {
    const SheetGrid grid{16, 0, 3, 3, 10};
    EXPECT_EQ(HitTestSheet(grid, 201, 0, 0), Assignment(0, 0));
    EXPECT_EQ(HitTestSheet(grid, 299, 31, 0), Assignment(0, 0));
    EXPECT_EQ(HitTestSheet(grid, 300, 32, 0), Assignment(1, 1));
    EXPECT_EQ(HitTestSheet(grid, 199, 17, 0), Student(0));
    EXPECT_EQ(HitTestSheet(grid, 199, 63, 0), Student(2)); // last pixel of the last student
    EXPECT_EQ(HitTestSheet(grid, 199, 64, 0), kNothing);
    EXPECT_EQ(HitTestSheet(grid, 250, 15, 0), Assignment(0, 0)); // last heading pixel
    EXPECT_EQ(HitTestSheet(grid, -5, 40, 0), Student(1));
}

TEST(SheetHitTest, ClicksRightOfTheShownColumnsOpenNothing) {
    // Three shown columns of ten assignments: column index 3 is "Totals" although
    // assignment f + 3 exists.
    const SheetGrid grid{16, 0, 3, 3, 10};
    EXPECT_EQ(HitTestSheet(grid, 499, 5, 0), Assignment(2, 0));
    EXPECT_EQ(HitTestSheet(grid, 500, 5, 0), kNothing);
    EXPECT_EQ(HitTestSheet(grid, 900, 5, 0), kNothing);
    EXPECT_EQ(HitTestSheet(grid, 500, 20, 0), kNothing);

    // Scrolled past the end: the empty shown columns open nothing either.
    const SheetGrid end{16, 8, 4, 3, 10};
    EXPECT_EQ(HitTestSheet(end, 399, 5, 0), Assignment(9, 0));
    EXPECT_EQ(HitTestSheet(end, 400, 5, 0), kNothing);
    EXPECT_EQ(HitTestSheet(end, 400, 20, 0), kNothing);

    // No room for a column, no students, no row height.
    EXPECT_EQ(HitTestSheet({16, 0, 0, 3, 10}, 250, 20, 0), kNothing);
    EXPECT_EQ(HitTestSheet({16, 0, 3, 0, 10}, 50, 20, 0), kNothing);
    EXPECT_EQ(HitTestSheet({16, 0, 3, 0, 10}, 250, 5, 0), Assignment(0, 0));
    EXPECT_EQ(HitTestSheet({0, 0, 3, 3, 10}, 250, 20, 0), kNothing);
}

TEST(SheetHitTest, ScrollCommands) {
    // Ten assignments, room for three: Scroll Right stops at 7.
    int f = 0;
    for (int i = 0; i < 20; ++i) {
        f = ScrollRight(f, 3, 10);
    }
    EXPECT_EQ(f, 7);
    EXPECT_EQ(ScrollRight(6, 3, 10), 7);
    EXPECT_EQ(ScrollRight(2, 5, 4), 2); // more room than assignments
    EXPECT_EQ(ScrollLeft(0), 0);
    EXPECT_EQ(ScrollLeft(7), 6);

    EXPECT_EQ(FirstAssignmentAfterNew(0, 3, 10), 7);
    EXPECT_EQ(FirstAssignmentAfterNew(4, 3, 3), 0);
    EXPECT_EQ(FirstAssignmentAfterNew(4, 5, 3), 4); // everything fits: unchanged
}

} // namespace
} // namespace markwise
