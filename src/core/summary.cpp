#include "summary.h"

#include "capacity.h"
#include "markwise_doc.h"

namespace markwise {

namespace {

// Keeps the highest and lowest of the values offered; 0 and 0 when none were.
class HighLow {
public:
    void Offer(double x) {
        if (!m_any || x >= m_high)
            m_high = x;
        if (!m_any || x <= m_low)
            m_low = x;
        m_any = true;
    }
    double High() const { return m_any ? m_high : 0.0; }
    double Low() const { return m_any ? m_low : 0.0; }

private:
    bool m_any = false;
    double m_high = 0.0;
    double m_low = 0.0;
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
    SummaryFigures figures;
    if (assignment < 0 || assignment >= kMaxAssignments)
        return figures;
    const CAssignment& a = doc.m_assignments[assignment];
    const double possible = a.m_pointsPossible;
    const int n = doc.StudentsInUse();
    HighLow range;
    double sum = 0.0;
    for (int s = 0; s < n; ++s) {
        const double x = a.m_scores[s];
        if (x != MISSING_SCORE) {
            range.Offer(x);
            sum += x;
        }
        // A missing score is graded as its stored value, just below 0 percent.
        const double percent = possible == 0.0 ? 100.0 : x / possible * 100.0;
        CountIntoDistribution(percent, cutoffs, figures.distribution);
    }
    figures.high = range.High();
    figures.low = range.Low();
    // The whole class divides, students without a score included.
    figures.average = n > 0 ? sum / n : 0.0;
    return figures;
}

SummaryFigures ClassSummary(const CMarkwiseDoc& doc, const CGradeCutoffs& cutoffs) {
    SummaryFigures figures;
    const int n = doc.StudentsInUse();
    HighLow range;
    double sum = 0.0;
    for (int s = 0; s < n; ++s) {
        const double total = doc.GetTotalReceived(s);
        range.Offer(total);
        sum += total;
        const double possible = doc.GetTotalPossible(s);
        const double percent = possible == 0.0 ? 100.0 : total / possible * 100.0;
        CountIntoDistribution(percent, cutoffs, figures.distribution);
    }
    figures.high = range.High();
    figures.low = range.Low();
    figures.average = n > 0 ? sum / n : 0.0;
    return figures;
}

} // namespace markwise
