#include "markwise_doc.h"
#include "number_text.h"
#include "policy_grade.h"

#include <algorithm>

namespace markwise {

namespace {

// Counted assignments run from m_firstIncluded (which may exceed the count, leaving
// none) to the last one in use.
int FirstCounted(const CMarkwiseDoc& doc) {
    return std::max(doc.m_firstIncluded, 0);
}

} // namespace

bool CMarkwiseDoc::CountsAssignment(int a) const {
    return a >= FirstCounted(*this) && a < AssignmentsInUse();
}

double CMarkwiseDoc::GetTotalReceived(int s) const {
    return GradeStudent(*this, s).received;
}

double CMarkwiseDoc::GetTotalPossible(int s) const {
    return GradeStudent(*this, s).possible;
}

double CMarkwiseDoc::GetPercent(int s) const {
    return GradeStudent(*this, s).percent;
}

std::string CMarkwiseDoc::GetLetterGrade(int s, const CGradeCutoffs& cutoffs) const {
    return std::string(LetterFromPercent(GetPercent(s), cutoffs));
}

double CMarkwiseDoc::GetClassPossible() const {
    double total = 0.0;
    for (int a = FirstCounted(*this); a < AssignmentsInUse(); ++a)
        total += m_assignments[a].m_pointsPossible;
    return total;
}

std::string CMarkwiseDoc::GetTotalReceivedText(int s) const {
    return FormatG(GetTotalReceived(s));
}

std::string CMarkwiseDoc::GetPercentText(int s) const {
    return FormatPercentG(GetPercent(s));
}

std::string CMarkwiseDoc::GetPointsPossibleText(int a) const {
    if (a < 0 || a >= kMaxAssignments)
        return {};
    return FormatG(m_assignments[a].m_pointsPossible);
}

std::string CMarkwiseDoc::GetClassPossibleText() const {
    return FormatG(GetClassPossible());
}

} // namespace markwise
