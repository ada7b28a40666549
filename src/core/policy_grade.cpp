#include "policy_grade.h"

#include "number_text.h"

#include <algorithm>
#include <utility>

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

// One category's sums for one student.
struct Figures {
    double received = 0.0;
    double possible = 0.0;
    double percent = 100.0;
    bool counted = false;
};

// The weighted sum over the categories left in, category by category.
struct Combined {
    double received = 0.0;
    double possible = 0.0;
    double weighted = 0.0;
    double weights = 0.0;
    int weightedCount = 0;
    double onlyPercent = 100.0;

    void Add(const Figures& result, double weight) {
        if (!result.counted)
            return;
        received += result.received;
        possible += result.possible;
        weighted += weight * result.percent;
        weights += weight;
        if (weight > 0.0) {
            ++weightedCount;
            onlyPercent = result.percent;
        }
    }
    // One weighted category gives its own percent exactly, so a single category of any
    // weight agrees with the points-only percent to the last bit.
    double Percent() const {
        if (weightedCount == 1)
            return onlyPercent;
        return weights > 0.0 ? weighted / weights : 100.0;
    }
};

// What does not depend on the student: the counted assignments grouped by category, in
// assignment order within each, with their points.
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
        m_points.resize(m_start.back());
        std::vector<int> next(m_start.begin(), m_start.end() - 1);
        for (int a = FirstCounted(doc); a < doc.AssignmentsInUse(); ++a) {
            const int at = next[CategoryOf(doc, a)]++;
            m_order[at] = a;
            m_points[at] = doc.m_assignments[a].m_pointsPossible;
        }
    }

    int Categories() const { return static_cast<int>(m_start.size()) - 1; }
    int Members(int c) const { return m_start[c + 1] - m_start[c]; }
    int Member(int c, int i) const { return m_order[m_start[c] + i]; }

    StudentGrade Grade(int s) {
        StudentGrade grade;
        Combined total;
        for (int c = 0; c < Categories(); ++c) {
            m_row.resize(static_cast<std::size_t>(Members(c)));
            m_fractions.resize(m_row.size());
            for (int i = 0; i < Members(c); ++i) {
                m_row[i] = m_doc.m_assignments[Member(c, i)].m_scores[s];
                m_fractions[i] = m_row[i] / m_points[m_start[c] + i];
            }
            CategoryResult result;
            result.category = c;
            const Figures figures =
                GradeCategory(c, m_row.data(), m_fractions.data(), &result.dropped);
            total.Add(figures, m_doc.m_policy.categories[c].weight);
            result.received = figures.received;
            result.possible = figures.possible;
            result.percent = figures.percent;
            result.counted = figures.counted;
            grade.categories.push_back(std::move(result));
        }
        grade.received = total.received;
        grade.possible = total.possible;
        grade.percent = total.Percent();
        return grade;
    }

    // Every student, a category at a time: the category's scores are copied student by
    // student into one block, reading each assignment's scores in order.
    std::vector<StudentGrade> GradeClass() {
        const int n = m_doc.StudentsInUse();
        std::vector<Combined> totals(static_cast<std::size_t>(n));
        std::vector<double> block;
        std::vector<double> fractions;
        for (int c = 0; c < Categories(); ++c) {
            const int k = Members(c);
            block.resize(static_cast<std::size_t>(n) * k);
            fractions.resize(block.size());
            for (int i = 0; i < k; ++i) {
                const auto& scores = m_doc.m_assignments[Member(c, i)].m_scores;
                const double points = m_points[m_start[c] + i];
                for (int s = 0; s < n; ++s) {
                    block[static_cast<std::size_t>(s) * k + i] = scores[s];
                    fractions[static_cast<std::size_t>(s) * k + i] = scores[s] / points;
                }
            }
            const double weight = m_doc.m_policy.categories[c].weight;
            for (int s = 0; s < n; ++s)
                totals[s].Add(GradeCategory(c, block.data() + static_cast<std::size_t>(s) * k,
                                            fractions.data() + static_cast<std::size_t>(s) * k,
                                            nullptr),
                              weight);
        }
        std::vector<StudentGrade> grades(static_cast<std::size_t>(n));
        for (int s = 0; s < n; ++s) {
            grades[s].received = totals[s].received;
            grades[s].possible = totals[s].possible;
            grades[s].percent = totals[s].Percent();
        }
        return grades;
    }

private:
    // One category for one student, from the student's scores of its members in order:
    // the entered scores are kept, then the lowest fractions of the points are dropped,
    // the earlier first on ties, never one worth no points, and never the last one worth
    // points, so drops alone never empty a category.
    // fractions[i] is scores[i] / its points, worked out beforehand in a loop of its own
    // (where the divisions overlap); dropped, when given, receives the assignments dropped.
    Figures GradeCategory(int c, const double* scores, const double* fractions,
                          std::vector<int>* dropped) {
        Figures result;
        const int k = Members(c);
        const double* points = m_points.data() + m_start[c];
        const auto drop =
            static_cast<std::size_t>(std::max(m_doc.m_policy.categories[c].dropLowest, 0));
        // One pass sums the entered scores and keeps the lowest few droppable ones in order
        // (fraction, then position: a later equal fraction never displaces an earlier one).
        m_lowest.resize(drop);
        std::pair<double, int>* lowest = m_lowest.data();
        std::size_t held = 0;
        std::size_t droppable = 0;
        for (int i = 0; i < k; ++i) {
            const double x = scores[i];
            if (x == MISSING_SCORE)
                continue;
            result.received += x;
            result.possible += points[i];
            if (drop == 0 || points[i] == 0.0)
                continue;
            ++droppable;
            const double fraction = fractions[i];
            if (held == drop) {
                if (!(fraction < lowest[held - 1].first))
                    continue;
                --held;
            }
            std::size_t at = held++;
            for (; at > 0 && fraction < lowest[at - 1].first; --at)
                lowest[at] = lowest[at - 1];
            lowest[at] = {fraction, i};
        }
        const std::size_t dropping = droppable == 0 ? 0 : std::min(drop, droppable - 1);
        if (dropping > 0) {
            // Summed again without them, in order, so the sums are those of the kept scores.
            m_droppedAt.clear();
            for (std::size_t j = 0; j < dropping; ++j)
                m_droppedAt.push_back(lowest[j].second);
            std::sort(m_droppedAt.begin(), m_droppedAt.end());
            result.received = 0.0;
            result.possible = 0.0;
            std::size_t next = 0;
            for (int i = 0; i < k; ++i) {
                if (next < m_droppedAt.size() && m_droppedAt[next] == i) {
                    ++next;
                    if (dropped != nullptr)
                        dropped->push_back(Member(c, i));
                    continue;
                }
                if (scores[i] != MISSING_SCORE) {
                    result.received += scores[i];
                    result.possible += points[i];
                }
            }
        }
        result.counted = result.possible != 0.0;
        result.percent = PercentOfPossible(result.received, result.possible);
        return result;
    }

    const CMarkwiseDoc& m_doc;
    std::vector<int> m_start; // category c's members: m_order[m_start[c] .. m_start[c + 1])
    std::vector<int> m_order;
    std::vector<double> m_points;
    std::vector<double> m_row;
    std::vector<double> m_fractions;
    std::vector<std::pair<double, int>> m_lowest; // score / points, member
    std::vector<int> m_droppedAt;
};

} // namespace

StudentGrade GradeStudent(const CMarkwiseDoc& doc, int student) {
    if (student < 0 || student >= kMaxStudents)
        return {};
    if (!doc.HasPolicy())
        return PointsGrade(doc, student);
    PolicyGrader grader(doc);
    return grader.Grade(student);
}

std::vector<StudentGrade> ClassGrades(const CMarkwiseDoc& doc) {
    if (doc.HasPolicy())
        return PolicyGrader(doc).GradeClass();
    std::vector<StudentGrade> grades(static_cast<std::size_t>(doc.StudentsInUse()));
    for (int s = 0; s < doc.StudentsInUse(); ++s)
        grades[s] = PointsGrade(doc, s);
    return grades;
}

std::vector<double> ClassPercents(const CMarkwiseDoc& doc) {
    const std::vector<StudentGrade> grades = ClassGrades(doc);
    std::vector<double> percents(grades.size());
    for (std::size_t s = 0; s < grades.size(); ++s)
        percents[s] = grades[s].percent;
    return percents;
}

std::string ScoreCellText(const CMarkwiseDoc& doc, int a, int student) {
    if (const std::string_view mark = MarkText(doc.GetMark(a, student)); !mark.empty())
        return std::string(mark);
    if (a < 0 || a >= kMaxAssignments || student < 0 || student >= kMaxStudents)
        return {};
    const double x = doc.m_assignments[a].m_scores[student];
    return x == MISSING_SCORE ? std::string(kMissingScoreText) : FormatG(x);
}

} // namespace markwise
