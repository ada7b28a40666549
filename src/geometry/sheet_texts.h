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

// A score cell's text: "EX" or "M" for a marked score, "N/A" for a missing one, else its
// "%g" text.
std::string ScoreText(const CMarkwiseDoc& doc, int assignment, int student);

// What the grade sheet's in-place editor says of a typed text that is no score:
// "Quiz 3, Lee, Ann: "abc" is not a score." (the assignment's title, the listed name).
std::string NotAScoreMessage(const CMarkwiseDoc& doc, int assignment, int student,
                             std::string_view typed);

// The first student from position `from` on, round to the start, whose full name or ID
// contains `text` (letters of either case alike); -1 for none or an empty text.
int FindStudent(const CMarkwiseDoc& doc, std::string_view text, int from);

// The totals block of one student: received points, percent, letter grade.
struct StudentTotalTexts {
    std::string received;
    std::string percent;
    std::string letter;
};
StudentTotalTexts TotalTexts(const CMarkwiseDoc& doc, int student, const CGradeCutoffs& cutoffs);

} // namespace markwise
