#pragma once

#include "capacity.h"
#include "grading_policy.h"

#include <array>
#include <string>

namespace markwise {

// One assignment: its details and one score per student slot.
class CAssignment {
public:
    CAssignment();

    // Stores the score; raises m_lastIndex when student is above it.
    void SetScore(double score, int student);
    // Title, description and points possible; scores and m_lastIndex are untouched.
    void SetDetails(const std::string& title, const std::string& description,
                    double pointsPossible);
    // "%g" text of one score (callers show kMissingScoreText for MISSING_SCORE themselves).
    std::string GetScoreText(int student) const;

    std::string m_title;
    std::string m_description;
    double m_pointsPossible = 0.0;
    // Entries no file or operation has set hold MISSING_SCORE, never garbage.
    std::array<double, kMaxStudents> m_scores;
    // Highest slot ever given a score through SetScore; the file stores entries 0..m_lastIndex.
    int m_lastIndex = 0;
    // The mark of each score slot; marks move wherever the scores move.
    std::array<ScoreMark, kMaxStudents> m_marks{};
    // Index into the class's categories; 0 while the class has none.
    int m_category = 0;
};

} // namespace markwise
