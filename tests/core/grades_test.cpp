#include "core/cutoffs.h"
#include "core/markwise_doc.h"
#include "core/summary.h"
#include "support/class_builder.h"

#include <gtest/gtest.h>

namespace markwise {
namespace {

using test::AddAssignment;
using test::ClassOf;

TEST(Cutoffs, DefaultsGradeOrderAndLetterBoundaries) {
    EXPECT_EQ(CGradeCutoffs().InGradeOrder(),
              (std::array<int, 12>{100, 94, 90, 87, 84, 80, 77, 74, 70, 67, 64, 60}));
    const std::array<int, 12> distinct = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    const CGradeCutoffs set = CGradeCutoffs::FromGradeOrder(distinct);
    EXPECT_EQ((std::array<int, 4>{set.m_cutoffAMinus, set.m_cutoffBPlus, set.m_cutoffCMinus,
                                  set.m_cutoffD}),
              (std::array<int, 4>{3, 4, 9, 11}));
    EXPECT_EQ(set.InGradeOrder(), distinct);
    EXPECT_EQ(set.Get(12) + set.Get(-1), 0);

    const CGradeCutoffs c;
    const std::pair<double, const char*> letters[] = {{100, "A+"}, {99.999, "A"}, {93.99, "A-"},
                                                      {84, "B"},   {60, "D-"},    {59.9999, "F"}};
    for (const auto& [percent, letter] : letters)
        EXPECT_EQ(LetterFromPercent(percent, c), letter) << percent;

    // Cutoffs out of order: the first match in test order wins.
    CGradeCutoffs low = c;
    low.m_cutoffAPlus = 50;
    EXPECT_EQ(LetterFromPercent(96, low), "A+");
    EXPECT_EQ(LetterFromPercent(49, low), "F");
}

TEST(Grades, StudentWithoutCountedScoresHasFullPercent) {
    auto doc = ClassOf(1);
    auto expectEmpty = [&](const char* why) {
        SCOPED_TRACE(why);
        EXPECT_EQ(doc->GetTotalReceived(0) + doc->GetTotalPossible(0), 0);
        EXPECT_EQ(doc->GetPercentText(0), "100%");
        EXPECT_EQ(doc->GetLetterGrade(0, CGradeCutoffs()), "A+");
    };
    expectEmpty("no assignments");
    AddAssignment(*doc, 10, {MISSING_SCORE});
    expectEmpty("all missing");
    AddAssignment(*doc, 10, {4});
    doc->m_firstIncluded = 2;
    expectEmpty("the scored one excluded");
}

TEST(Grades, TotalsSkipMissingScoresAndCountExtraCredit) {
    auto doc = ClassOf(3);
    AddAssignment(*doc, 10, {8, -0.0001, 11});
    AddAssignment(*doc, 10, {MISSING_SCORE, 5, -3});
    AddAssignment(*doc, 5, {5, MISSING_SCORE, MISSING_SCORE});
    AddAssignment(*doc, 0, {MISSING_SCORE, MISSING_SCORE, 2}); // adds to received only
    EXPECT_EQ(doc->GetTotalReceivedText(0), "13");
    EXPECT_EQ(doc->GetTotalPossible(0), 15);
    EXPECT_EQ(doc->GetPercentText(0), "86.6667%");
    EXPECT_EQ(doc->GetLetterGrade(0, CGradeCutoffs()), "B");
    // A typed -0.0001 is a missing score.
    EXPECT_EQ(doc->GetTotalPossible(1), 10);
    EXPECT_EQ(doc->GetPercent(1), 50);
    EXPECT_EQ(doc->GetTotalReceived(2), 10);
    EXPECT_EQ(doc->GetPercent(2), 50);
    EXPECT_EQ(doc->GetClassPossibleText(), "25");

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
    EXPECT_EQ(doc->GetTotalReceived(0) + doc->GetTotalPossible(0), 40 + 80);
    EXPECT_EQ(doc->GetTotalReceived(1) + doc->GetTotalPossible(1), 5 + 50);
    EXPECT_FALSE(doc->IsModified());
}

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
    for (double p : {100.0, 99.999, 93.99, 60.0, 59.9999})
        CountIntoDistribution(p, CGradeCutoffs(), dist);
    EXPECT_EQ(dist, Counts({{APlus, 1}, {A, 1}, {AMinus, 1}, {DMinus, 1}, {F, 1}}));

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

TEST(ClassSummary, TotalsOfTheCountedAssignmentsAndTheTrueHigh) {
    auto doc = ClassOf(3);
    AddAssignment(*doc, 10, {10, 9, MISSING_SCORE});
    AddAssignment(*doc, 10, {10, MISSING_SCORE, MISSING_SCORE});
    const SummaryFigures all = ClassSummary(*doc, CGradeCutoffs());
    ExpectFigures(all, Counts({{APlus, 2}, {AMinus, 1}}), 29.0 / 3, 20, 0);
    doc->SetFirstIncluded(1);
    ExpectFigures(ClassSummary(*doc, CGradeCutoffs()), Counts({{APlus, 3}}), 10.0 / 3, 10, 0);

    // The high total starts from the first student's, so all-negative totals show theirs.
    auto negative = ClassOf(3);
    AddAssignment(*negative, 10, {-5, -3, -4});
    ExpectFigures(ClassSummary(*negative, CGradeCutoffs()), Counts({{F, 3}}), -4, -3, -5);
}

} // namespace
} // namespace markwise
