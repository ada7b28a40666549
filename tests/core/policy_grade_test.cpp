#include "core/number_text.h"
#include "core/policy_grade.h"
#include "core/summary.h"
#include "support/class_builder.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <gtest/gtest.h>
#include <random>

namespace markwise {
namespace {

using test::AddAssignment;
using test::ClassOf;
constexpr double N = MISSING_SCORE;

// Quizzes (weight 40, drop 1): Q1 10, Q2 10, Q3 20, Bonus 0 points; Tests (60): T1, T2 50.
std::unique_ptr<CMarkwiseDoc> QuizzesAndTests() {
    auto doc = ClassOf(5);
    AddAssignment(*doc, 10, {5, N, N, N, 10});
    AddAssignment(*doc, 10, {5, N, N, N, 2});
    AddAssignment(*doc, 20, {10, N, N, N, 4});
    AddAssignment(*doc, 0, {2, N, N, N, N});
    AddAssignment(*doc, 50, {40, 50, 25, N, N});
    AddAssignment(*doc, 50, {45, N, 25, N, N});
    doc->m_policy.categories = {{"Quizzes", 40, 1}, {"Tests", 60, 0}};
    for (int a = 4; a < 6; ++a)
        doc->m_assignments[a].m_category = 1;
    // Student 1: Q1 excused, Q2 missing work, T2 excused; student 3: everything excused.
    doc->StoreMarkedScore(0, 1, 0, ScoreMark::Excused);
    doc->StoreMarkedScore(1, 1, 7, ScoreMark::MissingWork);
    doc->StoreMarkedScore(5, 1, 0, ScoreMark::Excused);
    for (int a = 0; a < 6; ++a)
        doc->StoreMarkedScore(a, 3, 0, ScoreMark::Excused);
    return doc;
}

TEST(PolicyGrade, WorkedExamples) {
    auto doc = QuizzesAndTests();
    // Student 0: Q1, Q2 and Q3 all at one half; the tie drops the earliest, Q1. The bonus
    // is never dropped: Quizzes keep 17 of 30, Tests 85 of 100.
    StudentGrade g = GradeStudent(*doc, 0);
    ASSERT_EQ(g.categories.size(), 2u);
    EXPECT_EQ(g.categories[0].dropped, std::vector<int>{0});
    EXPECT_EQ(g.categories[0].received, 17);
    EXPECT_EQ(g.categories[0].possible, 30);
    EXPECT_EQ(g.categories[1].percent, 85.0 / 100.0 * 100.0);
    EXPECT_EQ(g.percent, (40 * (17.0 / 30.0 * 100.0) + 60 * (85.0 / 100.0 * 100.0)) / 100);
    EXPECT_EQ(doc->GetTotalReceived(0), 102);
    EXPECT_EQ(doc->GetTotalPossible(0), 130);
    EXPECT_EQ(doc->GetPercentText(0), "73.6667%");
    // Student 1: the missing work is the one kept quiz, 0 of 10, so nothing is dropped.
    g = GradeStudent(*doc, 1);
    EXPECT_TRUE(g.categories[0].dropped.empty());
    EXPECT_EQ(g.categories[0].percent, 0);
    EXPECT_EQ(g.percent, 60);
    EXPECT_EQ(g.possible, 60);
    // Student 2: no quiz at all, so Tests alone make the percent.
    g = GradeStudent(*doc, 2);
    EXPECT_FALSE(g.categories[0].counted);
    EXPECT_EQ(g.percent, 50);
    // Student 3: everything excused counts as nothing possible.
    g = GradeStudent(*doc, 3);
    EXPECT_FALSE(g.categories[0].counted || g.categories[1].counted);
    EXPECT_EQ(g.percent, 100);
    EXPECT_EQ(doc->GetLetterGrade(3, CGradeCutoffs()), "A+");
    // Student 4: Q2 (0.2) and Q3 (0.2) tie below Q1; Q2 is dropped; no tests: 14 of 30.
    g = GradeStudent(*doc, 4);
    EXPECT_EQ(g.categories[0].dropped, std::vector<int>{1});
    EXPECT_EQ(g.percent, 14.0 / 30.0 * 100.0);

    // Drops never take the last score with points: a drop of 5 over Q1 and the bonus.
    doc->m_policy.categories[0].dropLowest = 5;
    g = GradeStudent(*doc, 0);
    EXPECT_EQ(g.categories[0].dropped, (std::vector<int>{0, 1}));
    EXPECT_EQ(g.categories[0].received, 12);
    EXPECT_EQ(g.categories[0].possible, 20);

    // Exclusion first: Q1 does not count, so of Q2 and Q3 (tied) Q2 is dropped.
    doc->m_policy.categories[0].dropLowest = 1;
    doc->SetFirstIncluded(1);
    g = GradeStudent(*doc, 0);
    EXPECT_EQ(g.categories[0].dropped, std::vector<int>{1});
    EXPECT_EQ(g.categories[0].percent, 12.0 / 20.0 * 100.0);

    // Weights summing to 0: 100, whatever was received; totals still the kept points.
    doc->SetFirstIncluded(0);
    doc->m_policy.categories[0].weight = 0;
    doc->m_policy.categories[1].weight = 0;
    g = GradeStudent(*doc, 0);
    EXPECT_EQ(g.percent, 100);
    EXPECT_EQ(g.received, 102);
    // One weight 0 beside another: the weighted one alone.
    doc->m_policy.categories[1].weight = 5;
    EXPECT_EQ(doc->GetPercent(0), 85.0 / 100.0 * 100.0);

    // Sorts, summaries and the whole-class pass agree with the query.
    const std::vector<double> percents = ClassPercents(*doc);
    for (int s = 0; s < doc->StudentsInUse(); ++s)
        EXPECT_EQ(percents[s], doc->GetPercent(s));
    const SummaryFigures figures = ClassSummary(*doc, CGradeCutoffs());
    EXPECT_EQ(figures.distribution[0], 3); // students 1, 3 and 4 at 100
}

TEST(PolicyGrade, OneFullWeightCategoryIsTodaysPercentForRandomClasses) {
    std::mt19937 rng(7021);
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    for (int round = 0; round < 40; ++round) {
        SCOPED_TRACE(round);
        const int n = pick(1, 30);
        auto doc = ClassOf(n);
        for (int a = pick(0, 25); a > 0; --a) {
            std::vector<double> scores;
            for (int s = 0; s < n; ++s)
                scores.push_back(pick(0, 5) == 0 ? N : pick(-20, 400) / 7.0);
            AddAssignment(*doc, pick(0, 5) == 0 ? 0 : pick(1, 300) / 3.0, scores);
        }
        doc->SetFirstIncluded(pick(0, 3));
        std::vector<double> today;
        std::vector<double> received;
        for (int s = 0; s < n; ++s) {
            today.push_back(doc->GetPercent(s));
            received.push_back(doc->GetTotalReceived(s));
        }
        doc->m_policy.categories = {{"All", 100, 0}};
        const std::vector<StudentGrade> grades = ClassGrades(*doc);
        for (int s = 0; s < n; ++s) {
            ASSERT_EQ(grades[s].percent, today[s]);
            ASSERT_EQ(doc->GetPercent(s), today[s]);
            // A category with nothing possible is left out, extra credit and all.
            if (doc->GetTotalPossible(s) != 0) {
                ASSERT_EQ(doc->GetTotalReceived(s), received[s]);
            }
        }
        // Several categories with drops: the class pass and the one-student query agree.
        doc->m_policy.categories = {{"A", 3, 2}, {"B", 0, 1}, {"C", 1.5, 0}};
        for (int a = 0; a < doc->AssignmentsInUse(); ++a)
            doc->m_assignments[a].m_category = pick(0, 2);
        const std::vector<StudentGrade> several = ClassGrades(*doc);
        for (int s = 0; s < n; ++s) {
            const StudentGrade one = GradeStudent(*doc, s);
            ASSERT_EQ(several[s].percent, one.percent);
            ASSERT_EQ(several[s].received, one.received);
            ASSERT_EQ(several[s].possible, one.possible);
        }
    }
}

// The rules written out plainly, one student and one category at a time, for the class pass
// and the one-student query to be held against.
struct PlainCategory {
    double received = 0.0;
    double possible = 0.0;
    double percent = 100.0;
    bool counted = false;
    std::vector<int> dropped;
};

PlainCategory PlainCategoryGrade(const CMarkwiseDoc& doc, int s, int c) {
    const int categories = static_cast<int>(doc.m_policy.categories.size());
    std::vector<int> entered;
    for (int a = std::max(doc.m_firstIncluded, 0); a < doc.m_assignmentCount; ++a) {
        const int of = doc.m_assignments[a].m_category;
        if ((of >= 0 && of < categories ? of : 0) == c &&
            doc.m_assignments[a].m_scores[s] != MISSING_SCORE)
            entered.push_back(a);
    }
    std::vector<int> droppable;
    for (int a : entered)
        if (doc.m_assignments[a].m_pointsPossible != 0.0)
            droppable.push_back(a);
    auto fraction = [&](int a) {
        return doc.m_assignments[a].m_scores[s] / doc.m_assignments[a].m_pointsPossible;
    };
    std::stable_sort(droppable.begin(), droppable.end(),
                     [&](int x, int y) { return fraction(x) < fraction(y); });
    const int drop = std::max(doc.m_policy.categories[c].dropLowest, 0);
    PlainCategory result;
    if (!droppable.empty())
        result.dropped.assign(droppable.begin(),
                              droppable.begin() +
                                  std::min<std::ptrdiff_t>(drop, std::ssize(droppable) - 1));
    std::sort(result.dropped.begin(), result.dropped.end());
    for (int a : entered) {
        if (std::find(result.dropped.begin(), result.dropped.end(), a) != result.dropped.end())
            continue;
        result.received += doc.m_assignments[a].m_scores[s];
        result.possible += doc.m_assignments[a].m_pointsPossible;
    }
    result.counted = result.possible != 0.0;
    if (result.counted)
        result.percent = result.received / result.possible * 100.0;
    return result;
}

bool SameBits(double x, double y) {
    return std::bit_cast<std::uint64_t>(x) == std::bit_cast<std::uint64_t>(y);
}

TEST(PolicyGrade, ClassPassAndQueryMatchThePlainRulesBitForBit) {
    std::mt19937 rng(90210);
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    const double points[] = {0, 3, 5, 10, 20, 7.5};
    const double weights[] = {0, 1, 2.5, 40, 1e-3};
    for (int round = 0; round < 60; ++round) {
        SCOPED_TRACE(round);
        const int n = pick(1, 45);
        auto doc = ClassOf(n);
        const int categories = pick(1, 6);
        for (int c = 0; c < categories; ++c)
            doc->m_policy.categories.push_back(
                {"C" + std::to_string(c), weights[pick(0, 4)], pick(0, 6)});
        for (int a = pick(0, 40); a > 0; --a) {
            const double p = points[pick(0, 5)];
            std::vector<double> scores;
            // Few distinct scores, so equal fractions are common; above the points is
            // extra credit, below 0 a penalty.
            for (int s = 0; s < n; ++s)
                scores.push_back(pick(0, 6) == 0 ? N : pick(-2, 24) / 2.0);
            CAssignment& made = AddAssignment(*doc, p, scores);
            made.m_category = pick(-1, categories); // out of range falls to the first
            for (int s = 0; s < n; ++s) {
                if (pick(0, 9) == 0)
                    doc->StoreMarkedScore(doc->m_assignmentCount - 1, s, 0, ScoreMark::Excused);
                else if (pick(0, 9) == 0)
                    doc->StoreMarkedScore(doc->m_assignmentCount - 1, s, 0, ScoreMark::MissingWork);
            }
        }
        doc->SetFirstIncluded(pick(0, 4) == 0 ? pick(0, 5) : 0);
        const std::vector<StudentGrade> grades = ClassGrades(*doc);
        const std::vector<double> percents = ClassPercents(*doc);
        ASSERT_EQ(grades.size(), static_cast<std::size_t>(n));
        for (int s = 0; s < n; ++s) {
            SCOPED_TRACE(s);
            const StudentGrade one = GradeStudent(*doc, s);
            ASSERT_EQ(one.categories.size(), static_cast<std::size_t>(categories));
            double received = 0.0, possible = 0.0, weighted = 0.0, weightSum = 0.0;
            double only = 100.0;
            int weightedCount = 0;
            for (int c = 0; c < categories; ++c) {
                const PlainCategory plain = PlainCategoryGrade(*doc, s, c);
                const CategoryResult& got = one.categories[c];
                EXPECT_EQ(got.category, c);
                EXPECT_EQ(got.dropped, plain.dropped);
                EXPECT_EQ(got.counted, plain.counted);
                EXPECT_TRUE(SameBits(got.received, plain.received));
                EXPECT_TRUE(SameBits(got.possible, plain.possible));
                EXPECT_TRUE(SameBits(got.percent, plain.percent));
                if (!plain.counted)
                    continue;
                const double w = doc->m_policy.categories[c].weight;
                received += plain.received;
                possible += plain.possible;
                weighted += w * plain.percent;
                weightSum += w;
                if (w > 0.0) {
                    ++weightedCount;
                    only = plain.percent;
                }
            }
            const double percent = weightedCount == 1 ? only
                                   : weightSum > 0.0  ? weighted / weightSum
                                                      : 100.0;
            for (const StudentGrade* g : {&one, &grades[s]}) {
                EXPECT_TRUE(SameBits(g->received, received));
                EXPECT_TRUE(SameBits(g->possible, possible));
                EXPECT_TRUE(SameBits(g->percent, percent)) << g->percent << " " << percent;
            }
            EXPECT_TRUE(grades[s].categories.empty());
            EXPECT_TRUE(SameBits(percents[s], percent));
        }
    }
}

TEST(PolicyGrade, MarksShowTypeAndClear) {
    auto doc = QuizzesAndTests();
    EXPECT_EQ(ScoreCellText(*doc, 0, 1), "EX");
    EXPECT_EQ(ScoreCellText(*doc, 1, 1), "M");
    EXPECT_EQ(ScoreCellText(*doc, 2, 1), "N/A");
    EXPECT_EQ(ScoreCellText(*doc, 0, 0), "5");
    // A number, or N/A, typed over a mark clears it.
    doc->StoreScore(1, 1, 0);
    EXPECT_EQ(ScoreCellText(*doc, 1, 1), "0");
    doc->StoreMarkedScore(0, 1, MISSING_SCORE, ScoreMark::None);
    EXPECT_EQ(doc->GetMark(0, 1), ScoreMark::None);
    // A mark its score no longer agrees with means nothing.
    doc->m_assignments[5].m_scores[1] = 3;
    EXPECT_EQ(ScoreCellText(*doc, 5, 1), "3");
    EXPECT_EQ(doc->GetMark(7, 1), ScoreMark::None);

    const struct {
        const char* text;
        double score;
        ScoreMark mark;
    } typed[] = {{" ex ", N, ScoreMark::Excused},  {"EX", N, ScoreMark::Excused},
                 {"m", 0, ScoreMark::MissingWork}, {"n/a", N, ScoreMark::None},
                 {"", N, ScoreMark::None},         {"7.5", 7.5, ScoreMark::None}};
    for (const auto& t : typed) {
        SCOPED_TRACE(t.text);
        const std::optional<TypedScore> parsed = ParseTypedMarkedScore(t.text);
        ASSERT_TRUE(parsed);
        EXPECT_EQ(parsed->score, t.score);
        EXPECT_EQ(parsed->mark, t.mark);
    }
    for (const char* bad : {"EXX", "MM", "E X", "x"})
        EXPECT_FALSE(ParseTypedMarkedScore(bad)) << bad;
}

} // namespace
} // namespace markwise
