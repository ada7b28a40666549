#include "geometry/progress_layout.h"
#include "geometry/roster_layout.h"
#include "geometry/student_report_layout.h"
#include "support/class_builder.h"
#include "support/draw_lines.h"

#include <array>
#include <gtest/gtest.h>
#include <memory>
#include <optional>

namespace markwise {
namespace {

using test::AddAssignment;
using test::ClassOf;
using test::Lines;
using Texts = std::vector<std::string>;

// One inch at 300 dpi with a pitch of 100: trunc(300 x 4.7 / 100) = 14 lines.
PageRequest Inch(int page) {
    return {.height = 300, .lineHeight = 100, .page = page};
}

// The item hit at each click {x, y}, or -1 for none.
template <class HitTest>
std::vector<int> Hits(std::vector<std::array<int, 2>> clicks, HitTest hit) {
    std::vector<int> items;
    for (const auto& click : clicks)
        items.push_back(hit(click[0], click[1]).value_or(-1));
    return items;
}

TEST(RosterLayout, ScreenListsEveryStudentByNameAndMapsClicksToLines) {
    auto doc = ClassOf(2);
    doc->m_showNames = 0;
    doc->m_phone[1].clear();
    const ReportScreen screen = LayoutRosterScreen(*doc, "Period3.MKW", 20);
    EXPECT_EQ(Lines(screen.texts), (Texts{"0: 0=Class roster for Period3",
                                          "20: 0=Name 200=ID 300=Grade 360=Book# 430=Phone#",
                                          "40: 0=Last0, First0 200=ID0 300=G0 360=B0 430=555-0",
                                          "60: 0=Last1, First1 200=ID1 300=G1 360=B1 430="}));
    EXPECT_EQ(screen.scroll, (ScrollSize{580, 80}));
    // Student lines at y 40..59 and 60..79; y = 40 is the first one's top pixel line.
    EXPECT_EQ(Hits({{10, 40}, {10, 41}, {10, 60}, {10, 79}, {10, 80}, {580, 70}, {581, 70}},
                   [&](int x, int y) { return RosterHitTest(*doc, 20, x, y); }),
              (std::vector{-1, 0, 1, 1, -1, 1, -1}));
    EXPECT_FALSE(RosterHitTest(*doc, 0, 10, 70)); // no measured font yet
}

TEST(RosterLayout, PrintedPagesListOneLineMoreThanTheyReserve) {
    // Inch pages: 14 lines, 5 reserved, 9 students per page.
    auto doc = ClassOf(19);
    const ReportPrintout first = PrintRosterPage(*doc, "Period3.MKW", Inch(1));
    EXPECT_EQ(first.pagination.rowsPerPage, 9);
    EXPECT_EQ(first.pagination.pageCount, 3);
    const Texts lines = Lines(first.texts);
    ASSERT_EQ(lines.size(), 2u + 9);
    EXPECT_EQ(lines[1], "500: 0=Name 2530=ID 3850=Grade 4620=Book# 5500=Phone#");
    // The last student stands on line L + 5 = trunc(H x 4.7 / P) = 14.
    EXPECT_EQ(lines.back(), "1400: 0=Last8, First8 2530=ID8 3850=G8 4620=B8 5500=555-8");
}

// Student 1 scores 8 of 10, nothing of 10, 5 of 5.
struct StudentReport : ::testing::Test {
    std::unique_ptr<CMarkwiseDoc> doc = ClassOf(2);
    CGradeCutoffs cutoffs;

    StudentReport() {
        AddAssignment(*doc, 10, {1, 8}, "Quiz 1");
        AddAssignment(*doc, 10, {1, MISSING_SCORE}, "Quiz 2");
        AddAssignment(*doc, 5, {1, 5}, "Test");
    }
    StudentReportInput In(int student = 1) const { return {*doc, student, cutoffs}; }
};

TEST_F(StudentReport, ScreenColumnsAndClicks) {
    const ReportScreen screen = LayoutStudentReportScreen(In(), 20);
    EXPECT_EQ(Lines(screen.texts),
              (Texts{"0: 0=Student report for Last1, First1",
                     "20: 0=Title 230=Received 330=Possible 430=Percent 530=Grade",
                     "40: 0=1: Quiz 1 230=8 330=10 430=80% 530=B-",
                     "60: 0=2: Quiz 2 230=N/A 330=10 430=N/A 530=N/A",
                     "80: 0=3: Test 230=5 330=5 430=100% 530=A+",
                     "100: 230=13 330=15 430=86.6667% 530=B"}));
    EXPECT_EQ(screen.scroll, (ScrollSize{580, 120}));
    // Assignment lines at y 40..99, totals at 100..119; x = 580 is outside.
    EXPECT_EQ(Hits({{10, 40}, {10, 41}, {10, 60}, {579, 99}, {580, 99}, {10, 100}},
                   [&](int x, int y) { return StudentReportHitTest(In(), 20, x, y); }),
              (std::vector{-1, 0, 1, 2, -1, -1}));
    EXPECT_FALSE(StudentReportHitTest(In(), -3, 10, 70));

    AddAssignment(*doc, 0, {0, MISSING_SCORE}, "Bonus");
    AddAssignment(*doc, 0, {0, 3}, "Free");
    AddAssignment(*doc, 10, {0, 11}, "Extra");
    AddAssignment(*doc, 4, {0, -1}, "Penalty");
    EXPECT_EQ(StudentAssignmentTexts(In(), 3), (Texts{"4: Bonus", "N/A", "0", "N/A", "A+"}));
    EXPECT_EQ(StudentAssignmentTexts(In(), 4), (Texts{"5: Free", "3", "0", "100%", "A+"}));
    EXPECT_EQ(StudentAssignmentTexts(In(), 5), (Texts{"6: Extra", "11", "10", "110%", "A+"}));
    EXPECT_EQ(StudentAssignmentTexts(In(), 6), (Texts{"7: Penalty", "-1", "4", "-25%", "F"}));

    // Uncounted assignments keep their own figures but leave the totals.
    doc->m_firstIncluded = 2;
    EXPECT_EQ(StudentAssignmentTexts(In(), 0)[3], "80%");
    EXPECT_EQ(StudentAssignmentTexts(In(), 1)[4], "N/A (not counted)");
    EXPECT_EQ(StudentAssignmentTexts(In(), 2)[4], "A+");
    // Counted: Test 5/5, Bonus nothing, Free 3/0, Extra 11/10, Penalty -1/4.
    EXPECT_EQ(StudentTotalsTexts(In()), (Texts{"18", "19", "94.7368%", "A"}));
}

TEST_F(StudentReport, EveryPrintedPageEndsWithTheTotalsAndRemovedPositionsShowNone) {
    // Inch pages: 14 lines, 7 reserved, 7 assignments per page.
    for (int a = 3; a < 8; ++a)
        AddAssignment(*doc, 1, {0, 1}, "Extra " + std::to_string(a + 1));
    const Texts first = Lines(PrintStudentReportPage(In(), Inch(1)).texts);
    ASSERT_EQ(first.size(), 2u + 7 + 1);
    EXPECT_EQ(first[1], "500: 0=Title 2530=Received 3630=Possible 4730=Percent 5830=Grade");
    EXPECT_EQ(first[2], "600: 0=1: Quiz 1 2530=8 3630=10 4730=80% 5830=B-");
    // 8 + 5 + 5 x 1 of 10 + 5 + 5 x 1, on every page.
    EXPECT_EQ(first.back(), "1300: 2530=18 3630=20 4730=90% 5830=A-");

    const ReportPrintout second = PrintStudentReportPage(In(), Inch(2));
    EXPECT_FALSE(second.pagination.morePages);
    EXPECT_EQ(Lines(second.texts)[2], "600: 0=8: Extra 8 2530=1 3630=1 4730=100% 5830=A+");
    EXPECT_EQ(Lines(second.texts)[3], "700: 2530=18 3630=20 4730=90% 5830=A-");

    // Exactly one page of assignments: totals on line L + 6, no second page.
    doc->m_assignmentCount = 7;
    const ReportPrintout full = PrintStudentReportPage(In(), Inch(1));
    EXPECT_FALSE(full.pagination.morePages);
    EXPECT_EQ(full.texts.back(), (DrawText{5830, 1300, "B+"}));

    // A position out of use shows its headings only.
    doc->m_studentCount = 1; // slot 1 keeps its leftover name and scores
    for (int student : {1, -1, kMaxStudents}) {
        SCOPED_TRACE(student);
        const ReportScreen screen = LayoutStudentReportScreen(In(student), 20);
        EXPECT_EQ(Lines(screen.texts),
                  (Texts{"0: 0=Student report for ",
                         "20: 0=Title 230=Received 330=Possible 430=Percent 530=Grade"}));
        EXPECT_FALSE(StudentReportHitTest(In(student), 20, 10, 41));
        const ReportPrintout page =
            PrintStudentReportPage(In(student), {.height = 3150, .lineHeight = 226, .page = 1});
        EXPECT_EQ(page.texts.size(), 6u);
        EXPECT_FALSE(page.pagination.morePages);
    }
}

// Three students: 250/3 %, 50 %, 100 %; all three found at a cut-off of 100.
struct ProgressReport : ::testing::Test {
    std::unique_ptr<CMarkwiseDoc> doc = ClassOf(3);
    std::unique_ptr<ProgressReportState> state = std::make_unique<ProgressReportState>();
    CGradeCutoffs cutoffs;
    std::string title = "Period3.MKW";

    ProgressReport() {
        AddAssignment(*doc, 3, {2.5, 1.5, 3}, "Quiz");
        state->m_cutoffPercent = 100;
        state->m_foundCount = 3;
        state->m_foundStudents = {0, 1, 2};
        state->m_reportComments[0] = "See me";
        state->m_reportComments[2] = "Well done";
    }
    ProgressReportInput In() const { return {*doc, *state, cutoffs, title}; }
};

TEST_F(ProgressReport, ScreenShowsCurrentFiguresAndNoStaleData) {
    state->m_cutoffPercent = 72.5;
    const ReportScreen screen = LayoutProgressScreen(In(), 16);
    EXPECT_EQ(Lines(screen.texts), (Texts{"0: 0=Progress Report List for Period3   Cut-off = 72.5%",
                                          "16: 0=Names 200=Percent 300=Grade 400=Comment",
                                          "32: 0=Last0, First0 200=83.3333% 300=B- 400=See me",
                                          "48: 0=Last1, First1 200=50% 300=F 400=",
                                          "64: 0=Last2, First2 200=100% 300=A+ 400=Well done"}));
    EXPECT_EQ(screen.scroll, (ScrollSize{600, 80}));

    // By ID, and after a sort whoever now holds the position, with the row's comment.
    doc->m_showNames = 0;
    std::swap(doc->m_studentId[0], doc->m_studentId[2]);
    EXPECT_EQ(Lines(LayoutProgressScreen(In(), 16).texts)[1],
              "16: 0=IDs 200=Percent 300=Grade 400=Comment");
    EXPECT_EQ(ProgressRowTexts(In(), 0), (Texts{"ID2", "83.3333%", "B-", "See me"}));
    // [33, 48) meets row 0 (32..47) only; [47, 49) meets rows 0 and 1.
    EXPECT_EQ(LayoutProgressScreen(In(), 16, {33, 48}).texts.size(), 4u);
    EXPECT_EQ(LayoutProgressScreen(In(), 16, {47, 49}).texts.size(), 8u);

    // A position out of use keeps its student's comment; no position, no comment.
    doc->m_studentCount = 1; // slots 1 and 2 keep their leftovers
    state->m_foundStudents[1] = -1;
    state->m_reportComments[1] = "Unseen";
    const Texts removed = Lines(LayoutProgressScreen(In(), 16).texts);
    ASSERT_EQ(removed.size(), 5u);
    EXPECT_EQ(removed[3], "48: 0= 200= 300= 400=");
    EXPECT_EQ(removed[4], "64: 0= 200= 300= 400=Well done");

    // A damaged count never reads past the list.
    state->m_foundCount = 5000;
    EXPECT_EQ(LayoutProgressScreen(In(), 16).scroll.height, 16 * (kMaxStudents + 2));
}

TEST_F(ProgressReport, PrintedPagesRepeatHeadingsAndSplitRows) {
    // Inch pages: 14 lines, 8 rows per page. Ten rows: 8 + 2.
    state->m_foundCount = 10;
    for (int k = 3; k < 10; ++k)
        state->m_foundStudents[k] = k % 3;
    state->m_reportComments[9] = "Not found"; // a comment goes with its student, not a row
    const ReportPrintout first = PrintProgressPage(In(), Inch(1));
    EXPECT_EQ(first.pagination.pageCount, 2);
    const Texts lines = Lines(first.texts);
    ASSERT_EQ(lines.size(), 2u + 8);
    EXPECT_EQ(lines[0], "400: 0=Progress Report List for Period3   Cut-off = 100%");
    EXPECT_EQ(lines[2], "600: 0=Last0, First0 2530=83.3333% 3630=B- 4730=See me");
    EXPECT_EQ(lines.back().substr(0, 5), "1300:"); // row 7 on line 13

    const Texts second = Lines(PrintProgressPage(In(), Inch(2)).texts);
    ASSERT_EQ(second.size(), 2u + 2);
    EXPECT_EQ(second[2], "600: 0=Last2, First2 2530=100% 3630=A+ 4730=Well done"); // row 8
    EXPECT_EQ(second[3], "700: 0=Last0, First0 2530=83.3333% 3630=B- 4730=See me");

    // An empty list: headings only, on one page.
    state->m_foundCount = 0;
    EXPECT_EQ(LayoutProgressScreen(In(), 16).scroll.height, 32);
    const ReportPrintout empty = PrintProgressPage(In(), Inch(1));
    EXPECT_EQ(empty.texts.size(), 5u);
    EXPECT_FALSE(empty.pagination.morePages);
}

} // namespace
} // namespace markwise
