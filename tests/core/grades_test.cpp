#include "core/cutoffs.h"
#include "core/markwise_doc.h"
#include "core/number_text.h"
#include "core/summary.h"
#include "support/class_builder.h"

#include <gtest/gtest.h>
#include <tuple>

namespace markwise {
namespace {

using test::AddAssignment;
using test::ClassOf;

TEST(Cutoffs, DefaultsGradeOrderAndLetterBoundaries) {
    const std::array<int, 12> distinct = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    const CGradeCutoffs set = CGradeCutoffs::FromGradeOrder(distinct);
    EXPECT_EQ(set.m_cutoffCMinus, 9);
    EXPECT_EQ(set.InGradeOrder(), distinct);
    EXPECT_EQ(set.Get(12), 0);

    std::string letters;
    for (double percent : {100.0, 99.999, 93.99, 84.0, 60.0, 59.9999})
        (letters += LetterFromPercent(percent, CGradeCutoffs())) += " ";
    EXPECT_EQ(letters, "A+ A A- B D- F ");
    // Cutoffs out of order: the first match in test order wins.
    CGradeCutoffs low;
    low.m_cutoffAPlus = 50;
    EXPECT_EQ(std::string(LetterFromPercent(96, low)), "A+");
    EXPECT_EQ(std::string(LetterFromPercent(49, low)), "F");
}

TEST(Grades, TotalsSkipMissingScoresAndCountExtraCredit) {
    auto doc = ClassOf(4);
    AddAssignment(*doc, 10, {8, -0.0001, 11, MISSING_SCORE}); // a typed -0.0001 is missing
    AddAssignment(*doc, 10, {MISSING_SCORE, 5, -3, MISSING_SCORE});
    AddAssignment(*doc, 5, {5, MISSING_SCORE, MISSING_SCORE, MISSING_SCORE});
    AddAssignment(*doc, 0, {MISSING_SCORE, MISSING_SCORE, 2, 4}); // adds to received only
    EXPECT_EQ(doc->GetTotalReceivedText(0), "13");
    EXPECT_EQ(doc->GetTotalPossible(0), 15);
    EXPECT_EQ(doc->GetPercentText(0), "86.6667%");
    EXPECT_EQ(doc->GetLetterGrade(0, CGradeCutoffs()), "B");
    EXPECT_EQ(doc->GetPercent(1), 50);
    EXPECT_EQ(doc->GetTotalReceived(2), 10);
    EXPECT_EQ(doc->GetClassPossibleText(), "25");
    // Nothing possible counts as full marks.
    EXPECT_EQ(doc->GetPercentText(3), "100%");
    EXPECT_EQ(doc->GetLetterGrade(3, CGradeCutoffs()), "A+");

    // Percent is received / possible * 100, in that order.
    auto other = ClassOf(1);
    AddAssignment(*other, 3, {1});
    EXPECT_EQ(other->GetPercent(0), 1.0 / 3.0 * 100.0);
}

TEST(Grades, ExclusionCountsOnlyLaterAssignments) {
    auto doc = ClassOf(2);
    AddAssignment(*doc, 10, {10, 1});
    AddAssignment(*doc, 20, {10, 2});
    AddAssignment(*doc, 30, {15, MISSING_SCORE});
    AddAssignment(*doc, 40, {MISSING_SCORE, MISSING_SCORE});
    AddAssignment(*doc, 50, {25, 5});
    EXPECT_EQ(doc->GetClassPossible(), 150);
    doc->SetModifiedFlag(false);
    doc->SetFirstIncluded(2);
    EXPECT_EQ(doc->GetClassPossible(), 120);
    EXPECT_EQ(doc->GetTotalReceived(0), 40);
    EXPECT_EQ(doc->GetTotalPossible(0), 80);
    EXPECT_FALSE(doc->IsModified());
    doc->SetFirstIncluded(5); // every scored assignment excluded
    EXPECT_EQ(doc->GetPercentText(0), "100%");
}

// "A+=n ... F=n average high low", counts only where not zero.
std::string Figures(const SummaryFigures& f) {
    std::string text;
    for (int g = 0; g < kGradeCount; ++g)
        if (f.distribution[g] != 0)
            text += std::string(kGradeNames[g]) + "=" + std::to_string(f.distribution[g]) + " ";
    return text + FormatNumber15(f.average) + " " + FormatG(f.high) + " " + FormatG(f.low);
}

TEST(Summaries, DistributionAssignmentAndClassFigures) {
    GradeDistribution dist{};
    for (double p : {100.0, 99.999, 93.99, 60.0, 59.9999})
        CountIntoDistribution(p, CGradeCutoffs(), dist);
    EXPECT_EQ(Figures({dist, 0, 0, 0}), "A+=1 A=1 A-=1 D-=1 F=1 0 0 0");
    // Out of order, a percentage can land in two bins.
    CGradeCutoffs odd;
    odd.m_cutoffA = 50;
    GradeDistribution twice{};
    for (double p : {60.0, 55.0})
        CountIntoDistribution(p, odd, twice);
    EXPECT_EQ(Figures({twice, 0, 0, 0}), "A=2 D-=1 F=1 0 0 0");

    // Missing scores are F and the average divides by the whole class; zero points is 100%.
    const double M = MISSING_SCORE;
    const std::tuple<double, std::vector<double>, const char*> cases[] = {
        {20, {20, 17, 14, M}, "A+=1 B=1 C-=1 F=1 12.75 20 14"},
        {10, {M, M, M}, "F=3 0 0 0"},
        {0, {3, M, 3}, "A+=3 2 3 3"},
        {10, {-2e9, -3e9}, "F=2 -2500000000 -2e+009 -3e+009"},
    };
    for (const auto& [points, scores, expected] : cases) {
        auto doc = ClassOf(static_cast<int>(scores.size()));
        AddAssignment(*doc, points, scores);
        EXPECT_EQ(Figures(AssignmentSummary(*doc, 0, CGradeCutoffs())), expected);
    }
    // Every student removed: the average is 0, not a division by zero.
    auto empty = ClassOf(1);
    AddAssignment(*empty, 10, {5});
    empty->m_studentCount = 0;
    EXPECT_EQ(Figures(AssignmentSummary(*empty, 0, CGradeCutoffs())).substr(0, 2), "0 ");

    auto doc = ClassOf(3);
    AddAssignment(*doc, 10, {10, 9, M});
    AddAssignment(*doc, 10, {10, M, M});
    EXPECT_EQ(Figures(ClassSummary(*doc, CGradeCutoffs())), "A+=2 A-=1 9.66666666666667 20 0");
    doc->SetFirstIncluded(1);
    EXPECT_EQ(Figures(ClassSummary(*doc, CGradeCutoffs())), "A+=3 3.33333333333333 10 0");
    // The high total starts from the first student's, so all-negative totals show theirs.
    auto negative = ClassOf(3);
    AddAssignment(*negative, 10, {-5, -3, -4});
    EXPECT_EQ(Figures(ClassSummary(*negative, CGradeCutoffs())), "F=3 -4 -3 -5");
}

} // namespace
} // namespace markwise
