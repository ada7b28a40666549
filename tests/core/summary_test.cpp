#include "class_builder.h"
#include "core/markwise_doc.h"
#include "core/number_text.h"
#include "core/summary.h"

#include <gtest/gtest.h>
#include <numeric>

namespace markwise {
namespace {

using test::AddNamed;
using test::AddScored;
using test::NewClass;

enum Bin { APlus, A, AMinus, BPlus, B, BMinus, CPlus, C, CMinus, DPlus, D, DMinus, F };

GradeDistribution Counts(std::initializer_list<std::pair<Bin, int>> bins) {
    GradeDistribution dist{};
    for (auto [bin, count] : bins)
        dist[bin] = count;
    return dist;
}

std::unique_ptr<CMarkwiseDoc> ClassOf(int students) {
    auto doc = NewClass();
    for (int s = 0; s < students; ++s)
        AddNamed(*doc, "S" + std::to_string(s));
    return doc;
}

TEST(Distribution, EachBinIsTestedByItself) {
    const CGradeCutoffs defaults;
    GradeDistribution dist{};
    for (double p : {100.0, 99.999, 94.0, 93.99, 84.0, 60.0, 59.9999, -0.0005})
        CountIntoDistribution(p, defaults, dist);
    EXPECT_EQ(dist, Counts({{APlus, 1}, {A, 2}, {AMinus, 1}, {B, 1}, {DMinus, 1}, {F, 2}}));

    // Out of order, a percentage can land in two bins.
    CGradeCutoffs odd;
    odd.m_cutoffA = 50;
    GradeDistribution twice{};
    CountIntoDistribution(60, odd, twice);
    EXPECT_EQ(twice, Counts({{A, 1}, {DMinus, 1}}));
    GradeDistribution withF{};
    CountIntoDistribution(55, odd, withF);
    EXPECT_EQ(withF, Counts({{A, 1}, {F, 1}}));
}

TEST(AssignmentSummary, ScoresMissingAndAverageOverTheWholeClass) {
    auto doc = ClassOf(4);
    AddScored(*doc, 20, {20, 17, 14, MISSING_SCORE});
    AddScored(*doc, 50, {47, MISSING_SCORE, MISSING_SCORE, -2});
    const CGradeCutoffs c;

    const SummaryFigures first = AssignmentSummary(*doc, 0, c);
    EXPECT_EQ(first.distribution, Counts({{APlus, 1}, {B, 1}, {CMinus, 1}, {F, 1}}));
    EXPECT_EQ(first.average, 12.75);
    EXPECT_EQ(first.high, 20);
    EXPECT_EQ(first.low, 14);

    const SummaryFigures second = AssignmentSummary(*doc, 1, c);
    EXPECT_EQ(second.distribution, Counts({{A, 1}, {F, 3}}));
    EXPECT_EQ(second.average, 45.0 / 4);
    EXPECT_EQ(second.high, 47);
    EXPECT_EQ(second.low, -2);
}

TEST(AssignmentSummary, NoScoresZeroPointsAndNoStudents) {
    const CGradeCutoffs c;
    auto doc = ClassOf(3);
    AddScored(*doc, 10, {MISSING_SCORE, MISSING_SCORE, MISSING_SCORE});
    AddScored(*doc, 0, {3, MISSING_SCORE, 3});
    const SummaryFigures none = AssignmentSummary(*doc, 0, c);
    EXPECT_EQ(none.distribution, Counts({{F, 3}}));
    EXPECT_EQ(none.average, 0);
    EXPECT_EQ(none.high, 0);
    EXPECT_EQ(none.low, 0);

    const SummaryFigures zero = AssignmentSummary(*doc, 1, c);
    EXPECT_EQ(zero.distribution, Counts({{APlus, 3}}));
    EXPECT_EQ(zero.average, 2);
    EXPECT_EQ(zero.high, 3);
    EXPECT_EQ(zero.low, 3);

    // Removing every student leaves an assignment over an empty class: no division by zero.
    auto empty = ClassOf(1);
    AddScored(*empty, 10, {5});
    empty->m_studentCount = 0;
    const SummaryFigures nobody = AssignmentSummary(*empty, 0, c);
    EXPECT_EQ(nobody.average, 0);
    EXPECT_EQ(nobody.distribution, GradeDistribution{});
}

TEST(AssignmentSummary, HighAndLowHoldForScoresOfAnySize) {
    auto doc = ClassOf(2);
    AddScored(*doc, 10, {-2e9, -3e9});
    const SummaryFigures f = AssignmentSummary(*doc, 0, CGradeCutoffs());
    EXPECT_EQ(f.high, -2e9);
    EXPECT_EQ(f.low, -3e9);
}

TEST(ClassSummary, TotalsAndPercentsOfTheCountedAssignments) {
    auto doc = ClassOf(3);
    AddScored(*doc, 10, {10, 9, MISSING_SCORE});
    AddScored(*doc, 10, {10, MISSING_SCORE, MISSING_SCORE});
    const CGradeCutoffs c;

    const SummaryFigures all = ClassSummary(*doc, c);
    EXPECT_EQ(all.distribution, Counts({{APlus, 2}, {AMinus, 1}}));
    EXPECT_EQ(FormatNumber15(all.average), "9.66666666666667");
    EXPECT_EQ(all.high, 20);
    EXPECT_EQ(all.low, 0);

    doc->SetFirstIncluded(1);
    const SummaryFigures later = ClassSummary(*doc, c);
    EXPECT_EQ(later.distribution, Counts({{APlus, 3}}));
    EXPECT_EQ(FormatNumber15(later.average), "3.33333333333333");
    EXPECT_EQ(later.high, 10);
    EXPECT_EQ(later.low, 0);
}

TEST(ClassSummary, HighIsTheTrueHighestEvenWhenAllTotalsAreNegative) {
    auto doc = ClassOf(3);
    AddScored(*doc, 10, {-5, -3, -4});
    const SummaryFigures f = ClassSummary(*doc, CGradeCutoffs());
    EXPECT_EQ(f.high, -3);
    EXPECT_EQ(f.low, -5);
    EXPECT_EQ(f.average, -4);
    EXPECT_EQ(f.distribution, Counts({{F, 3}}));

    auto single = ClassOf(1);
    AddScored(*single, 10, {7});
    const SummaryFigures one = ClassSummary(*single, CGradeCutoffs());
    EXPECT_EQ(one.high, 7);
    EXPECT_EQ(one.low, 7);
    EXPECT_EQ(one.average, 7);
}

TEST(ClassSummary, CountsAddUpToTheClassWithDescendingCutoffs) {
    auto doc = ClassOf(41);
    AddScored(*doc, 40, {});
    for (int s = 0; s < 41; ++s)
        doc->m_assignments[0].m_scores[s] = s;
    const SummaryFigures f = ClassSummary(*doc, CGradeCutoffs());
    EXPECT_EQ(std::accumulate(f.distribution.begin(), f.distribution.end(), 0), 41);
    // Only 40 of 40 reaches A+; below 24 of 40 (60 percent) is F.
    EXPECT_EQ(f.distribution[APlus], 1);
    EXPECT_EQ(f.distribution[F], 24);
}

} // namespace
} // namespace markwise
