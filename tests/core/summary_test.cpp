#include "core/markwise_doc.h"
#include "core/number_text.h"
#include "core/summary.h"
#include "support/class_builder.h"

#include <gtest/gtest.h>
#include <numeric>

namespace markwise {
namespace {

using test::AddAssignment;
using test::ClassOf;

enum Bin { APlus, A, AMinus, BPlus, B, BMinus, CPlus, C, CMinus, DPlus, D, DMinus, F };

GradeDistribution Counts(std::initializer_list<std::pair<Bin, int>> bins) {
    GradeDistribution dist{};
    for (auto [bin, count] : bins)
        dist[bin] = count;
    return dist;
}

void ExpectFigures(const SummaryFigures& f, const GradeDistribution& dist, double average,
                   double high, double low) {
    EXPECT_EQ(f.distribution, dist);
    EXPECT_EQ(f.average, average);
    EXPECT_EQ(f.high, high);
    EXPECT_EQ(f.low, low);
}

TEST(Distribution, EachBinIsTestedByItself) {
    GradeDistribution dist{};
    for (double p : {100.0, 99.999, 94.0, 93.99, 84.0, 60.0, 59.9999, -0.0005})
        CountIntoDistribution(p, CGradeCutoffs(), dist);
    EXPECT_EQ(dist, Counts({{APlus, 1}, {A, 2}, {AMinus, 1}, {B, 1}, {DMinus, 1}, {F, 2}}));

    // Out of order, a percentage can land in two bins.
    CGradeCutoffs odd;
    odd.m_cutoffA = 50;
    GradeDistribution twice{};
    CountIntoDistribution(60, odd, twice);
    CountIntoDistribution(55, odd, twice);
    EXPECT_EQ(twice, Counts({{A, 2}, {DMinus, 1}, {F, 1}}));
}

TEST(AssignmentSummary, MissingScoresAreFAndTheAverageDividesByTheWholeClass) {
    struct Case {
        double points;
        std::vector<double> scores;
        GradeDistribution dist;
        double average, high, low;
    };
    const double M = MISSING_SCORE;
    const Case cases[] = {
        {20, {20, 17, 14, M}, Counts({{APlus, 1}, {B, 1}, {CMinus, 1}, {F, 1}}), 12.75, 20, 14},
        {50, {47, M, M, -2}, Counts({{A, 1}, {F, 3}}), 45.0 / 4, 47, -2},
        {10, {M, M, M}, Counts({{F, 3}}), 0, 0, 0},
        {0, {3, M, 3}, Counts({{APlus, 3}}), 2, 3, 3}, // zero points: every score is 100%
        {10, {-2e9, -3e9}, Counts({{F, 2}}), -2.5e9, -2e9, -3e9},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.scores[0]);
        auto doc = ClassOf(static_cast<int>(c.scores.size()));
        AddAssignment(*doc, c.points, c.scores);
        ExpectFigures(AssignmentSummary(*doc, 0, CGradeCutoffs()), c.dist, c.average, c.high,
                      c.low);
    }
    // Every student removed: no division by zero.
    auto empty = ClassOf(1);
    AddAssignment(*empty, 10, {5});
    empty->m_studentCount = 0;
    const SummaryFigures nobody = AssignmentSummary(*empty, 0, CGradeCutoffs());
    EXPECT_EQ(nobody.average, 0);
    EXPECT_EQ(nobody.distribution, GradeDistribution{});
}

TEST(ClassSummary, TotalsAndPercentsOfTheCountedAssignments) {
    auto doc = ClassOf(3);
    AddAssignment(*doc, 10, {10, 9, MISSING_SCORE});
    AddAssignment(*doc, 10, {10, MISSING_SCORE, MISSING_SCORE});
    const SummaryFigures all = ClassSummary(*doc, CGradeCutoffs());
    EXPECT_EQ(all.distribution, Counts({{APlus, 2}, {AMinus, 1}}));
    EXPECT_EQ(FormatNumber15(all.average), "9.66666666666667");
    EXPECT_EQ(all.high, 20);
    EXPECT_EQ(all.low, 0);

    doc->SetFirstIncluded(1);
    const SummaryFigures later = ClassSummary(*doc, CGradeCutoffs());
    EXPECT_EQ(later.distribution, Counts({{APlus, 3}}));
    EXPECT_EQ(FormatNumber15(later.average), "3.33333333333333");
    EXPECT_EQ(later.high, 10);
}

TEST(ClassSummary, HighIsTheTrueHighestEvenWhenAllTotalsAreNegative) {
    auto doc = ClassOf(3);
    AddAssignment(*doc, 10, {-5, -3, -4});
    ExpectFigures(ClassSummary(*doc, CGradeCutoffs()), Counts({{F, 3}}), -4, -3, -5);
    auto single = ClassOf(1);
    AddAssignment(*single, 10, {7});
    ExpectFigures(ClassSummary(*single, CGradeCutoffs()), Counts({{CMinus, 1}}), 7, 7, 7);
}

TEST(ClassSummary, CountsAddUpToTheClassWithDescendingCutoffs) {
    auto doc = ClassOf(41);
    std::vector<double> scores(41);
    std::iota(scores.begin(), scores.end(), 0);
    AddAssignment(*doc, 40, scores);
    const SummaryFigures f = ClassSummary(*doc, CGradeCutoffs());
    EXPECT_EQ(std::accumulate(f.distribution.begin(), f.distribution.end(), 0), 41);
    // Only 40 of 40 reaches A+; below 24 of 40 (60 percent) is F.
    EXPECT_EQ(f.distribution[APlus], 1);
    EXPECT_EQ(f.distribution[F], 24);
}

} // namespace
} // namespace markwise
