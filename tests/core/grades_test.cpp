#include "core/cutoffs.h"
#include "core/markwise_doc.h"
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
    const std::pair<double, const char*> letters[] = {
        {110, "A+"}, {100, "A+"}, {99.999, "A"},  {94, "A"}, {93.99, "A-"},
        {84, "B"},   {60, "D-"},  {59.9999, "F"}, {-5, "F"},
    };
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
    EXPECT_EQ(doc->GetPointsPossibleText(2), "5");

    // Percent is received / possible * 100, in that order; above 100 and below 0 stand.
    auto other = ClassOf(3);
    AddAssignment(*other, 3, {1, 4, -1});
    EXPECT_EQ(other->GetPercent(0), 1.0 / 3.0 * 100.0);
    EXPECT_EQ(other->GetPercentText(0), "33.3333%");
    EXPECT_EQ(other->GetLetterGrade(1, CGradeCutoffs()), "A+");
    EXPECT_EQ(other->GetLetterGrade(2, CGradeCutoffs()), "F");
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
    EXPECT_EQ(doc->GetTotalReceived(1), 5);
    EXPECT_EQ(doc->GetTotalPossible(1), 50);
    doc->SetFirstIncluded(4);
    EXPECT_EQ(doc->GetClassPossible(), 50);
    EXPECT_FALSE(doc->IsModified());
}

} // namespace
} // namespace markwise
