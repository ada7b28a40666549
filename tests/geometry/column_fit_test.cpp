// The printed column rule: a column starts where it is placed or, where the widest text of
// the column before it would reach it (within half a cell), one cell after that text; the first
// column is cut with an ellipsis to keep rows inside the page; numbers are never cut.
#include "geometry/column_fit.h"
#include "geometry/progress_layout.h"
#include "geometry/roster_layout.h"
#include "geometry/sheet_print_page.h"
#include "geometry/sheet_texts.h"
#include "geometry/student_report_layout.h"
#include "support/class_builder.h"
#include "support/draw_lines.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <utility>

namespace markwise {
namespace {

using test::AddAssignment;
using test::ClassOf;
using Texts = std::vector<std::string>;

// A letter page at 300 dpi: 8 x 10.5 inches printable, 11520 twips across.
const PageRequest kLetter{2400, 3150, 226, 1};
const std::string kEllipsis = "\u2026";

TEST(ColumnFit, CellsAndCuts) {
    struct Case {
        std::string text;
        std::size_t cells;
        std::string cut;
    };
    const Case cases[] = {
        {"Kowalski", 8, "Kowalski"},  // fits exactly
        {"Kowalski", 20, "Kowalski"}, // room to spare
        {"Kowalski 227", 8, "Kowalsk" + kEllipsis},
        {"Lee, Ann", 5, "Lee," + kEllipsis},
        {"Ab  cdef", 4, "Ab" + kEllipsis}, // blanks before the ellipsis go
        {"Kowalski", 1, kEllipsis},
        {"Kowalski", 0, kEllipsis},
        {"", 0, ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CutText(c.text, c.cells), c.cut) << c.text << " in " << c.cells;
        EXPECT_LE(TextCells(CutText(c.text, c.cells)), std::max<std::size_t>(c.cells, 1));
    }
    EXPECT_EQ(TextCells("-28.5714%"), 9u);
    EXPECT_EQ(PrintableTwips(2400), 11520);
}

TEST(ColumnFit, ColumnsMakeRoomAndOnlyTheFirstIsCut) {
    const std::vector<int> placed{0, 2530, 3630, 4730};
    struct Case {
        std::vector<std::string> widest; // one text per column
        int printable;
        std::vector<int> x;
        std::size_t cut;
    };
    const Case cases[] = {
        // 20 cells reach 2400: with one cell after them, 2520 <= 2530, nothing moves.
        {{std::string(20, 'n'), "80%", "B-", ""}, 11520, {0, 2530, 3630, 4730}, kUncut},
        // 21 cells: the next column starts one cell after them, and the rest follow it.
        {{std::string(21, 'n'), "80%", "B-", ""}, 11520, {0, 2640, 3630, 4730}, kUncut},
        {{"x", "-28.5714%", "F", ""}, 11520, {0, 2530, 3730, 4730}, kUncut},
        {{std::string(30, 'n'), "1234567890", "F", "x"}, 11520, {0, 3720, 5040, 5280}, kUncut},
        // Too wide for 5000 twips: the first column keeps as few cells as fit.
        {{std::string(30, 'n'), "1234567890", "F", "x"}, 5000, {0, 3240, 4560, 4800}, 26},
        // Never below four cells: the row then runs past, numbers whole.
        {{std::string(30, 'n'), "1234567890", "F", "x"}, 1000, {0, 2530, 3850, 4730}, 4},
        // No printable width known: no cut.
        {{std::string(30, 'n'), "1", "F", ""}, 0, {0, 3720, 3960, 4730}, kUncut},
    };
    for (const Case& c : cases) {
        ColumnWidths widths(placed.size());
        widths.widenRow(c.widest);
        widths.widen(1, "1   "); // trailing blanks draw nothing and count nothing
        const FittedColumns fitted = FitColumns(placed, widths, c.printable);
        EXPECT_EQ(fitted.x, c.x) << c.widest[0].size() << " cells, " << c.printable;
        EXPECT_EQ(fitted.cutCells, c.cut) << c.widest[0].size() << " cells, " << c.printable;
    }
    // Scores 550 twips apart: "10.5" ends 70 before the next (half a cell and more), which
    // stays; "-10.5" reaches it, which moves one cell past it.
    const std::vector<int> scores{0, 550, 1100};
    for (const auto& [score, x] : {std::pair{"10.5", 550}, std::pair{"-10.5", 720}}) {
        ColumnWidths widths(3);
        widths.widenRow(std::vector<std::string>{score, "1"});
        EXPECT_EQ(FitColumns(scores, widths, 11520).x, (std::vector<int>{0, x, 1100})) << score;
    }
}

// A long name and a negative percent, as a teacher's class has them.
std::unique_ptr<CMarkwiseDoc> CrowdedClass() {
    auto doc = ClassOf(3);
    doc->m_lastName[1] = "Kowalski-Wisniewska";
    doc->m_firstName[1] = "Aaliyah-Marie";
    doc->m_studentId[1] = "S901792345678";
    AddAssignment(*doc, 10, {8, -2, 9}, "Quiz 1");
    AddAssignment(*doc, 4, {4, -2, 3}, "A very long assignment title");
    return doc;
}

// Each text of a line begins at least half a cell after the one before it ends.
void ExpectNoCollisions(DrawList texts) {
    std::sort(texts.begin(), texts.end(), [](const DrawText& a, const DrawText& b) {
        return a.y != b.y ? a.y < b.y : a.x < b.x;
    });
    for (std::size_t i = 1; i < texts.size(); ++i) {
        const DrawText& before = texts[i - 1];
        const DrawText& text = texts[i];
        if (text.y != before.y)
            continue;
        const std::string_view shown =
            std::string_view(before.text).substr(0, before.text.find_last_not_of(' ') + 1);
        EXPECT_GE(text.x, before.x + static_cast<int>(TextCells(shown)) * kPrintCellWidth +
                              kPrintCellWidth / 2)
            << "\"" << before.text << "\" runs into \"" << text.text << "\"";
    }
}

// A number as a German desktop shows it: "-28,5714 %".
std::string GermanNumber(std::string_view text) {
    std::string out(text);
    std::replace(out.begin(), out.end(), '.', ',');
    if (out.size() > 1 && out.back() == '%')
        out.insert(out.size() - 1, " ");
    return out;
}

TEST(ColumnFit, ReportsMakeRoomForLongNamesAndNegativePercents) {
    auto doc = CrowdedClass();
    // Roster: 32 cells of name move the ID; the 13-cell ID moves the grade level.
    const DrawList roster = PrintRosterPage(*doc, "Period3.MKW", kLetter).texts;
    ExpectNoCollisions(roster);
    EXPECT_EQ(test::Lines(roster)[1], "1130: 0=Name 4200=ID 5880=Grade 6600=Book# 7320=Phone#");

    // Student report: -28.5714% moves the grade; a long title moves every figure.
    const CGradeCutoffs cutoffs;
    const StudentReportInput report{*doc, 1, cutoffs};
    const Texts lines = test::Lines(PrintStudentReportPage(report, kLetter).texts);
    EXPECT_EQ(lines[1], "1130: 0=Title 3840=Received 4920=Possible 6000=Percent 7200=Grade");
    EXPECT_EQ(lines[3], "1582: 0=2: A very long assignment title 3840=-2 4920=4 6000=-50% "
                        "7200=F");
    EXPECT_EQ(lines[4], "1808: 3840=-4 4920=14 6000=-28.5714% 7200=F");
    ExpectNoCollisions(PrintStudentReportPage(report, kLetter).texts);

    // Progress list: the long name moves the percent.
    auto state = std::make_unique<ProgressReportState>();
    state->m_foundCount = 3;
    state->m_foundStudents = {0, 1, 2};
    const std::string title = "Period3.MKW";
    const ProgressReportInput progress{*doc, *state, cutoffs, title};
    const DrawList list = PrintProgressPage(progress, kLetter).texts;
    ExpectNoCollisions(list);
    EXPECT_EQ(test::Lines(list)[3], "1582: 0=Kowalski-Wisniewska, Aaliyah-Marie 4200=-28.5714% "
                                    "5400=F 6120=");

    // The desktop's longer number form ("-28,5714 %") gets its room before the grade.
    ReportTexts german;
    german.shownNumber = GermanNumber;
    const StudentReportInput shown{*doc, 1, cutoffs, german};
    const DrawList shownReport = PrintStudentReportPage(shown, kLetter).texts;
    ExpectNoCollisions(shownReport);
    EXPECT_EQ(test::Lines(shownReport)[4], "1808: 3840=-4 4920=14 6000=-28,5714 % 7320=F");
    const ProgressReportInput shownProgress{*doc, *state, cutoffs, title, german};
    ExpectNoCollisions(PrintProgressPage(shownProgress, kLetter).texts);
    EXPECT_NE(test::Lines(PrintProgressPage(shownProgress, kLetter).texts)[3].find("=-28,5714 % "),
              std::string::npos);
    // The cut-off over them in the same form.
    state->m_cutoffPercent = 87.5;
    for (const auto& [input, ending] :
         {std::pair{progress, "= 87.5%"}, {shownProgress, "= 87,5 %"}}) {
        const std::string heading = ProgressHeading(input);
        EXPECT_EQ(heading.substr(heading.find("= ")), ending);
    }

    // On a page too narrow for the name the name is cut, never a number.
    const PageRequest narrow{1000, 3150, 226, 1}; // 4800 twips
    const Texts cut = test::Lines(PrintRosterPage(*doc, "Period3.MKW", narrow).texts);
    EXPECT_NE(cut[3].find(kEllipsis), std::string::npos) << cut[3];
    EXPECT_NE(cut[3].find("=S901792345678 "), std::string::npos) << cut[3];

    // The usual class is printed exactly as placed.
    auto usual = ClassOf(2);
    EXPECT_EQ(test::Lines(PrintRosterPage(*usual, "P.MKW", kLetter).texts)[2],
              "1356: 0=Last0, First0 2530=ID0 3850=G0 4620=B0 5500=555-0");
}

TEST(ColumnFit, GradeSheetMakesRoomAndMarksNothingThatFits) {
    auto doc = CrowdedClass();
    const CGradeCutoffs cutoffs;
    const SheetPrintPage page = LayoutSheetPrintPage(*doc, cutoffs, "P.MKW", kLetter);
    ExpectNoCollisions(page.texts);
    const Texts lines = test::Lines(page.texts);
    // 32 cells of name: the scores start at 3960; the totals keep one cell after the
    // widest received text, and -28.5714% moves the letter.
    EXPECT_EQ(lines[1], "1130: 4200=1:  4560=2:  4920=Totals");
    EXPECT_EQ(lines[3], "1582: 0=Kowalski-Wisniewska, Aaliyah-Marie 4200=-2 4560=-2 4920=-4 "
                        "5280=-28.5714% 6480=F");
    // The desktop's longer percent form is printed, and moves the letter one cell on.
    SheetWords germanWords;
    germanWords.shownNumber = GermanNumber;
    EXPECT_EQ(test::Lines(LayoutSheetPrintPage(*doc, cutoffs, "P.MKW", kLetter,
                                               SheetPrintColumns::LastThatFit, nullptr, germanWords)
                              .texts)[3],
              "1582: 0=Kowalski-Wisniewska, Aaliyah-Marie 4200=-2 4560=-2 4920=-4 "
              "5280=-28,5714 % 6600=F");
    // A job's pages share one placement per strip, worked out once: the same pages.
    SheetColumnsCache cache;
    for (int pass = 0; pass < 2; ++pass) {
        EXPECT_EQ(LayoutSheetPrintPage(*doc, cutoffs, "P.MKW", kLetter,
                                       SheetPrintColumns::LastThatFit, &cache)
                      .texts,
                  page.texts);
        EXPECT_EQ(cache.strips.size(), 1u);
    }
}

TEST(SheetTexts, NotAScoreNamesTheCellAndFindMatchesNamesAndIds) {
    auto doc = ClassOf(3);
    doc->m_lastName[1] = "Lee";
    doc->m_firstName[1] = "Ann";
    AddAssignment(*doc, 10, {}, "Quiz 3");
    AddAssignment(*doc, 10, {});
    doc->m_assignments[1].m_title.clear();
    EXPECT_EQ(NotAScoreMessage(*doc, 0, 1, "abc"), "Quiz 3, Lee, Ann: \"abc\" is not a score.");
    EXPECT_EQ(NotAScoreMessage(*doc, 1, 0, "x"), "2, Last0, First0: \"x\" is not a score.");
    doc->m_showNames = 0;
    EXPECT_EQ(NotAScoreMessage(*doc, 0, 1, "abc"), "Quiz 3, ID1: \"abc\" is not a score.");

    struct Case {
        std::string text;
        int from;
        int found;
    };
    const Case cases[] = {
        {"lee", 0, 1},  {"LEE, a", 0, 1}, {"id2", 0, 2},     {"last", 0, 0}, {"last", 1, 2},
        {"last", 3, 0}, {"First0", 1, 0}, {"nobody", 0, -1}, {"", 0, -1},    {"ann", -5, 1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FindStudent(*doc, c.text, c.from), c.found) << c.text << " from " << c.from;
    EXPECT_EQ(FindStudent(*ClassOf(0), "a", 0), -1);
}

TEST(StudentReportMarks, AnAssignmentThatDoesNotCountSaysSo) {
    auto doc = ClassOf(1);
    AddAssignment(*doc, 10, {8}, "Quiz");
    AddAssignment(*doc, 5, {5}, "Test");
    doc->m_firstIncluded = 1;
    const CGradeCutoffs cutoffs;
    const StudentReportInput in{*doc, 0, cutoffs};
    EXPECT_EQ(StudentAssignmentTexts(in, 0),
              (Texts{"1: Quiz", "8", "10", "80%", "B- (not counted)"}));
    EXPECT_EQ(StudentAssignmentTexts(in, 1), (Texts{"2: Test", "5", "5", "100%", "A+"}));
    EXPECT_EQ(StudentTotalsTexts(in), (Texts{"5", "5", "100%", "A+"}));
    const Texts page = test::Lines(PrintStudentReportPage(in, kLetter).texts);
    EXPECT_EQ(page[2], "1356: 0=1: Quiz 2530=8 3630=10 4730=80% 5830=B- (not counted)");
}

} // namespace
} // namespace markwise
