#include "geometry/sheet_copy.h"
#include "geometry/sheet_cursor.h"
#include "geometry/sheet_layout.h"
#include "support/class_builder.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace markwise {
namespace {

const CGradeCutoffs kDefaults;

TEST(SheetCursor, KeysMoveWithinTheSheetAndStopAtItsEdges) {
    const SheetExtent sheet{5, 3, 2};
    SheetCell cell{0, kNameColumn};
    EXPECT_EQ(MoveCell(cell, CursorMove::Left, sheet), cell);
    cell = MoveCell(cell, CursorMove::Right, sheet);
    EXPECT_EQ(cell, (SheetCell{0, 0}));
    EXPECT_EQ(MoveCell(cell, CursorMove::LastAssignment, sheet), (SheetCell{0, 2}));
    // Home goes to the first assignment, not the name.
    EXPECT_EQ(MoveCell({3, 2}, CursorMove::FirstAssignment, sheet), (SheetCell{3, 0}));
    EXPECT_EQ(MoveCell({3, 1}, CursorMove::FirstStudent, sheet), (SheetCell{0, 1}));
    EXPECT_EQ(MoveCell({1, 1}, CursorMove::LastStudent, sheet), (SheetCell{4, 1}));
    EXPECT_EQ(MoveCell({1, 1}, CursorMove::PageDown, sheet), (SheetCell{3, 1}));
    EXPECT_EQ(MoveCell({3, 1}, CursorMove::PageDown, sheet), (SheetCell{4, 1}));
    EXPECT_EQ(MoveCell({1, 1}, CursorMove::PageUp, sheet), (SheetCell{0, 1}));
    EXPECT_EQ(MoveCell({4, 1}, CursorMove::Down, sheet), (SheetCell{4, 1}));

    // No assignments: Home, End and Right stay on the name.
    const SheetExtent names{2, 0, 10};
    EXPECT_EQ(MoveCell({1, kNameColumn}, CursorMove::FirstAssignment, names),
              (SheetCell{1, kNameColumn}));
    EXPECT_EQ(MoveCell({1, kNameColumn}, CursorMove::Right, names), (SheetCell{1, kNameColumn}));
    // No students: no cell at all; a cell left beyond a shrunken class comes back inside.
    EXPECT_EQ(MoveCell({0, 0}, CursorMove::Down, {0, 4, 1}), SheetCell{});
    EXPECT_EQ(ClampCell({9, 7}, sheet), (SheetCell{4, 2}));
}

TEST(SheetCursor, ScrollingKeepsTheCellInViewBySingleColumnSteps) {
    // Three columns shown of ten.
    EXPECT_EQ(FirstAssignmentShowing(0, 2, 3, 10), 0);
    EXPECT_EQ(FirstAssignmentShowing(0, 3, 3, 10), 1);
    EXPECT_EQ(FirstAssignmentShowing(7, 4, 3, 10), 4);
    EXPECT_EQ(FirstAssignmentShowing(5, kNameColumn, 3, 10), 5);
    EXPECT_EQ(FirstAssignmentShowing(0, 5, 0, 10), 0); // no room for any column

    // 20-pixel rows in a 100-pixel view; the top row is covered by the heading line.
    EXPECT_EQ(ScrollYShowing(0, 3, 20, 100), 0);  // row 4 ends at 100
    EXPECT_EQ(ScrollYShowing(0, 4, 20, 100), 20); // row 5 ends at 120
    EXPECT_EQ(ScrollYShowing(200, 9, 20, 100), 180);
    EXPECT_EQ(ScrollYShowing(200, 10, 20, 100), 200);
    EXPECT_EQ(ScrollYShowing(200, 0, 20, 100), 0);
}

TEST(SheetCursor, CellBoxesLieWhereTheirTextsArePainted) {
    auto doc = test::FilledClass(4, 6);
    const int h = 17;
    const SheetView view{2, 676, h};
    const DrawList texts = LayoutSheet(*doc, view, kDefaults);
    const int shown = VisibleColumnCount(676);
    auto textAt = [&](const CellBox& box) -> std::string {
        for (const DrawText& t : texts)
            if (t.x == box.x && t.y == box.y)
                return t.text;
        return "?";
    };
    EXPECT_EQ(textAt(SheetCellBox({2, kNameColumn}, 2, shown, h)), doc->GetListedName(2));
    for (int a = 2; a < 5; ++a) {
        const CellBox box = SheetCellBox({3, a}, 2, shown, h);
        EXPECT_TRUE(box.visible);
        EXPECT_EQ(textAt(box), SheetTableText(*doc, kDefaults, 4, a + 1));
    }
    EXPECT_FALSE(SheetCellBox({3, 1}, 2, shown, h).visible);
    EXPECT_FALSE(SheetCellBox({3, 5}, 2, shown, h).visible);
}

TEST(SheetCopy, TableTextsAndTheirTabAndHtmlForms) {
    auto doc = test::NewClass();
    test::AddStudent(*doc, "Lee", "Ann", "7");
    test::AddStudent(*doc, "O<Hara>", "T&m", "8");
    test::AddAssignment(*doc, 10, {7.5, MISSING_SCORE}, "Quiz\t1");
    test::AddAssignment(*doc, 10, {10, 4});
    const auto table = SheetTable(*doc, kDefaults);
    ASSERT_EQ(table.size(), 3u);
    ASSERT_EQ(table[0].size(), 6u);
    EXPECT_EQ(table[1][1], "7.5");
    EXPECT_EQ(table[2][1], "N/A");
    for (size_t r = 0; r < table.size(); ++r)
        for (size_t c = 0; c < table[r].size(); ++c)
            EXPECT_EQ(table[r][c], SheetTableText(*doc, kDefaults, int(r), int(c)));
    EXPECT_EQ(SheetTableText(*doc, kDefaults, 3, 0), "");
    EXPECT_EQ(SheetTableText(*doc, kDefaults, 0, 6), "");

    const std::string tabs = TableAsTabText(table);
    // The tab inside a title must not open a new cell.
    EXPECT_EQ(tabs.substr(0, tabs.find("\r\n")), "Name\t1: Quiz 1\t2: T1\tTotal\tPercent\tGrade");
    EXPECT_EQ(std::count(tabs.begin(), tabs.end(), '\n'), 3);
    const std::string html = TableAsHtml(table);
    EXPECT_NE(html.find("<td>O&lt;Hara&gt;, T&amp;m</td>"), std::string::npos);
    EXPECT_EQ(html.find("<Hara>"), std::string::npos);

    doc->ToggleNames();
    EXPECT_EQ(SheetTable(*doc, kDefaults)[1][0], "7");
    EXPECT_EQ(SheetTableText(*doc, kDefaults, 0, 0), "ID");
}

} // namespace
} // namespace markwise
