#include "core/cutoffs.h"
#include "geometry/category_breakdown.h"
#include "geometry/column_fit.h"
#include "geometry/sheet_copy.h"
#include "geometry/sheet_texts.h"
#include "geometry/student_report_layout.h"
#include "support/class_builder.h"
#include "support/draw_lines.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <memory>

namespace markwise {
namespace {

using test::AddAssignment;
using test::ClassOf;
using test::Lines;
using Texts = std::vector<std::string>;

// Student 1: Homework (weight 30, drop 1) 8/10, 5/10 dropped, excused; Tests (weight 70)
// missing work of 20 and 18/20. Homework 8/10 = 80%, Tests 18/40 = 45%;
// (30 x 80 + 70 x 45) / 100 = 55.5%, of 26 kept points out of 50.
struct PolicyClass : ::testing::Test {
    std::unique_ptr<CMarkwiseDoc> doc = ClassOf(2);
    CGradeCutoffs cutoffs;

    PolicyClass() {
        AddAssignment(*doc, 10, {1, 8}, "HW1");
        AddAssignment(*doc, 10, {1, 5}, "HW2");
        AddAssignment(*doc, 10, {1, 7}, "HW3");
        AddAssignment(*doc, 20, {1, 3}, "T1");
        AddAssignment(*doc, 20, {1, 18}, "T2");
        doc->m_policy.categories = {{"Homework", 30, 1}, {"Tests", 70, 0}};
        doc->m_assignments[3].m_category = 1;
        doc->m_assignments[4].m_category = 1;
        doc->StoreMarkedScore(2, 1, MISSING_SCORE, ScoreMark::Excused);
        doc->StoreMarkedScore(3, 1, 0, ScoreMark::MissingWork);
    }
    StudentReportInput In(int student = 1) const { return {*doc, student, cutoffs}; }
};

TEST_F(PolicyClass, MarkedScoresShowAsTheirMarksOnTheSheetAndInCopies) {
    EXPECT_EQ((Texts{ScoreText(*doc, 0, 1), ScoreText(*doc, 2, 1), ScoreText(*doc, 3, 1),
                     ScoreText(*doc, 2, 0), ScoreText(*doc, 3, 0)}),
              (Texts{"8", "EX", "M", "1", "1"}));
    const auto table = SheetTable(*doc, cutoffs);
    EXPECT_EQ(table[2], (Texts{"Last1, First1", "8", "5", "EX", "M", "18", "26", "55.5%", "F"}));
    // A plain missing score and a plain 0 carry no mark.
    doc->StoreScore(2, 1, MISSING_SCORE);
    doc->StoreScore(3, 1, 0);
    EXPECT_EQ((Texts{ScoreText(*doc, 2, 1), ScoreText(*doc, 3, 1)}), (Texts{"N/A", "0"}));
}

TEST_F(PolicyClass, StudentReportMarksDropsAndBreaksThePercentDownByCategory) {
    const ReportScreen screen = LayoutStudentReportScreen(In(), 20);
    EXPECT_EQ(
        Lines(screen.texts),
        (Texts{"0: 0=Student report for Last1, First1",
               "20: 0=Title 230=Received 330=Possible 430=Percent 530=Grade",
               "40: 0=1: HW1 230=8 330=10 430=80% 530=B-",
               "60: 0=2: HW2 230=5 330=10 430=50% 530=F (dropped)",
               "80: 0=3: HW3 230=EX 330=10 430=N/A 530=N/A",
               "100: 0=4: T1 230=M 330=20 430=0% 530=F",
               "120: 0=5: T2 230=18 330=20 430=90% 530=A-", "140: 230=26 330=50 430=55.5% 530=F",
               "160: 0=By category:", "180: 0=Homework 230=8 330=10 430=80% 530=weight 30",
               "200: 0=Tests 230=18 330=40 430=45% 530=weight 70"}));
    EXPECT_EQ(screen.scroll, (ScrollSize{580, 220}));
    EXPECT_FALSE(StudentReportHitTest(In(), 20, 10, 170));

    // A category with nothing kept is left out and says so; the summary's one-line form.
    doc->m_assignments[0].m_scores[1] = MISSING_SCORE;
    doc->m_assignments[1].m_scores[1] = MISSING_SCORE;
    const std::vector<CategoryBreakdownLine> lines = CategoryBreakdown(*doc, 1);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(BreakdownListText(lines[0]), "Homework, weight 30: N/A");
    EXPECT_EQ(BreakdownListText(lines[1]), "Tests, weight 70: 45%");
    doc->m_assignments[0].m_scores[1] = 8;
    doc->m_assignments[1].m_scores[1] = 5;
    EXPECT_EQ(BreakdownListText(CategoryBreakdown(*doc, 1)[0]),
              "Homework, weight 30: 80%, dropped: 2");
    EXPECT_TRUE(CategoryBreakdown(*doc, 2).empty());
}

// The desktop hands in its language's words: every word around the breakdown is theirs,
// on screen, on paper and in the summary's line; the class's names and numbers stay.
TEST_F(PolicyClass, BreakdownWordsComeFromTheTextsHandedIn) {
    ReportTexts words;
    words.byCategory = "Nach Kategorie:";
    words.categoryWeight = "Gewichtung %1";
    words.categoryDropped = "gestrichen: %1";
    words.categoryLine = "%1 = %2";
    words.droppedMark = "(gestrichen)";
    const StudentReportInput in{*doc, 1, cutoffs, words};
    const Texts screen = Lines(LayoutStudentReportScreen(in, 20).texts);
    const Texts paper =
        Lines(PrintStudentReportPage(in, {.height = 300, .lineHeight = 100, .page = 1}).texts);
    const struct {
        const Texts& lines;
        std::size_t at;
        std::string line;
    } cases[] = {
        {screen, 3, "60: 0=2: HW2 230=5 330=10 430=50% 530=F (gestrichen)"},
        {screen, 8, "160: 0=Nach Kategorie:"},
        {screen, 9, "180: 0=Homework 230=8 330=10 430=80% 530=Gewichtung 30"},
        {screen, 10, "200: 0=Tests 230=18 330=40 430=45% 530=Gewichtung 70"},
        {paper, 3, "700: 0=2: HW2 2530=5 3630=10 4730=50% 5830=F (gestrichen)"},
        {paper, 7, "1100: 0=Nach Kategorie:"},
        {paper, 9, "1300: 0=Tests 2530=18 3630=40 4730=45% 5830=Gewichtung 70"},
    };
    for (const auto& c : cases) {
        ASSERT_LT(c.at, c.lines.size());
        EXPECT_EQ(c.lines[c.at], c.line);
    }
    const std::vector<CategoryBreakdownLine> lines = CategoryBreakdown(*doc, 1);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(BreakdownListText(lines[0], words), "Homework, Gewichtung 30 = 80%, gestrichen: 2");
    EXPECT_EQ(BreakdownListText(lines[1], words), "Tests, Gewichtung 70 = 45%");
    // A name that looks like a placeholder is the class's text, never filled in again.
    // A weight's decimal separator is the words' own.
    doc->m_policy.categories[1].name = "%2 und %1";
    doc->m_policy.categories[1].weight = 70.5;
    words.decimalPoint = ",";
    EXPECT_EQ(BreakdownListText(CategoryBreakdown(*doc, 1)[1], words),
              "%2 und %1, Gewichtung 70,5 = 45%");
    EXPECT_EQ(BreakdownListText(CategoryBreakdown(*doc, 1)[1]), "%2 und %1, weight 70.5: 45%");
}

TEST_F(PolicyClass, EveryPrintedPageEndsWithTheTotalsAndTheBreakdown) {
    // 14 lines a page, 7 reserved and 3 for the breakdown: 4 assignments a page.
    const Texts first =
        Lines(PrintStudentReportPage(In(), {.height = 300, .lineHeight = 100, .page = 1}).texts);
    ASSERT_EQ(first.size(), 2u + 4 + 1 + 3);
    EXPECT_EQ(first[5], "900: 0=4: T1 2530=M 3630=20 4730=0% 5830=F");
    EXPECT_EQ((Texts(first.end() - 4, first.end())),
              (Texts{"1000: 2530=26 3630=50 4730=55.5% 5830=F", "1100: 0=By category:",
                     "1200: 0=Homework 2530=8 3630=10 4730=80% 5830=weight 30",
                     "1300: 0=Tests 2530=18 3630=40 4730=45% 5830=weight 70"}));
    const ReportPrintout second =
        PrintStudentReportPage(In(), {.height = 300, .lineHeight = 100, .page = 2});
    EXPECT_EQ(Lines(second.texts).size(), 2u + 1 + 1 + 3);

    // A category name of the longest kind moves the figures right, as a long title does.
    const std::string longName(kMaxCategoryNameLength, 'H');
    doc->m_policy.categories[0].name = longName;
    const DrawList wide =
        PrintStudentReportPage(In(), {.width = 12240, .height = 300, .lineHeight = 100, .page = 1})
            .texts;
    const auto name = std::find_if(wide.begin(), wide.end(),
                                   [&](const DrawText& t) { return t.text == longName; });
    ASSERT_NE(name, wide.end());
    ASSERT_NE(name + 1, wide.end());
    EXPECT_EQ((name + 1)->y, name->y);
    EXPECT_GE((name + 1)->x, name->x + static_cast<int>(longName.size()) * kPrintCellWidth);
    doc->m_policy.categories[0].name = "Homework";

    // Without categories the report is today's: points only (EX as missing, M as 0 of 20),
    // no drops, no breakdown.
    doc->m_policy.categories.clear();
    const ReportScreen plain = LayoutStudentReportScreen(In(), 20);
    EXPECT_EQ(Lines(plain.texts).back(), "140: 230=31 330=60 430=51.6667% 530=F");
    EXPECT_EQ(StudentAssignmentTexts(In(), 1)[4], "F");
}

} // namespace
} // namespace markwise
