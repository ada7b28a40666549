#pragma once

#include "class_edit.h"
#include "grading_policy.h"

#include <memory>
#include <vector>

namespace markwise {

// The whole policy and each assignment's category, as the Grading Policy dialog's OK
// stores them. categoryOfAssignment holds one entry per assignment in use; missing or
// out-of-range entries put the assignment in the first category. An empty policy puts
// every assignment back to 0.
std::unique_ptr<ClassEdit> PolicyEdit(GradingPolicy policy, std::vector<int> categoryOfAssignment);
// A typed or dialog score with its mark: a number (mark None) clears the mark; Excused
// stores MISSING_SCORE, MissingWork stores 0; MISSING_SCORE with None clears both.
std::unique_ptr<ClassEdit> SetMarkedScoreEdit(int assignment, int student, double score,
                                              ScoreMark mark);
// Edit Assignment's Category list: one assignment's category.
std::unique_ptr<ClassEdit> AssignmentCategoryEdit(int assignment, int category);

} // namespace markwise
