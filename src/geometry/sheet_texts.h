#pragma once

#include "core/cutoffs.h"
#include "core/markwise_doc.h"

#include <string>
#include <string_view>

namespace markwise {

// Texts the screen and the printed grade sheet share.

// "n: text" with n = assignment + 1: the sheet's headings and description lines, the
// student report's titles.
std::string NumberedText(int assignment, std::string_view text);

// The heading over the listed names: "Name", or "ID" while students are listed by ID.
std::string_view ListedNameHeading(const CMarkwiseDoc& doc);

// "N/A" for a missing score, else its "%g" text.
std::string ScoreText(const CAssignment& assignment, int student);

// The totals block of one student: received points, percent, letter grade.
struct StudentTotalTexts {
    std::string received;
    std::string percent;
    std::string letter;
};
StudentTotalTexts TotalTexts(const CMarkwiseDoc& doc, int student, const CGradeCutoffs& cutoffs);

} // namespace markwise
