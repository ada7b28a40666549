#include "policy_grade.h"

#include "number_text.h"

#include <algorithm>

namespace markwise {

namespace {

// Counted assignments run from m_firstIncluded (which may exceed the count, leaving
// none) to the last one in use.
int FirstCounted(const CMarkwiseDoc& doc) {
    return std::max(doc.m_firstIncluded, 0);
}

int CategoryOf(const CMarkwiseDoc& doc, int a) {
    const int c = doc.m_assignments[a].m_category;
    const int count = static_cast<int>(doc.m_policy.categories.size());
    return c >= 0 && c < count ? c : 0;
}

// The points-only total: every entered score over its assignment's points.
StudentGrade PointsGrade(const CMarkwiseDoc& doc, int s) {
    StudentGrade grade;
    for (int a = FirstCounted(doc); a < doc.AssignmentsInUse(); ++a) {
        const double x = doc.m_assignments[a].m_scores[s];
        if (x != MISSING_SCORE) {
            grade.received += x;
            grade.possible += doc.m_assignments[a].m_pointsPossible;
        }
    }
    grade.percent = PercentOfPossible(grade.received, grade.possible);
    return grade;
}

// What does not depend on the student: the counted assignments grouped by category, in
// assignment order within each. Built once per class pass.
class PolicyGrader {
public:
    explicit PolicyGrader(const CMarkwiseDoc& doc) : m_doc(doc) {
        const int categories = static_cast<int>(doc.m_policy.categories.size());
        m_start.assign(static_cast<std::size_t>(categories) + 1, 0);
        for (int a = FirstCounted(doc); a < doc.AssignmentsInUse(); ++a)
            ++m_start[static_cast<std::size_t>(CategoryOf(doc, a)) + 1];
        for (int c = 0; c < categories; ++c)
            m_start[c + 1] += m_start[c];
        m_order.resize(m_start.back());
        std::vector<int> next(m_start.begin(), m_start.end() - 1);
        for (int a = FirstCounted(doc); a < doc.AssignmentsInUse(); ++a)
            m_order[next[CategoryOf(doc, a)]++] = a;
    }

    // details: whether to fill the per-category results.
    StudentGrade Grade(int s, bool details) {
        StudentGrade grade;
        const std::vector<GradeCategory>& categories = m_doc.m_policy.categories;
        double weighted = 0.0;
        double weights = 0.0;
        int counted = 0;
        double onlyPercent = 100.0;
        for (std::size_t c = 0; c < categories.size(); ++c) {
            CategoryResult result = GradeOneCategory(s, static_cast<int>(c), details);
            if (result.counted) {
                grade.received += result.received;
                grade.possible += result.possible;
                weighted += categories[c].weight * result.percent;
                weights += categories[c].weight;
                if (categories[c].weight > 0.0) {
                    ++counted;
                    onlyPercent = result.percent;
                }
            }
            if (details)
                grade.categories.push_back(std::move(result));
        }
        // One weighted category gives its own percent exactly, so a single category of
        // any weight agrees with the points-only percent to the last bit.
        if (counted == 1)
            grade.percent = onlyPercent;
        else
            grade.percent = weights > 0.0 ? weighted / weights : 100.0;
        return grade;
    }

private:
    struct Kept {
        int assignment;
        double received;
        double possible;
    };

    CategoryResult GradeOneCategory(int s, int c, bool details) {
        CategoryResult result;
        result.category = c;
        m_kept.clear();
        for (int i = m_start[c]; i < m_start[c + 1]; ++i) {
            const CAssignment& assignment = m_doc.m_assignments[m_order[i]];
            const double x = assignment.m_scores[s];
            if (x != MISSING_SCORE)
                m_kept.push_back({m_order[i], x, assignment.m_pointsPossible});
        }
        const int drop = std::max(m_doc.m_policy.categories[c].dropLowest, 0);
        if (drop > 0) {
            // The droppable scores, lowest fraction of the points first, earlier first on ties.
            m_candidates.clear();
            for (std::size_t k = 0; k < m_kept.size(); ++k) {
                if (m_kept[k].possible != 0.0)
                    m_candidates.push_back(static_cast<int>(k));
            }
            // At least one score with points possible stays, so drops alone never empty
            // a category.
            const std::size_t dropping =
                m_candidates.empty()
                    ? 0
                    : std::min(static_cast<std::size_t>(drop), m_candidates.size() - 1);
            const auto lower = [this](int x, int y) {
                const double fx = m_kept[x].received / m_kept[x].possible;
                const double fy = m_kept[y].received / m_kept[y].possible;
                return fx < fy || (fx == fy && x < y);
            };
            std::partial_sort(m_candidates.begin(), m_candidates.begin() + dropping,
                              m_candidates.end(), lower);
            for (std::size_t k = 0; k < dropping; ++k) {
                Kept& dropped = m_kept[m_candidates[k]];
                if (details)
                    result.dropped.push_back(dropped.assignment);
                dropped.assignment = -1;
            }
            std::sort(result.dropped.begin(), result.dropped.end());
        }
        for (const Kept& kept : m_kept) {
            if (kept.assignment < 0)
                continue;
            result.received += kept.received;
            result.possible += kept.possible;
        }
        result.counted = result.possible != 0.0;
        result.percent = PercentOfPossible(result.received, result.possible);
        return result;
    }

    const CMarkwiseDoc& m_doc;
    std::vector<int> m_start; // category c's assignments: m_order[m_start[c] .. m_start[c + 1])
    std::vector<int> m_order;
    std::vector<Kept> m_kept;
    std::vector<int> m_candidates;
};

} // namespace

StudentGrade GradeStudent(const CMarkwiseDoc& doc, int student) {
    if (student < 0 || student >= kMaxStudents)
        return {};
    if (!doc.HasPolicy())
        return PointsGrade(doc, student);
    PolicyGrader grader(doc);
    return grader.Grade(student, true);
}

std::vector<double> ClassPercents(const CMarkwiseDoc& doc) {
    std::vector<double> percents(static_cast<std::size_t>(doc.StudentsInUse()));
    if (!doc.HasPolicy()) {
        for (int s = 0; s < doc.StudentsInUse(); ++s)
            percents[s] = PointsGrade(doc, s).percent;
        return percents;
    }
    PolicyGrader grader(doc);
    for (int s = 0; s < doc.StudentsInUse(); ++s)
        percents[s] = grader.Grade(s, false).percent;
    return percents;
}

std::string ScoreCellText(const CMarkwiseDoc& doc, int a, int student) {
    switch (doc.GetMark(a, student)) {
    case ScoreMark::Excused:
        return kExcusedText;
    case ScoreMark::MissingWork:
        return kMissingWorkText;
    case ScoreMark::None:
        break;
    }
    if (a < 0 || a >= kMaxAssignments || student < 0 || student >= kMaxStudents)
        return {};
    const double x = doc.m_assignments[a].m_scores[student];
    return x == MISSING_SCORE ? std::string(kMissingScoreText) : FormatG(x);
}

} // namespace markwise
