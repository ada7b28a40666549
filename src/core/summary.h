#pragma once

#include "cutoffs.h"

#include <array>

namespace markwise {

class CMarkwiseDoc;

// Thirteen counts in the order A+, A, A-, ... D-, F.
using GradeDistribution = std::array<int, kGradeCount>;

// Adds percentage p to every bin whose own test it passes (out-of-order cutoffs may
// count it twice or not at all).
void CountIntoDistribution(double percent, const CGradeCutoffs& cutoffs, GradeDistribution& dist);

struct SummaryFigures {
    GradeDistribution distribution{};
    double average = 0.0;
    double high = 0.0;
    double low = 0.0;
};

// One assignment's scores (points, not percent). Average is 0 for a class without students.
SummaryFigures AssignmentSummary(const CMarkwiseDoc& doc, int assignment,
                                 const CGradeCutoffs& cutoffs);
// Whole-class totals received; high and low start from the first student's total.
// Callers do not ask with no students or no assignments (the dialog closes at once).
SummaryFigures ClassSummary(const CMarkwiseDoc& doc, const CGradeCutoffs& cutoffs);

} // namespace markwise
