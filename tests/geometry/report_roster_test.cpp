#include "geometry/roster_layout.h"
#include "report_test_doc.h"

#include <gtest/gtest.h>

namespace markwise {
namespace {

using report_test::ClassOf;

constexpr int kH = 20;

TEST(RosterLayout, ScreenListsEveryStudentByNameWhateverTheListing) {
    auto doc = ClassOf(2);
    doc->m_showNames = 0; // the roster always shows names
    doc->m_phone[1].clear();
    const ReportScreen screen = LayoutRosterScreen(*doc, "Period3.MKW", kH);
    const DrawList expected = {
        {0, 0, "Class roster for Period3"},
        {0, 20, "Name"},
        {200, 20, "ID"},
        {300, 20, "Grade"},
        {360, 20, "Book#"},
        {430, 20, "Phone#"},
        {0, 40, "Last0, First0"},
        {200, 40, "ID0"},
        {300, 40, "G0"},
        {360, 40, "B0"},
        {430, 40, "555-0"},
        {0, 60, "Last1, First1"},
        {200, 60, "ID1"},
        {300, 60, "G1"},
        {360, 60, "B1"},
        {430, 60, ""},
    };
    EXPECT_EQ(screen.texts, expected);
    EXPECT_EQ(screen.scroll, (ReportScrollSize{580, 4 * kH}));

    const ReportScreen empty = LayoutRosterScreen(*ClassOf(0), "Untitled", kH);
    EXPECT_EQ(empty.texts.size(), 6u);
    EXPECT_EQ(empty.texts[0].text, "Class roster for Untitled");
    EXPECT_EQ(empty.scroll.height, 2 * kH);
}

TEST(RosterLayout, HitTestMapsLinesToStudents) {
    auto doc = ClassOf(3);                         // student lines at y 40..59, 60..79, 80..99
    EXPECT_FALSE(RosterHitTest(*doc, kH, 10, 5));  // heading
    EXPECT_FALSE(RosterHitTest(*doc, kH, 10, 25)); // column headers
    EXPECT_FALSE(RosterHitTest(*doc, kH, 10, 40)); // first student's top pixel line
    EXPECT_EQ(RosterHitTest(*doc, kH, 10, 41), 0);
    EXPECT_EQ(RosterHitTest(*doc, kH, 10, 59), 0);
    EXPECT_EQ(RosterHitTest(*doc, kH, 10, 60), 1);
    EXPECT_EQ(RosterHitTest(*doc, kH, 10, 99), 2);
    EXPECT_FALSE(RosterHitTest(*doc, kH, 10, 100)); // below the last student
    EXPECT_EQ(RosterHitTest(*doc, kH, 580, 70), 1); // x = 580 still on the line
    EXPECT_FALSE(RosterHitTest(*doc, kH, 581, 70));
    EXPECT_FALSE(RosterHitTest(*doc, 0, 10, 70)); // no measured font yet
    EXPECT_FALSE(RosterHitTest(*ClassOf(0), kH, 10, 41));
}

TEST(RosterLayout, PrintedPagesListOneLineMoreThanTheyReserve) {
    // 1 inch at 300 dpi, pitch 100: 14 lines, 5 reserved, 9 students per page.
    auto doc = ClassOf(19);
    const ReportPrintout first = PrintRosterPage(*doc, "Period3.MKW", {300, 100, 1});
    EXPECT_EQ(first.pagination.rowsPerPage, 9);
    EXPECT_EQ(first.pagination.pageCount, 3);
    ASSERT_EQ(first.texts.size(), 6u + 9 * 5);
    EXPECT_EQ(first.texts[0], (DrawText{0, 400, "Class roster for Period3"}));
    const DrawList headers = {{0, 500, "Name"},
                              {2530, 500, "ID"},
                              {3850, 500, "Grade"},
                              {4620, 500, "Book#"},
                              {5500, 500, "Phone#"}};
    EXPECT_EQ(DrawList(first.texts.begin() + 1, first.texts.begin() + 6), headers);
    // The last student of the page stands on line L + 5 = trunc(H x 4.7 / P) = 14.
    EXPECT_EQ(first.texts[first.texts.size() - 5], (DrawText{0, 1400, "Last8, First8"}));

    const ReportPrintout last = PrintRosterPage(*doc, "Period3.MKW", {300, 100, 3});
    ASSERT_EQ(last.texts.size(), 6u + 5);
    EXPECT_EQ(last.texts[6], (DrawText{0, 600, "Last18, First18"}));
    EXPECT_FALSE(last.pagination.morePages);
}

} // namespace
} // namespace markwise
