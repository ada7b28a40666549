#pragma once

#include <vector>

namespace markwise {

class CMarkwiseDoc;

// A new order of the students: slot i receives the student that was in slot from[i].
using StudentOrder = std::vector<int>;

// Selection sorts whose test holds for equal keys, so ties reproduce the classic scan.
// Sort by name leaves the modified flag alone; the others mark the document modified.
// Each returns the order it made, which is all that undoing it needs.
StudentOrder SortByName(CMarkwiseDoc& doc);
StudentOrder SortByTotal(CMarkwiseDoc& doc);
// Empty (and no change) for an assignment not in use.
StudentOrder SortByAssignment(CMarkwiseDoc& doc, int assignment);
// One pass of exchanges with partners drawn by the classic 15-bit C-library generator
// (seed * 214013 + 2531011), seeded with the given value (the view passes the time in seconds).
StudentOrder ShuffleStudents(CMarkwiseDoc& doc, unsigned int seed);

// Rearranges the students (texts and scores; reserved text stays) into order, and back.
void MoveStudents(CMarkwiseDoc& doc, const StudentOrder& order);
void RestoreStudentOrder(CMarkwiseDoc& doc, const StudentOrder& order);

} // namespace markwise
