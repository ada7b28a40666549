#pragma once

#include "core/markwise_doc.h"

#include <string>
#include <vector>

namespace markwise {

// How one student's percent came about under the class's grading policy, one line per
// category in policy order, for the Student Summary and the student report.
struct CategoryBreakdownLine {
    std::string name;     // the category's name
    std::string weight;   // "weight 30"
    std::string received; // kept points
    std::string possible;
    std::string percent; // "N/A" for a category left out of the total
    std::string dropped; // "dropped: 2, 5" (assignment numbers as on screen), or empty
};
// Empty for a class without categories or a position out of use.
std::vector<CategoryBreakdownLine> CategoryBreakdown(const CMarkwiseDoc& doc, int student);

// The line over the breakdown on the student report.
inline constexpr std::string_view kBreakdownHeading = "By category:";
// The one-line form the Student Summary lists: "Homework, weight 30: 85%, dropped: 2".
std::string BreakdownListText(const CategoryBreakdownLine& line);

// Whether assignment a was dropped from this student's grade.
bool IsDroppedScore(const CMarkwiseDoc& doc, int a, int student);

// What marks a dropped score beside its row.
inline constexpr std::string_view kDroppedText = "(dropped)";

} // namespace markwise
