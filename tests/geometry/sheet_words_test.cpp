// The grade sheet's own words come from the caller: every place that writes one takes the
// given word, and without one writes the English.
#include "geometry/histogram_layout.h"
#include "geometry/sheet_layout.h"
#include "geometry/sheet_print_page.h"
#include "geometry/student_report_layout.h"
#include "support/class_builder.h"

#include <algorithm>
#include <array>
#include <gtest/gtest.h>

namespace markwise {
namespace {

using test::FilledClass;

const CGradeCutoffs kDefaults;

// The texts of a list drawn at row y 0 (the sheet's heading row), in order.
std::vector<std::string> TextsAt(const DrawList& list, int y) {
    std::vector<std::string> found;
    for (const DrawText& text : list)
        if (text.y == y)
            found.push_back(text.text);
    return found;
}

bool Holds(const DrawList& list, const std::string& text) {
    return std::any_of(list.begin(), list.end(), [&](const DrawText& t) { return t.text == text; });
}

TEST(SheetWords, TotalsHeadingAndNotCountedOnScreenPaperAndReport) {
    const SheetWords german{"Gesamt", "(zählt nicht)"};
    auto doc = FilledClass(2, 3);
    doc->m_firstIncluded = 1; // the first assignment does not count
    const SheetView view{0, 676, 16};

    // Screen: the heading row ends with the totals word, in place of the English one.
    const std::vector<std::string> english = TextsAt(LayoutSheet(*doc, view, kDefaults), 0);
    const std::vector<std::string> translated =
        TextsAt(LayoutSheet(*doc, view, kDefaults, german), 0);
    ASSERT_FALSE(english.empty());
    EXPECT_EQ(english.back(), "Totals");
    EXPECT_EQ(translated.back(), "Gesamt");
    EXPECT_EQ(std::vector(english.begin(), english.end() - 1),
              std::vector(translated.begin(), translated.end() - 1));
    // A band of the heading row, as the screen paints it, takes it too.
    EXPECT_TRUE(Holds(LayoutSheetBand(*doc, view, kDefaults, 0, 16, german), "Gesamt"));
    EXPECT_FALSE(Holds(LayoutSheetBand(*doc, view, kDefaults, 0, 16, german), "Totals"));

    // Paper: the one totals heading of the page, at the same place as the English.
    const PageRequest page{2400, 3150, 226};
    for (const SheetPrintColumns which : {SheetPrintColumns::LastThatFit, SheetPrintColumns::All}) {
        const DrawList englishPage =
            LayoutSheetPrintPage(*doc, kDefaults, "P.MKW", page, which).texts;
        DrawList germanPage =
            LayoutSheetPrintPage(*doc, kDefaults, "P.MKW", page, which, nullptr, german).texts;
        ASSERT_EQ(englishPage.size(), germanPage.size());
        int replaced = 0;
        for (std::size_t i = 0; i < englishPage.size(); ++i) {
            if (englishPage[i].text == "Totals") {
                EXPECT_EQ(germanPage[i].text, "Gesamt");
                EXPECT_EQ(germanPage[i].x, englishPage[i].x);
                ++replaced;
            } else {
                EXPECT_EQ(germanPage[i].text, englishPage[i].text);
            }
        }
        EXPECT_EQ(replaced, 1);
    }

    // The student report: the uncounted assignment's grade says so in the given words.
    const StudentReportInput englishReport{*doc, 0, kDefaults};
    const StudentReportInput germanReport{*doc, 0, kDefaults, EnglishReportTexts(), german};
    const std::string grade = StudentAssignmentTexts(englishReport, 0)[4];
    ASSERT_GT(grade.size(), std::string(" (not counted)").size());
    EXPECT_EQ(grade.substr(grade.size() - 14), " (not counted)");
    EXPECT_EQ(StudentAssignmentTexts(germanReport, 0)[4],
              grade.substr(0, grade.size() - 14) + " (zählt nicht)");
    // A counted assignment carries no mark in either language.
    EXPECT_EQ(StudentAssignmentTexts(germanReport, 1), StudentAssignmentTexts(englishReport, 1));
}

TEST(SheetWords, HistogramLegendInEveryCaseTakesTheGivenWordsAndNumber) {
    const HistogramWords french{"1 carré = 0 élève", "1 carré = 1 élève", "1 carré = %1 élèves",
                                "1 carré = 1/%1 d'élève"};
    struct Case {
        std::array<int, kGradeCount> counts;
        int barsEnd;
        std::string english;
        std::string translated;
    };
    // Room for bars: barsEnd - labelRight - 4 = barsEnd - 544 pixels.
    const Case cases[] = {
        {{}, 844, "1 square = 0 students", "1 carré = 0 élève"},
        {{37}, 844, "1 square = 1 student", "1 carré = 1 élève"},
        {{7}, 844, "1 square = 1/5 student", "1 carré = 1/5 d'élève"},
        {{100}, 844, "1 square = 3 students", "1 carré = 3 élèves"},
        {{3}, 544, "1 square = 8 students", "1 carré = 8 élèves"}, // no room: a pixel each
    };
    for (const Case& c : cases) {
        HistogramMeasure m;
        m.originX = 500;
        m.labelRight = 540;
        m.barsEnd = c.barsEnd;
        const HistogramLayout english = LayoutHistogram(c.counts, m);
        const HistogramLayout translated = LayoutHistogram(c.counts, m, french);
        EXPECT_EQ(english.legend, c.english) << c.counts[0];
        EXPECT_EQ(translated.legend, c.translated) << c.counts[0];
        // The words change nothing else.
        EXPECT_EQ(translated.bars, english.bars) << c.counts[0];
        EXPECT_EQ(translated.counts, english.counts) << c.counts[0];
    }
}

} // namespace
} // namespace markwise
