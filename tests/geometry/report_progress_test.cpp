#include "geometry/progress_layout.h"
#include "report_test_doc.h"

#include <gtest/gtest.h>
#include <memory>

namespace markwise {
namespace {

using report_test::AddAssignment;
using report_test::ClassOf;

constexpr int kH = 16;

// Three students: 250/3 %, 50 %, 100 %; all three found at a cut-off of 100.
struct ProgressFixture : ::testing::Test {
    std::unique_ptr<CMarkwiseDoc> doc = ClassOf(3);
    std::unique_ptr<ProgressReportState> state = std::make_unique<ProgressReportState>();
    CGradeCutoffs cutoffs;
    std::string title = "Period3.MKW";

    ProgressFixture() {
        AddAssignment(*doc, "Quiz", 3, {2.5, 1.5, 3});
        state->m_cutoffPercent = 100;
        state->m_foundCount = 3;
        state->m_foundStudents[0] = 0;
        state->m_foundStudents[1] = 1;
        state->m_foundStudents[2] = 2;
        state->m_reportComments[0] = "See me";
        state->m_reportComments[2] = "Well done";
    }
    ProgressReportInput In() const { return {*doc, *state, cutoffs, title}; }
};

TEST_F(ProgressFixture, ScreenListsFoundStudentsWithCurrentFigures) {
    state->m_cutoffPercent = 72.5;
    const ReportScreen screen = LayoutProgressScreen(In(), kH);
    const DrawList expected = {
        {0, 0, "Progress Report List for Period3   Cut-off = 72.5%"},
        {0, 16, "Names"},
        {200, 16, "Percent"},
        {300, 16, "Grade"},
        {400, 16, "Comment"},
        {0, 32, "Last0, First0"},
        {200, 32, "83.3333%"},
        {300, 32, "B-"},
        {400, 32, "See me"},
        {0, 48, "Last1, First1"},
        {200, 48, "50%"},
        {300, 48, "F"},
        {400, 48, ""},
        {0, 64, "Last2, First2"},
        {200, 64, "100%"},
        {300, 64, "A+"},
        {400, 64, "Well done"},
    };
    EXPECT_EQ(screen.texts, expected);
    EXPECT_EQ(screen.scroll, (ReportScrollSize{600, kH * 5}));

    state->m_cutoffPercent = 70;
    EXPECT_EQ(ProgressHeading(In()), "Progress Report List for Period3   Cut-off = 70%");

    doc->m_showNames = 0;
    const ReportScreen byId = LayoutProgressScreen(In(), kH);
    EXPECT_EQ(byId.texts[1], (DrawText{0, 16, "IDs"}));
    EXPECT_EQ(byId.texts[5], (DrawText{0, 32, "ID0"}));
}

TEST_F(ProgressFixture, RowsHoldClassPositionsAndListPositionsHoldComments) {
    // After a sort the row shows whoever now holds the position, with the row's comment.
    std::swap(doc->m_lastName[0], doc->m_lastName[2]);
    std::swap(doc->m_firstName[0], doc->m_firstName[2]);
    const auto row = ProgressRowTexts(In(), 0);
    EXPECT_EQ(row[0], "Last2, First2");
    EXPECT_EQ(row[3], "See me");
}

TEST_F(ProgressFixture, RemovedPositionsKeepTheirRowButShowNoStaleData) {
    doc->m_studentCount = 1; // slots 1 and 2 keep their leftovers
    state->m_foundStudents[2] = -1;
    const ReportScreen screen = LayoutProgressScreen(In(), kH);
    ASSERT_EQ(screen.texts.size(), 17u);
    EXPECT_EQ(screen.texts[9], (DrawText{0, 48, ""}));
    EXPECT_EQ(screen.texts[10], (DrawText{200, 48, ""}));
    EXPECT_EQ(screen.texts[11], (DrawText{300, 48, ""}));
    EXPECT_EQ(screen.texts[12], (DrawText{400, 48, ""}));
    EXPECT_EQ(screen.texts[13].text, "");
    EXPECT_EQ(screen.texts[16], (DrawText{400, 64, "Well done"}));
    EXPECT_EQ(screen.scroll.height, kH * 5);

    // A damaged count never reads past the list.
    state->m_foundCount = 5000;
    EXPECT_EQ(LayoutProgressScreen(In(), kH).scroll.height, kH * (kMaxStudents + 2));
}

TEST_F(ProgressFixture, EmptyListShowsHeadingsOnly) {
    state->m_foundCount = 0;
    const ReportScreen screen = LayoutProgressScreen(In(), kH);
    EXPECT_EQ(screen.texts.size(), 5u);
    EXPECT_EQ(screen.scroll.height, 2 * kH);
    const ReportPrintout page = PrintProgressPage(In(), {3150, 226, 1});
    EXPECT_EQ(page.texts.size(), 5u);
    EXPECT_EQ(page.pagination.pageCount, 1);
    EXPECT_FALSE(page.pagination.morePages);
}

TEST_F(ProgressFixture, BandLaysOutOnlyTheLinesItMeets) {
    // [33, 48) meets row 0 (32..47) only; [47, 49) meets rows 0 and 1.
    const ReportScreen one = LayoutProgressScreen(In(), kH, {33, 48});
    ASSERT_EQ(one.texts.size(), 4u);
    EXPECT_EQ(one.texts[0].text, "Last0, First0");
    EXPECT_EQ(one.scroll.height, kH * 5);
    const ReportScreen two = LayoutProgressScreen(In(), kH, {47, 49});
    ASSERT_EQ(two.texts.size(), 8u);
    EXPECT_EQ(two.texts[4].text, "Last1, First1");
    EXPECT_EQ(LayoutProgressScreen(In(), kH, {0, 1}).texts.size(), 1u);
}

TEST_F(ProgressFixture, PrintedPagesRepeatHeadingsAndSplitRows) {
    // 1 inch at 300 dpi, pitch 100: 14 lines, 8 rows per page. Ten rows: 8 + 2.
    state->m_foundCount = 10;
    for (int k = 3; k < 10; ++k) {
        state->m_foundStudents[k] = k % 3;
    }
    state->m_reportComments[9] = "Last";
    const ReportPrintout first = PrintProgressPage(In(), {300, 100, 1});
    EXPECT_EQ(first.pagination.pageCount, 2);
    EXPECT_TRUE(first.pagination.morePages);
    ASSERT_EQ(first.texts.size(), 5u + 8 * 4);
    EXPECT_EQ(first.texts[0],
              (DrawText{0, 400, "Progress Report List for Period3   Cut-off = 100%"}));
    EXPECT_EQ(first.texts[4], (DrawText{4730, 500, "Comment"}));
    EXPECT_EQ(first.texts[5], (DrawText{0, 600, "Last0, First0"}));
    EXPECT_EQ(first.texts[6], (DrawText{2530, 600, "83.3333%"}));
    EXPECT_EQ(first.texts[7], (DrawText{3630, 600, "B-"}));
    EXPECT_EQ(first.texts[8], (DrawText{4730, 600, "See me"}));
    EXPECT_EQ(first.texts.back().y, 1300); // row 7 on line 13

    const ReportPrintout second = PrintProgressPage(In(), {300, 100, 2});
    EXPECT_FALSE(second.pagination.morePages);
    ASSERT_EQ(second.texts.size(), 5u + 2 * 4);
    EXPECT_EQ(second.texts[0].y, 400);
    EXPECT_EQ(second.texts[5], (DrawText{0, 600, "Last2, First2"})); // row 8
    EXPECT_EQ(second.texts.back(), (DrawText{4730, 700, "Last"}));   // row 9

    // Exactly one page of rows: no second page.
    state->m_foundCount = 8;
    EXPECT_EQ(PrintProgressPage(In(), {300, 100, 1}).pagination.pageCount, 1);
    EXPECT_FALSE(PrintProgressPage(In(), {300, 100, 1}).pagination.morePages);
}

} // namespace
} // namespace markwise
