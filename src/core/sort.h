#pragma once

#include <vector>

namespace markwise {

class CMarkwiseDoc;

// A new order of the students: slot i receives the student that was in slot from[i].
using StudentOrder = std::vector<int>;

// The orders the four sorts make, worked out without moving anyone: a sort that can be
// taken back computes its order once and moves the students by it every time it is made.
// Selection sorts whose test holds for equal keys, so ties reproduce the classic scan.
StudentOrder NameOrder(const CMarkwiseDoc& doc);
StudentOrder TotalOrder(const CMarkwiseDoc& doc);
// Empty for an assignment not in use.
StudentOrder AssignmentOrder(const CMarkwiseDoc& doc, int assignment);
// One pass of exchanges with partners drawn by the classic 15-bit C-library generator
// (seed * 214013 + 2531011), seeded with the given value (the view passes the time in seconds).
StudentOrder ShuffleOrder(int students, unsigned int seed);

// The sorts made on the class at once. Sort by name leaves the modified flag alone; the
// others mark the document modified. Each returns the order it made.
StudentOrder SortByName(CMarkwiseDoc& doc);
StudentOrder SortByTotal(CMarkwiseDoc& doc);
// Empty (and no change) for an assignment not in use.
StudentOrder SortByAssignment(CMarkwiseDoc& doc, int assignment);
StudentOrder ShuffleStudents(CMarkwiseDoc& doc, unsigned int seed);

// Rearranges the students (texts and scores; reserved text stays) into order, and back; an
// order that is no permutation of the students in use changes nothing.
void MoveStudents(CMarkwiseDoc& doc, const StudentOrder& order);
void RestoreStudentOrder(CMarkwiseDoc& doc, const StudentOrder& order);

} // namespace markwise
