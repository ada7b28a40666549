#pragma once

namespace markwise {

class CMarkwiseDoc;

// Selection sorts whose test holds for equal keys, so ties reproduce the classic scan.
// Sort by name leaves the modified flag alone; the others mark the document modified.
void SortByName(CMarkwiseDoc& doc);
void SortByTotal(CMarkwiseDoc& doc);
void SortByAssignment(CMarkwiseDoc& doc, int assignment);
// One pass of exchanges with partners drawn by the classic 15-bit C-library generator
// (seed * 214013 + 2531011), seeded with the given value (the view passes the time in seconds).
void ShuffleStudents(CMarkwiseDoc& doc, unsigned int seed);

} // namespace markwise
