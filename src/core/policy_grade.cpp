#include "policy_grade.h"

#include "number_text.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <utility>

namespace markwise {

namespace {

// Counted assignments run from m_firstIncluded (which may exceed the count, leaving
// none) to the last one in use.
int FirstCounted(const CMarkwiseDoc& doc) {
    return std::max(doc.m_firstIncluded, 0);
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

// Branch-free selection, so that loops over students run without a branch that depends
// on a score. MISSING_SCORE is neither zero nor NaN: equal as a double exactly when equal
// bit for bit.
constexpr std::uint64_t kMissingBits = std::bit_cast<std::uint64_t>(MISSING_SCORE);

std::uint64_t Bits(double x) {
    return std::bit_cast<std::uint64_t>(x);
}

std::uint64_t Mask(bool on) {
    return std::uint64_t{0} - static_cast<std::uint64_t>(on);
}

double Pick(std::uint64_t mask, double yes, double no) {
    return std::bit_cast<double>((Bits(yes) & mask) | (Bits(no) & ~mask));
}

std::int64_t Pick(std::uint64_t mask, std::int64_t yes, std::int64_t no) {
    return static_cast<std::int64_t>((static_cast<std::uint64_t>(yes) & mask) |
                                     (static_cast<std::uint64_t>(no) & ~mask));
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
//
// Students are graded side by side, a run of them at a time: each assignment's scores lie
// in one array indexed by student, so every step below is one loop over the run's
// students with no branch that depends on a score, and no sum waits on another student's.
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

    // Students first .. first + count - 1, all below kMaxStudents. With details, each grade
    // also receives its categories' results.
    std::vector<StudentGrade> Grade(int first, int count, bool details) {
        const auto n = static_cast<std::size_t>(count);
        std::vector<Combined> totals(n);
        std::vector<StudentGrade> grades(n);
        if (details)
            for (StudentGrade& grade : grades)
                grade.categories.reserve(static_cast<std::size_t>(Categories()));
        m_received.resize(n);
        m_possible.resize(n);
        // One student's scores lie one per assignment far apart: read them once, in
        // assignment order, into one row.
        m_oneRow.clear();
        if (count == 1) {
            m_oneRow.resize(static_cast<std::size_t>(m_doc.AssignmentsInUse()));
            for (int a = FirstCounted(m_doc); a < m_doc.AssignmentsInUse(); ++a)
                m_oneRow[a] = m_doc.m_assignments[a].m_scores[first];
        }
        for (int c = 0; c < Categories(); ++c) {
            const int dropping = Drops(c, first, count);
            SumKept(c, first, count, dropping > 0);
            const double weight = m_doc.m_policy.categories[c].weight;
            for (std::size_t s = 0; s < n; ++s) {
                Figures figures;
                figures.received = m_received[s];
                figures.possible = m_possible[s];
                figures.counted = figures.possible != 0.0;
                figures.percent = PercentOfPossible(figures.received, figures.possible);
                totals[s].Add(figures, weight);
                if (details)
                    grades[s].categories.push_back(Result(c, s, n, dropping, figures));
            }
        }
        for (std::size_t s = 0; s < n; ++s) {
            grades[s].received = totals[s].received;
            grades[s].possible = totals[s].possible;
            grades[s].percent = totals[s].Percent();
        }
        return grades;
    }

private:
    int Categories() const { return static_cast<int>(m_start.size()) - 1; }
    int Members(int c) const { return m_start[c + 1] - m_start[c]; }
    // Member i's scores from student first on.
    const double* Scores(int c, int i, int first) const {
        const int a = m_order[m_start[c] + i];
        return m_oneRow.empty() ? m_doc.m_assignments[a].m_scores.data() + first
                                : m_oneRow.data() + a;
    }

    // Finds each student's drops in category c: the lowest fractions of the points among
    // the entered scores, the earlier first on ties, never one worth no points, and never
    // the last one worth points, so drops alone never empty a category. Marks them in
    // m_dropped (member by member, student by student) and returns how many a student may
    // have at most (0: nobody drops anything here).
    int Drops(int c, int first, int count) {
        const int k = Members(c);
        // No student drops more than all but one of the members.
        const int d =
            std::min(std::max(m_doc.m_policy.categories[c].dropLowest, 0), std::max(k - 1, 0));
        if (d == 0)
            return 0;
        const auto n = static_cast<std::size_t>(count);
        m_lowest.resize(static_cast<std::size_t>(d) * n);
        m_lowestAt.resize(m_lowest.size());
        m_droppable.assign(n, 0);
        for (int i = 0; i < k; ++i) {
            const double points = m_points[m_start[c] + i];
            if (points == 0.0)
                continue;
            // The common small counts unrolled; any other count by the same steps.
            switch (d) {
            case 1:
                Hold<1>(Scores(c, i, first), points, i, n, d);
                break;
            case 2:
                Hold<2>(Scores(c, i, first), points, i, n, d);
                break;
            case 3:
                Hold<3>(Scores(c, i, first), points, i, n, d);
                break;
            default:
                Hold<0>(Scores(c, i, first), points, i, n, d);
                break;
            }
        }
        m_dropped.assign(static_cast<std::size_t>(k) * n, 0);
        int most = 0;
        for (std::size_t s = 0; s < n; ++s) {
            const std::int64_t droppable = m_droppable[s];
            const int drops =
                droppable == 0 ? 0 : static_cast<int>(std::min<std::int64_t>(d, droppable - 1));
            for (int j = 0; j < drops; ++j)
                m_dropped[static_cast<std::size_t>(m_lowestAt[j * n + s]) * n + s] = 1;
            most = std::max(most, drops);
        }
        return most;
    }

    // Offers every student's score of member i to the lowest d held so far, kept in order
    // (fraction, then member): m_lowest[j * n + s] and m_lowestAt[j * n + s] for j below
    // the student's droppable count. The score goes after the equal ones before it, those
    // after it move down one and the last falls off when all d are held; an unentered score
    // moves nothing. No branch depends on a score. D is d when not 0.
    template <int D>
    void Hold(const double* __restrict scores, double points, int i, std::size_t n, int d) {
        const int depth = D > 0 ? D : d;
        double* __restrict lowest = m_lowest.data();
        std::int64_t* __restrict lowestAt = m_lowestAt.data();
        std::int64_t* __restrict droppable = m_droppable.data();
        for (std::size_t s = 0; s < n; ++s) {
            const std::uint64_t entered = Mask(Bits(scores[s]) != kMissingBits);
            double fraction = scores[s] / points;
            std::int64_t member = i;
            std::uint64_t moving = 0;
            for (int j = 0; j < depth; ++j) {
                const std::size_t at = static_cast<std::size_t>(j) * n + s;
                const double low = lowest[at];
                const std::int64_t lowAt = lowestAt[at];
                moving = entered & (moving | Mask(j >= droppable[s]) | Mask(fraction < low));
                lowest[at] = Pick(moving, fraction, low);
                lowestAt[at] = Pick(moving, member, lowAt);
                fraction = Pick(moving, low, fraction);
                member = Pick(moving, lowAt, member);
            }
            droppable[s] += static_cast<std::int64_t>(entered & 1);
        }
    }

    // Sums each student's kept scores of category c and their points, in member order;
    // one left out adds +0.0, which changes no sum that starts at +0.0.
    void SumKept(int c, int first, int count, bool anyDropped) {
        std::fill(m_received.begin(), m_received.end(), 0.0);
        std::fill(m_possible.begin(), m_possible.end(), 0.0);
        for (int i = 0; i < Members(c); ++i) {
            if (anyDropped)
                AddKept<true>(c, i, first, static_cast<std::size_t>(count));
            else
                AddKept<false>(c, i, first, static_cast<std::size_t>(count));
        }
    }

    template <bool AnyDropped> void AddKept(int c, int i, int first, std::size_t n) {
        const double points = m_points[m_start[c] + i];
        const double* __restrict scores = Scores(c, i, first);
        const std::int64_t* __restrict dropped =
            AnyDropped ? m_dropped.data() + static_cast<std::size_t>(i) * n : nullptr;
        double* __restrict received = m_received.data();
        double* __restrict possible = m_possible.data();
        for (std::size_t s = 0; s < n; ++s) {
            std::uint64_t kept = Mask(Bits(scores[s]) != kMissingBits);
            if constexpr (AnyDropped)
                kept &= Mask(dropped[s] == 0);
            received[s] += Pick(kept, scores[s], 0.0);
            possible[s] += Pick(kept, points, 0.0);
        }
    }

    CategoryResult Result(int c, std::size_t s, std::size_t n, int dropping,
                          const Figures& figures) const {
        CategoryResult result;
        result.category = c;
        result.received = figures.received;
        result.possible = figures.possible;
        result.percent = figures.percent;
        result.counted = figures.counted;
        for (int i = 0; dropping > 0 && i < Members(c); ++i)
            if (m_dropped[static_cast<std::size_t>(i) * n + s] != 0)
                result.dropped.push_back(m_order[m_start[c] + i]);
        return result;
    }

    const CMarkwiseDoc& m_doc;
    std::vector<int> m_start; // category c's members: m_order[m_start[c] .. m_start[c + 1])
    std::vector<int> m_order;
    std::vector<double> m_points;
    // Working arrays of the category at hand, one entry per student of the run.
    std::vector<double> m_oneRow; // by assignment, when grading one student
    std::vector<double> m_received;
    std::vector<double> m_possible;
    std::vector<std::int64_t> m_droppable; // 64 bits wide like the fractions beside them
    std::vector<double> m_lowest;          // score / points
    std::vector<std::int64_t> m_lowestAt;  // member
    std::vector<std::int64_t> m_dropped;
};

} // namespace

StudentGrade GradeStudent(const CMarkwiseDoc& doc, int student) {
    if (student < 0 || student >= kMaxStudents)
        return {};
    if (!doc.HasPolicy())
        return PointsGrade(doc, student);
    return std::move(PolicyGrader(doc).Grade(student, 1, true).front());
}

std::vector<StudentGrade> ClassGrades(const CMarkwiseDoc& doc) {
    if (doc.HasPolicy())
        return PolicyGrader(doc).Grade(0, doc.StudentsInUse(), false);
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

int CategoryOf(const CMarkwiseDoc& doc, int a) {
    const int c = doc.m_assignments[a].m_category;
    const int count = static_cast<int>(doc.m_policy.categories.size());
    return c >= 0 && c < count ? c : 0;
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
