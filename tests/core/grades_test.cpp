#include "class_builder.h"
#include "core/cutoffs.h"
#include "core/markwise_doc.h"

#include <gtest/gtest.h>

namespace markwise {
namespace {

using test::AddNamed;
using test::AddScored;
using test::NewClass;

TEST(Cutoffs, DefaultsAndGradeOrderMapping) {
    const CGradeCutoffs defaults;
    const std::array<int, 12> expected = {100, 94, 90, 87, 84, 80, 77, 74, 70, 67, 64, 60};
    EXPECT_EQ(defaults.InGradeOrder(), expected);

    const std::array<int, 12> distinct = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    const CGradeCutoffs set = CGradeCutoffs::FromGradeOrder(distinct);
    EXPECT_EQ(set.m_cutoffAPlus, 1);
    EXPECT_EQ(set.m_cutoffAMinus, 3);
    EXPECT_EQ(set.m_cutoffBPlus, 4);
    EXPECT_EQ(set.m_cutoffCMinus, 9);
    EXPECT_EQ(set.m_cutoffD, 11);
    EXPECT_EQ(set.m_cutoffDMinus, 12);
    EXPECT_EQ(set.InGradeOrder(), distinct);
    EXPECT_EQ(set.Get(12), 0);
    EXPECT_EQ(set.Get(-1), 0);
}

TEST(Cutoffs, LetterFromPercentBoundaries) {
    const CGradeCutoffs c;
    EXPECT_EQ(LetterFromPercent(100, c), "A+");
    EXPECT_EQ(LetterFromPercent(110, c), "A+");
    EXPECT_EQ(LetterFromPercent(99.999, c), "A");
    EXPECT_EQ(LetterFromPercent(94, c), "A");
    EXPECT_EQ(LetterFromPercent(93.99, c), "A-");
    EXPECT_EQ(LetterFromPercent(84, c), "B");
    EXPECT_EQ(LetterFromPercent(60, c), "D-");
    EXPECT_EQ(LetterFromPercent(59.9999, c), "F");
    EXPECT_EQ(LetterFromPercent(-5, c), "F");

    // Cutoffs out of order: the first match in test order wins.
    CGradeCutoffs low = c;
    low.m_cutoffAPlus = 50;
    EXPECT_EQ(LetterFromPercent(96, low), "A+");
    EXPECT_EQ(LetterFromPercent(49, low), "F");
}

TEST(Grades, StudentWithoutCountedScoresHasFullPercent) {
    auto doc = NewClass();
    AddNamed(*doc, "A");
    const CGradeCutoffs c;
    auto expectEmpty = [&] {
        EXPECT_EQ(doc->GetTotalReceived(0), 0);
        EXPECT_EQ(doc->GetTotalPossible(0), 0);
        EXPECT_EQ(doc->GetPercent(0), 100);
        EXPECT_EQ(doc->GetPercentText(0), "100%");
        EXPECT_EQ(doc->GetLetterGrade(0, c), "A+");
    };
    expectEmpty(); // no assignments
    AddScored(*doc, 10, {MISSING_SCORE});
    expectEmpty(); // all missing
    AddScored(*doc, 10, {4});
    doc->m_firstIncluded = 2;
    expectEmpty(); // the scored one excluded
}

TEST(Grades, TotalsSkipMissingScores) {
    auto doc = NewClass();
    AddNamed(*doc, "A");
    AddNamed(*doc, "B");
    AddScored(*doc, 10, {8, -0.0001});
    AddScored(*doc, 10, {MISSING_SCORE, 5});
    AddScored(*doc, 5, {5, MISSING_SCORE});
    EXPECT_EQ(doc->GetTotalReceived(0), 13);
    EXPECT_EQ(doc->GetTotalPossible(0), 15);
    EXPECT_EQ(doc->GetPercentText(0), "86.6667%");
    EXPECT_EQ(doc->GetTotalReceivedText(0), "13");
    EXPECT_EQ(doc->GetLetterGrade(0, CGradeCutoffs()), "B");
    // A typed -0.0001 is a missing score.
    EXPECT_EQ(doc->GetTotalPossible(1), 10);
    EXPECT_EQ(doc->GetPercent(1), 50);
    EXPECT_EQ(doc->GetClassPossible(), 25);
    EXPECT_EQ(doc->GetClassPossibleText(), "25");
    EXPECT_EQ(doc->GetPointsPossibleText(2), "5");
}

TEST(Grades, ExtraCreditNegativeAndZeroPointAssignments) {
    auto doc = NewClass();
    AddNamed(*doc, "A");
    AddNamed(*doc, "B");
    AddScored(*doc, 10, {11, -3});
    AddScored(*doc, 0, {2, MISSING_SCORE});
    const CGradeCutoffs c;
    // The zero-point assignment adds to received only.
    EXPECT_EQ(doc->GetTotalReceived(0), 13);
    EXPECT_EQ(doc->GetTotalPossible(0), 10);
    EXPECT_EQ(doc->GetPercent(0), 130);
    EXPECT_EQ(doc->GetLetterGrade(0, c), "A+");
    EXPECT_EQ(doc->GetPercent(1), -30);
    EXPECT_EQ(doc->GetLetterGrade(1, c), "F");
    // Percent is received / possible * 100, in that order.
    auto third = NewClass();
    AddNamed(*third, "C");
    AddScored(*third, 3, {1});
    EXPECT_EQ(third->GetPercent(0), 1.0 / 3.0 * 100.0);
    EXPECT_EQ(third->GetPercentText(0), "33.3333%");
}

TEST(Grades, ExclusionCountsOnlyLaterAssignments) {
    auto doc = NewClass();
    AddNamed(*doc, "A");
    AddNamed(*doc, "B");
    AddScored(*doc, 10, {10, 1});
    AddScored(*doc, 20, {10, 2});
    AddScored(*doc, 30, {15, MISSING_SCORE});
    AddScored(*doc, 40, {MISSING_SCORE, MISSING_SCORE});
    AddScored(*doc, 50, {25, 5});
    EXPECT_EQ(doc->GetClassPossible(), 150);
    doc->SetModifiedFlag(false);
    doc->SetFirstIncluded(2);
    EXPECT_EQ(doc->GetClassPossible(), 120);
    EXPECT_EQ(doc->GetTotalReceived(0), 40);
    EXPECT_EQ(doc->GetTotalPossible(0), 80);
    EXPECT_EQ(doc->GetPercent(0), 50);
    EXPECT_EQ(doc->GetTotalReceived(1), 5);
    EXPECT_EQ(doc->GetTotalPossible(1), 50);
    doc->SetFirstIncluded(4);
    EXPECT_EQ(doc->GetClassPossible(), 50);
    EXPECT_FALSE(doc->IsModified());
}

} // namespace
} // namespace markwise
