// The grade sheet's own words come from the caller: every place that writes one takes the
// given word at the English one's place, and without one writes the English.
#include "geometry/histogram_layout.h"
#include "geometry/sheet_layout.h"
#include "geometry/sheet_print_page.h"
#include "geometry/student_report_layout.h"
#include "support/class_builder.h"
#include "support/draw_lines.h"

#include <gtest/gtest.h>

namespace markwise {
namespace {

const CGradeCutoffs kDefaults;
const SheetWords kGerman{"Gesamt", "(zählt nicht)", {}};

// The English layout's lines with each "=Totals" text as the German word.
std::vector<std::string> InGerman(std::vector<std::string> lines) {
    int replaced = 0;
    for (std::string& line : lines)
        if (const std::size_t at = line.find("=Totals"); at != std::string::npos) {
            line.replace(at + 1, 6, "Gesamt");
            ++replaced;
        }
    EXPECT_EQ(replaced, 1);
    return lines;
}

TEST(SheetWords, TotalsAndNotCountedOnScreenOnPaperAndInTheStudentReport) {
    auto doc = test::FilledClass(2, 3);
    doc->m_firstIncluded = 1; // the first assignment does not count
    const SheetView view{0, 676, 16};
    EXPECT_EQ(test::Lines(LayoutSheet(*doc, view, kDefaults, kGerman)),
              InGerman(test::Lines(LayoutSheet(*doc, view, kDefaults))));
    EXPECT_EQ(test::Lines(LayoutSheetBand(*doc, view, kDefaults, 0, 16, kGerman)),
              InGerman(test::Lines(LayoutSheetBand(*doc, view, kDefaults, 0, 16))));
    const PageRequest page{2400, 3150, 226};
    for (const SheetPrintColumns which : {SheetPrintColumns::LastThatFit, SheetPrintColumns::All})
        EXPECT_EQ(test::Lines(
                      LayoutSheetPrintPage(*doc, kDefaults, "P.MKW", page, which, nullptr, kGerman)
                          .texts),
                  InGerman(test::Lines(
                      LayoutSheetPrintPage(*doc, kDefaults, "P.MKW", page, which).texts)));

    const StudentReportInput english{*doc, 0, kDefaults};
    const StudentReportInput german{*doc, 0, kDefaults, EnglishReportTexts(), kGerman};
    std::string grade = StudentAssignmentTexts(english, 0)[4];
    ASSERT_TRUE(grade.ends_with(" (not counted)")) << grade;
    grade.replace(grade.size() - 13, 13, "(zählt nicht)");
    EXPECT_EQ(StudentAssignmentTexts(german, 0)[4], grade);
    // A counted assignment carries no mark in either language.
    EXPECT_EQ(StudentAssignmentTexts(german, 1), StudentAssignmentTexts(english, 1));
}

TEST(SheetWords, HistogramLegendTakesTheGivenWordsWithTheNumber) {
    const HistogramWords french{"1 carré = 0 élève", "1 carré = 1 élève", "1 carré = %1 élèves",
                                "1 carré = 1/%1 d'élève"};
    // Room for bars: barsEnd - 544 pixels; the largest count decides the scale.
    const struct {
        int largest, barsEnd;
        std::string english, translated;
    } cases[] = {
        {0, 844, "1 square = 0 students", "1 carré = 0 élève"},
        {37, 844, "1 square = 1 student", "1 carré = 1 élève"},
        {7, 844, "1 square = 1/5 student", "1 carré = 1/5 d'élève"},
        {100, 844, "1 square = 3 students", "1 carré = 3 élèves"},
        {3, 544, "1 square = 8 students", "1 carré = 8 élèves"}, // no room: a pixel each
    };
    for (const auto& c : cases) {
        HistogramMeasure m;
        m.labelRight = 540;
        m.barsEnd = c.barsEnd;
        const std::array<int, kGradeCount> counts{c.largest};
        const HistogramLayout english = LayoutHistogram(counts, m);
        const HistogramLayout translated = LayoutHistogram(counts, m, french);
        EXPECT_EQ(english.legend, c.english) << c.largest;
        EXPECT_EQ(translated.legend, c.translated) << c.largest;
        EXPECT_EQ(translated.bars, english.bars) << c.largest; // the words change nothing else
    }
}

} // namespace
} // namespace markwise
