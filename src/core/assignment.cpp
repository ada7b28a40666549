#include "assignment.h"

#include "number_text.h"

namespace markwise {

CAssignment::CAssignment() {
    m_scores.fill(MISSING_SCORE);
}

void CAssignment::SetScore(double score, int student) {
    if (student < 0 || student >= kMaxStudents)
        return;
    m_scores[student] = score;
    if (student > m_lastIndex)
        m_lastIndex = student;
}

void CAssignment::SetDetails(const std::string& title, const std::string& description,
                             double pointsPossible) {
    m_title = title;
    m_pointsPossible = pointsPossible;
    m_description = description;
}

std::string CAssignment::GetScoreText(int student) const {
    if (student < 0 || student >= kMaxStudents)
        return {};
    return FormatG(m_scores[student]);
}

} // namespace markwise
