#pragma once

#include "core/markwise_doc.h"
#include "geometry/report_texts.h"

#include <string>
#include <vector>

namespace markwise {

// How one student's percent came about under the class's grading policy, one line per
// category in policy order, for the Student Summary and the student report. The numbers
// are the core's texts, for the desktop to show in its language's form.
struct CategoryBreakdownLine {
    std::string name;     // the category's name
    std::string weight;   // "30"
    std::string received; // kept points
    std::string possible;
    std::string percent; // "N/A" for a category left out of the total
    std::string dropped; // "2, 5" (assignment numbers as on screen), or empty
};
// Empty for a class without categories or a position out of use.
std::vector<CategoryBreakdownLine> CategoryBreakdown(const CMarkwiseDoc& doc, int student);

// "weight 22.5" in texts' words and decimal separator.
std::string BreakdownWeightText(const CategoryBreakdownLine& line,
                                const ReportTexts& texts = EnglishReportTexts());
// The one-line form the Student Summary lists: "Homework, weight 30: 85%, dropped: 2".
std::string BreakdownListText(const CategoryBreakdownLine& line,
                              const ReportTexts& texts = EnglishReportTexts());

// Whether assignment a was dropped from this student's grade.
bool IsDroppedScore(const CMarkwiseDoc& doc, int a, int student);

} // namespace markwise
