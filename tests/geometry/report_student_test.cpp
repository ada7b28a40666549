#include "geometry/student_report_layout.h"
#include "report_test_doc.h"

#include <gtest/gtest.h>
#include <memory>

namespace markwise {
namespace {

using report_test::AddAssignment;
using report_test::ClassOf;

constexpr int kH = 20;

using Texts = std::vector<std::string>;

// Student 1 scores 8 of 10, nothing of 10, 5 of 5.
struct StudentReportFixture : ::testing::Test {
    std::unique_ptr<CMarkwiseDoc> doc = ClassOf(2);
    CGradeCutoffs cutoffs;

    StudentReportFixture() {
        AddAssignment(*doc, "Quiz 1", 10, {1, 8});
        AddAssignment(*doc, "Quiz 2", 10, {1, MISSING_SCORE});
        AddAssignment(*doc, "Test", 5, {1, 5});
    }
    StudentReportInput In(int student = 1) const { return {*doc, student, cutoffs}; }
};

TEST_F(StudentReportFixture, ScreenListsAssignmentsThenTotals) {
    const ReportScreen screen = LayoutStudentReportScreen(In(), kH);
    const DrawList expected = {
        {0, 0, "Student report for Last1, First1"},
        {0, 20, "Title"},
        {230, 20, "Received"},
        {330, 20, "Possible"},
        {430, 20, "Percent"},
        {530, 20, "Grade"},
        {0, 40, "1: Quiz 1"},
        {230, 40, "8"},
        {330, 40, "10"},
        {430, 40, "80%"},
        {530, 40, "B-"},
        {0, 60, "2: Quiz 2"},
        {230, 60, "N/A"},
        {330, 60, "10"},
        {430, 60, "N/A"},
        {530, 60, "N/A"},
        {0, 80, "3: Test"},
        {230, 80, "5"},
        {330, 80, "5"},
        {430, 80, "100%"},
        {530, 80, "A+"},
        {230, 100, "13"},
        {330, 100, "15"},
        {430, 100, "86.6667%"},
        {530, 100, "B"},
    };
    EXPECT_EQ(screen.texts, expected);
    EXPECT_EQ(screen.scroll, (ReportScrollSize{580, 6 * kH}));
}

TEST_F(StudentReportFixture, AssignmentColumnsFollowTheirOwnRules) {
    AddAssignment(*doc, "Bonus", 0, {0, MISSING_SCORE});
    AddAssignment(*doc, "Free", 0, {0, 3});
    AddAssignment(*doc, "Extra", 10, {0, 11});
    AddAssignment(*doc, "Penalty", 4, {0, -1});
    EXPECT_EQ(StudentAssignmentTexts(In(), 3), (Texts{"4: Bonus", "N/A", "0", "N/A", "A+"}));
    EXPECT_EQ(StudentAssignmentTexts(In(), 4), (Texts{"5: Free", "3", "0", "100%", "A+"}));
    EXPECT_EQ(StudentAssignmentTexts(In(), 5), (Texts{"6: Extra", "11", "10", "110%", "A+"}));
    EXPECT_EQ(StudentAssignmentTexts(In(), 6), (Texts{"7: Penalty", "-1", "4", "-25%", "F"}));
    EXPECT_EQ(StudentAssignmentTexts(In(), 7), Texts{});

    // Uncounted assignments keep their own figures but leave the totals.
    doc->m_firstIncluded = 2;
    EXPECT_EQ(StudentAssignmentTexts(In(), 0)[3], "80%");
    // Counted: Test 5/5, Bonus nothing, Free 3/0, Extra 11/10, Penalty -1/4.
    EXPECT_EQ(StudentTotalsTexts(In()), (Texts{"18", "19", "94.7368%", "A"}));
}

TEST_F(StudentReportFixture, PositionOutOfUseShowsHeadingsOnly) {
    doc->m_studentCount = 1; // slot 1 keeps its leftover name and scores
    for (int student : {1, -1, kMaxStudents}) {
        const ReportScreen screen = LayoutStudentReportScreen(In(student), kH);
        ASSERT_EQ(screen.texts.size(), 6u);
        EXPECT_EQ(screen.texts[0].text, "Student report for ");
        EXPECT_EQ(screen.texts[5], (DrawText{530, 20, "Grade"}));
        EXPECT_EQ(screen.scroll.height, 2 * kH);
        EXPECT_FALSE(StudentReportHitTest(In(student), kH, 10, 41));

        const ReportPrintout page = PrintStudentReportPage(In(student), {3150, 226, 1});
        EXPECT_EQ(page.texts.size(), 6u);
        EXPECT_EQ(page.pagination.pageCount, 1);
        EXPECT_FALSE(page.pagination.morePages);
    }
}

TEST_F(StudentReportFixture, HitTestMapsLinesToAssignments) {
    // Assignment lines at y 40..99, totals at 100..119.
    EXPECT_FALSE(StudentReportHitTest(In(), kH, 10, 0));
    EXPECT_FALSE(StudentReportHitTest(In(), kH, 10, 39));
    EXPECT_FALSE(StudentReportHitTest(In(), kH, 10, 40));
    EXPECT_EQ(StudentReportHitTest(In(), kH, 10, 41), 0);
    EXPECT_EQ(StudentReportHitTest(In(), kH, 10, 60), 1);
    EXPECT_EQ(StudentReportHitTest(In(), kH, 579, 99), 2);
    EXPECT_FALSE(StudentReportHitTest(In(), kH, 580, 99)); // x = 580 is outside
    EXPECT_FALSE(StudentReportHitTest(In(), kH, 10, 100)); // totals line
    EXPECT_FALSE(StudentReportHitTest(In(), -3, 10, 70));
}

TEST_F(StudentReportFixture, EveryPrintedPageEndsWithTheTotals) {
    // 1 inch at 300 dpi, pitch 100: 14 lines, 7 reserved, 7 assignments per page.
    for (int a = 3; a < 8; ++a) {
        AddAssignment(*doc, "Extra " + std::to_string(a + 1), 1, {0, 1});
    }
    // Eight assignments: 7 + 1.
    const ReportPrintout first = PrintStudentReportPage(In(), {300, 100, 1});
    EXPECT_EQ(first.pagination.pageCount, 2);
    EXPECT_TRUE(first.pagination.morePages);
    ASSERT_EQ(first.texts.size(), 6u + 7 * 5 + 4);
    EXPECT_EQ(first.texts[0], (DrawText{0, 400, "Student report for Last1, First1"}));
    EXPECT_EQ(first.texts[5], (DrawText{5830, 500, "Grade"}));
    EXPECT_EQ(first.texts[6], (DrawText{0, 600, "1: Quiz 1"}));
    EXPECT_EQ(first.texts[7], (DrawText{2530, 600, "8"}));
    // 8 + 5 + 5 x 1 of 10 + 5 + 5 x 1.
    const DrawList totals = {
        {2530, 1300, "18"}, {3630, 1300, "20"}, {4730, 1300, "90%"}, {5830, 1300, "A-"}};
    EXPECT_EQ(DrawList(first.texts.end() - 4, first.texts.end()), totals);

    const ReportPrintout second = PrintStudentReportPage(In(), {300, 100, 2});
    EXPECT_FALSE(second.pagination.morePages);
    ASSERT_EQ(second.texts.size(), 6u + 5 + 4);
    EXPECT_EQ(second.texts[6], (DrawText{0, 600, "8: Extra 8"}));
    EXPECT_EQ(second.texts[11], (DrawText{2530, 700, "18"}));

    // Exactly one page of assignments: totals on line L + 6, no second page.
    doc->m_assignmentCount = 7;
    const ReportPrintout full = PrintStudentReportPage(In(), {300, 100, 1});
    EXPECT_EQ(full.pagination.pageCount, 1);
    EXPECT_FALSE(full.pagination.morePages);
    EXPECT_EQ(full.texts.back(), (DrawText{5830, 1300, "B+"}));

    // Too short a page for one assignment: headings only.
    EXPECT_EQ(PrintStudentReportPage(In(), {300, 226, 1}).texts.size(), 6u);
}

} // namespace
} // namespace markwise
