#include "geometry/sheet_layout.h"
#include "sheet_test_doc.h"

#include <gtest/gtest.h>

namespace markwise {
namespace {

using test::AddAssignment;
using test::AddStudent;
using test::MakeClass;
using test::MakeDoc;

const CGradeCutoffs kDefaults;

TEST(SheetLayout, VisibleColumnsAndScrollRanges) {
    EXPECT_EQ(VisibleColumnCount(0), 0);
    EXPECT_EQ(VisibleColumnCount(100), 0); // negative quotient
    EXPECT_EQ(VisibleColumnCount(475), 0);
    EXPECT_EQ(VisibleColumnCount(476), 1);
    EXPECT_EQ(VisibleColumnCount(575), 1);
    EXPECT_EQ(VisibleColumnCount(576), 2);
    EXPECT_EQ(VisibleColumnCount(1280), 9);

    auto doc = MakeClass(3, 10);
    EXPECT_EQ(ShownColumnCount(*doc, 676), 3);
    EXPECT_EQ(SheetScrollSize(*doc, 676), (ScrollSize{376, 20 * (3 + 3) + 60}));
    // Room for more columns than assignments: only the assignments count.
    EXPECT_EQ(SheetScrollSize(*doc, 5000), (ScrollSize{376, 20 * (3 + 10) + 60}));
    EXPECT_EQ(SheetScrollSize(*doc, 300), (ScrollSize{376, 20 * 3 + 60}));
    EXPECT_EQ(SheetProvisionalScrollSize(*doc, 16), (ScrollSize{600, 6 * 16}));
    EXPECT_EQ(SheetScrollSize(*MakeDoc(), 1000), (ScrollSize{376, 60}));
}

TEST(SheetLayout, SmallClassInDrawingOrder) {
    auto doc = MakeDoc();
    AddStudent(*doc, "Lee", "Ann", "7");
    AddStudent(*doc, "Roe", "Bo", "8");
    AddAssignment(*doc, "Quiz 1", "first", 10, {0, MISSING_SCORE});
    AddAssignment(*doc, "Quiz 2", "second", 10, {7.5, 9});
    AddAssignment(*doc, "Test", "", 5, {-2, 5}); // not shown, but counted

    const DrawList expected = {
        {0, 16, "Lee, Ann"},   {0, 32, "Roe, Bo"},    {200, 48, "10"},  {200, 0, "1: Quiz 1"},
        {0, 80, "1: first"},   {200, 16, "0"},        {200, 32, "N/A"}, {300, 48, "10"},
        {300, 0, "2: Quiz 2"}, {0, 96, "2: second"},  {300, 16, "7.5"}, {300, 32, "9"},
        {400, 0, "Totals"},    {400, 16, "5.5"},      {465, 16, "22%"}, {550, 16, "F"},
        {400, 32, "14"},       {465, 32, "93.3333%"}, {550, 32, "A-"},  {400, 48, "25"},
    };
    EXPECT_EQ(LayoutSheet(*doc, {0, 576, 16}, kDefaults), expected);

    // Scrolled one column right: the list numbers the shown columns with their
    // own numbers, and a negative score and an empty description show as they are.
    const DrawList scrolled = LayoutSheet(*doc, {1, 576, 16}, kDefaults);
    ASSERT_EQ(scrolled.size(), expected.size());
    EXPECT_EQ(scrolled[3], (DrawText{200, 0, "2: Quiz 2"}));
    EXPECT_EQ(scrolled[7], (DrawText{300, 48, "5"}));
    EXPECT_EQ(scrolled[8], (DrawText{300, 0, "3: Test"}));
    EXPECT_EQ(scrolled[9], (DrawText{0, 96, "3: "}));
    EXPECT_EQ(scrolled[10], (DrawText{300, 16, "-2"}));
}

TEST(SheetLayout, EmptyAndOneSidedClasses) {
    EXPECT_TRUE(LayoutSheet(*MakeDoc(), {0, 1000, 16}, kDefaults).empty());

    auto students = MakeDoc();
    AddStudent(*students, "Lee", "Ann", "7");
    EXPECT_EQ(LayoutSheet(*students, {0, 1000, 16}, kDefaults), (DrawList{{0, 16, "Lee, Ann"}}));

    // No students: points on row 1 under the headings, descriptions from row 3.
    auto assignments = MakeDoc();
    AddAssignment(*assignments, "Quiz", "d", 4, {});
    EXPECT_EQ(LayoutSheet(*assignments, {0, 1000, 16}, kDefaults), (DrawList{{200, 16, "4"},
                                                                             {200, 0, "1: Quiz"},
                                                                             {0, 48, "1: d"},
                                                                             {300, 0, "Totals"},
                                                                             {300, 16, "4"}}));
}

TEST(SheetLayout, NarrowWideAndScrolledPastTheEnd) {
    auto doc = MakeClass(2, 10);
    // Narrower than 476: no column, totals at 200.
    const DrawList narrow = LayoutSheet(*doc, {0, 475, 10}, kDefaults);
    ASSERT_EQ(narrow.size(), 2u + 1 + 2 * 3 + 1);
    EXPECT_EQ(narrow[2], (DrawText{200, 0, "Totals"}));
    EXPECT_EQ(narrow[3].x, 200);

    // Scrolled to the last three, then widened to five columns: three columns
    // drawn, the totals block still after five.
    const DrawList wide = LayoutSheet(*doc, {7, 876, 10}, kDefaults);
    std::vector<std::string> headings;
    for (const DrawText& t : wide) {
        if (t.y == 0) {
            headings.push_back(t.text + "@" + std::to_string(t.x));
        }
    }
    EXPECT_EQ(headings, (std::vector<std::string>{"8: Title 7@200", "9: Title 8@300",
                                                  "10: Title 9@400", "Totals@700"}));
    // Descriptions only for the drawn columns, on rows nS + 3 ...
    EXPECT_EQ(wide[4], (DrawText{0, 50, "8: Description 7"}));
}

TEST(SheetLayout, ListingByIdShowsTheIdEvenWhenEmpty) {
    auto doc = MakeDoc();
    AddStudent(*doc, "Lee", "Ann", "7");
    AddStudent(*doc, "Roe", "Bo", "");
    doc->m_showNames = 0;
    EXPECT_EQ(LayoutSheet(*doc, {0, 300, 12}, kDefaults), (DrawList{{0, 12, "7"}, {0, 24, ""}}));
}

// The texts of the full layout whose row [y, y + h) meets [top, bottom).
DrawList FilterRows(const DrawList& all, int h, int top, int bottom) {
    DrawList kept;
    for (const DrawText& t : all) {
        if (t.y < bottom && t.y + h > top) {
            kept.push_back(t);
        }
    }
    return kept;
}

TEST(SheetLayout, BandAgreesWithTheFullLayout) {
    auto doc = MakeClass(50, 8);
    const SheetView view{1, 1000, 17}; // six columns: assignments 2 to 7
    const DrawList all = LayoutSheet(*doc, view, kDefaults);
    const int pointsY = 17 * 51;
    const int descriptionsY = 17 * 53;
    struct Band {
        int top;
        int bottom;
    };
    const Band bands[] = {
        {0, 1},                                   // heading row only
        {0, 17},                                  // exactly the heading row
        {16, 18},                                 // last pixel of row 0, first of row 1
        {17, 34},                                 // exactly student 0
        {100, 140},                               // partial rows at both ends
        {pointsY - 5, pointsY + 40},              // last student, points, blank row, descriptions
        {descriptionsY + 20, descriptionsY + 60}, // inside the description list
        {-50, 5},                                 // above the grid
        {5000, 6000},                             // below everything
        {0, 100000},                              // everything
    };
    for (const Band& band : bands) {
        SCOPED_TRACE(std::to_string(band.top) + ".." + std::to_string(band.bottom));
        EXPECT_EQ(LayoutSheetBand(*doc, view, kDefaults, band.top, band.bottom),
                  FilterRows(all, 17, band.top, band.bottom));
    }
    EXPECT_EQ(LayoutSheetBand(*doc, view, kDefaults, 0, 100000), all);
    EXPECT_EQ(LayoutSheetBand(*doc, view, kDefaults, 16, 18).size(), 7u + 1 + 6 + 3);
    EXPECT_TRUE(LayoutSheetBand(*doc, view, kDefaults, 40, 40).empty());

    // A row height of 0 puts everything on y = 0.
    const SheetView flat{1, 1000, 0};
    EXPECT_EQ(LayoutSheetBand(*doc, flat, kDefaults, 0, 1), LayoutSheet(*doc, flat, kDefaults));
    EXPECT_TRUE(LayoutSheetBand(*doc, flat, kDefaults, 1, 100).empty());
}

} // namespace
} // namespace markwise
