#include "geometry/sheet_hit_test.h"
#include "geometry/sheet_layout.h"
#include "support/class_builder.h"
#include "support/draw_lines.h"

#include <algorithm>
#include <array>
#include <gtest/gtest.h>

namespace markwise {
namespace {

using test::AddAssignment;
using test::AddStudent;
using test::FilledClass;
using test::Lines;
using test::NewClass;
using Texts = std::vector<std::string>;

const CGradeCutoffs kDefaults;

TEST(SheetLayout, VisibleColumnsAndScrollRanges) {
    EXPECT_EQ((std::array{VisibleColumnCount(0), VisibleColumnCount(475), VisibleColumnCount(476),
                          VisibleColumnCount(575), VisibleColumnCount(576)}),
              (std::array{0, 0, 1, 1, 2}));

    auto doc = FilledClass(3, 10);
    EXPECT_EQ(ShownColumnCount(*doc, 676), 3);
    // Heading, 3 students, points, blank and 3 description rows: the range ends with them.
    EXPECT_EQ(SheetScrollSize(*doc, 676, 13), (ScrollSize{376, 13 * (1 + 3 + 2 + 3)}));
    // Room for more columns than assignments: only the assignments count.
    EXPECT_EQ(SheetScrollSize(*doc, 5000, 13), (ScrollSize{376, 13 * (1 + 3 + 2 + 10)}));
    // Before the font is measured rows count 20 pixels.
    EXPECT_EQ(SheetScrollSize(*doc, 676, 0), (ScrollSize{376, 20 * 9}));
    // The last row drawn ends exactly at the end of the range.
    const DrawList texts = LayoutSheet(*doc, {0, 676, 13}, kDefaults);
    int bottom = 0;
    for (const DrawText& text : texts)
        bottom = std::max(bottom, text.y + 13);
    EXPECT_EQ(bottom, SheetScrollSize(*doc, 676, 13).height);
    EXPECT_EQ(SheetProvisionalScrollSize(*doc, 16), (ScrollSize{600, 6 * 16}));
}

TEST(SheetLayout, SmallEmptyAndOneSidedClasses) {
    auto doc = NewClass();
    AddStudent(*doc, "Lee", "Ann", "7");
    AddStudent(*doc, "Roe", "Bo", "8");
    AddAssignment(*doc, 10, {0, MISSING_SCORE}, "Quiz 1", "first");
    AddAssignment(*doc, 10, {7.5, 9}, "Quiz 2", "second");
    AddAssignment(*doc, 5, {-2, 5}, "Test"); // not shown, but counted
    EXPECT_EQ(Lines(LayoutSheet(*doc, {0, 576, 16}, kDefaults)),
              (Texts{"0: 200=1: Quiz 1 300=2: Quiz 2 400=Totals",
                     "16: 0=Lee, Ann 200=0 300=7.5 400=5.5 465=22% 550=F",
                     "32: 0=Roe, Bo 200=N/A 300=9 400=14 465=93.3333% 550=A-",
                     "48: 200=10 300=10 400=25", "80: 0=1: first", "96: 0=2: second"}));
    // Listing by ID shows the ID even when it is empty.
    doc->m_showNames = 0;
    doc->m_studentId[1].clear();
    EXPECT_EQ(Lines(LayoutSheet(*doc, {0, 576, 16}, kDefaults))[2].substr(0, 14), "32: 0= 200=N/A");

    EXPECT_TRUE(LayoutSheet(*NewClass(), {0, 1000, 16}, kDefaults).empty());
    // No students: points on row 1 under the headings, descriptions from row 3.
    auto assignments = NewClass();
    AddAssignment(*assignments, 4, {}, "Quiz", "d");
    EXPECT_EQ(Lines(LayoutSheet(*assignments, {0, 1000, 16}, kDefaults)),
              (Texts{"0: 200=1: Quiz 300=Totals", "16: 200=4 300=4", "48: 0=1: d"}));
}

TEST(SheetLayout, NarrowWideAndScrolledPastTheEnd) {
    auto doc = FilledClass(2, 10);
    // Narrower than 476: no column, totals at 200.
    const Texts narrow = Lines(LayoutSheet(*doc, {0, 475, 10}, kDefaults));
    ASSERT_EQ(narrow.size(), 4u);
    EXPECT_EQ(narrow[0], "0: 200=Totals");
    EXPECT_EQ(narrow[3], "30: 200=100");

    // Scrolled to the last three, then widened to five columns: three columns drawn,
    // the totals block still after five; descriptions of the drawn columns only.
    const Texts wide = Lines(LayoutSheet(*doc, {7, 876, 10}, kDefaults));
    EXPECT_EQ(wide.front(), "0: 200=8: Title 7 300=9: Title 8 400=10: Title 9 700=Totals");
    EXPECT_EQ(wide[4], "50: 0=8: Description 7");
    EXPECT_EQ(wide.back(), "70: 0=10: Description 9");
}

TEST(SheetLayout, BandAgreesWithTheFullLayout) {
    auto doc = FilledClass(50, 8);
    const SheetView view{1, 1000, 17}; // six columns: assignments 2 to 7
    const DrawList all = LayoutSheet(*doc, view, kDefaults);
    const int pointsY = 17 * 51;
    const int descriptionsY = 17 * 53;
    const std::pair<int, int> bands[] = {
        {0, 17},                                  // exactly the heading row
        {16, 18},                                 // last pixel of row 0, first of row 1
        {pointsY - 5, pointsY + 40},              // last student, points, blank row, descriptions
        {descriptionsY + 20, descriptionsY + 60}, // inside the description list
    };
    for (const auto& band : bands) {
        const int top = band.first;
        const int bottom = band.second;
        SCOPED_TRACE(std::to_string(top) + ".." + std::to_string(bottom));
        DrawList meeting; // the texts whose row [y, y + 17) meets [top, bottom)
        std::copy_if(all.begin(), all.end(), std::back_inserter(meeting),
                     [&](const DrawText& t) { return t.y < bottom && t.y + 17 > top; });
        EXPECT_EQ(LayoutSheetBand(*doc, view, kDefaults, top, bottom), meeting);
    }
    EXPECT_EQ(LayoutSheetBand(*doc, view, kDefaults, 0, 100000), all);
    EXPECT_EQ(LayoutSheetBand(*doc, view, kDefaults, 16, 18).size(), 7u + 1 + 6 + 3);
}

TEST(SheetHitTest, ClickRulesAndTheirBorders) {
    using Action = SheetHit::Action;
    const SheetHit none{};
    auto student = [](int s) { return SheetHit{Action::EditStudent, -1, s}; };
    auto cell = [](int a, int s) { return SheetHit{Action::EditAssignment, a, s}; };
    // Grids: row height, first shown assignment, room for columns, students, assignments.
    const SheetGrid shifted{16, 2, 4, 3, 6};
    const SheetGrid grid{16, 0, 3, 3, 10};
    const SheetGrid end{16, 8, 4, 3, 10}; // scrolled past the end
    struct Case {
        SheetGrid grid;
        int x, y, scrollY;
        SheetHit hit;
    };
    const Case cases[] = {
        {shifted, 250, 70, 0, none},       // points-possible row
        {shifted, 50, 16, 0, none},        // name column at y == h
        {shifted, 250, 16, 0, cell(2, 0)}, // score cell at y == h
        {shifted, 200, 40, 0, none},       // the column border
        {shifted, 350, 5, 0, cell(3, 0)},  // second heading: first shown + 1
        {shifted, 50, 10, 50, student(2)}, // the scroll position moves the click down
        {grid, 199, 63, 0, student(2)},    // last pixel of the last student
        {grid, 199, 64, 0, none},
        // Right of the shown columns is "Totals", although assignment 3 exists.
        {grid, 499, 5, 0, cell(2, 0)},
        {grid, 500, 5, 0, none},
        {end, 399, 5, 0, cell(9, 0)},
        {end, 400, 5, 0, none},
        {{16, 0, 3, 0, 10}, 50, 20, 0, none}, // no students
        {{0, 0, 3, 3, 10}, 250, 20, 0, none}, // no row height
    };
    for (const Case& c : cases)
        EXPECT_EQ(HitTestSheet(c.grid, c.x, c.y, c.scrollY), c.hit)
            << "first " << c.grid.firstAssignment << " at " << c.x << "," << c.y;
}

TEST(SheetHitTest, ScrollCommands) {
    int f = 0; // ten assignments, room for three: Scroll Right stops at 7
    for (int i = 0; i < 20; ++i)
        f = ScrollRight(f, 3, 10);
    EXPECT_EQ(f, 7);
    EXPECT_EQ(ScrollRight(2, 5, 4), 2); // more room than assignments
    EXPECT_EQ(ScrollLeft(0), 0);
    EXPECT_EQ(ScrollLeft(7), 6);
    EXPECT_EQ(FirstAssignmentAfterNew(0, 3, 10), 7);
    EXPECT_EQ(FirstAssignmentAfterNew(4, 3, 3), 0);
    EXPECT_EQ(FirstAssignmentAfterNew(4, 5, 3), 4); // everything fits: unchanged
}

} // namespace
} // namespace markwise
