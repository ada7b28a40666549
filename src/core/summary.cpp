#include "summary.h"

#include "capacity.h"
#include "markwise_doc.h"
#include "policy_grade.h"

namespace markwise {

namespace {

// Gathers a summary's figures one student at a time.
class SummaryTally {
public:
    explicit SummaryTally(const CGradeCutoffs& cutoffs) : m_cutoffs(cutoffs) {}

    // A value toward the high, the low and the average.
    void Offer(double x) {
        if (!m_any || x >= m_high)
            m_high = x;
        if (!m_any || x <= m_low)
            m_low = x;
        m_any = true;
        m_sum += x;
    }
    void Grade(double percent) { CountIntoDistribution(percent, m_cutoffs, m_distribution); }
    // High and low are 0 when nothing was offered; the average divides by every student.
    SummaryFigures Figures(int students) const {
        SummaryFigures figures;
        figures.distribution = m_distribution;
        figures.high = m_any ? m_high : 0.0;
        figures.low = m_any ? m_low : 0.0;
        figures.average = students > 0 ? m_sum / students : 0.0;
        return figures;
    }

private:
    const CGradeCutoffs& m_cutoffs;
    GradeDistribution m_distribution{};
    bool m_any = false;
    double m_high = 0.0;
    double m_low = 0.0;
    double m_sum = 0.0;
};

} // namespace

void CountIntoDistribution(double percent, const CGradeCutoffs& cutoffs, GradeDistribution& dist) {
    const auto c = cutoffs.InGradeOrder();
    if (c[0] <= percent)
        ++dist[0];
    for (int g = 1; g < kGradeCount - 1; ++g) {
        if (percent < c[g - 1] && c[g] <= percent)
            ++dist[g];
    }
    if (percent < c[kGradeCount - 2])
        ++dist[kGradeCount - 1];
}

SummaryFigures AssignmentSummary(const CMarkwiseDoc& doc, int assignment,
                                 const CGradeCutoffs& cutoffs) {
    if (assignment < 0 || assignment >= kMaxAssignments)
        return {};
    const CAssignment& a = doc.m_assignments[assignment];
    const int n = doc.StudentsInUse();
    SummaryTally tally(cutoffs);
    for (int s = 0; s < n; ++s) {
        const double x = a.m_scores[s];
        if (x != MISSING_SCORE)
            tally.Offer(x);
        // A missing score is graded as its stored value, just below 0 percent.
        tally.Grade(PercentOfPossible(x, a.m_pointsPossible));
    }
    // The whole class divides, students without a score included.
    return tally.Figures(n);
}

SummaryFigures ClassSummary(const CMarkwiseDoc& doc, const CGradeCutoffs& cutoffs) {
    const int n = doc.StudentsInUse();
    SummaryTally tally(cutoffs);
    for (const StudentGrade& grade : ClassGrades(doc)) {
        tally.Offer(grade.received);
        tally.Grade(grade.percent);
    }
    return tally.Figures(n);
}

} // namespace markwise
