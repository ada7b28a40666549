#pragma once

#include "csv_merge.h"

#include <string>
#include <string_view>
#include <vector>

namespace markwise {

class CMarkwiseDoc;

// A block of the grade sheet's score cells, both ends included.
struct ScoreBlock {
    int firstStudent = 0;
    int lastStudent = -1;
    int firstAssignment = 0;
    int lastAssignment = -1;

    bool Empty() const { return lastStudent < firstStudent || lastAssignment < firstAssignment; }
    int Rows() const { return Empty() ? 0 : lastStudent - firstStudent + 1; }
    int Columns() const { return Empty() ? 0 : lastAssignment - firstAssignment + 1; }
};

// The scores a spreadsheet copies (UTF-8 text: rows on lines, cells split by tabs, else by
// commas, or by semicolons where the decimal point is a comma) pasted from the cell at
// (student, assignment) on: each cell a typed score, blank or "N/A" none, "EX" excused, "M"
// missing work, decimals in either form; a number or none clears a mark. Only the scores
// whose value or mark changes are listed. False with error, naming the first bad cell
// or the edge of the class that the block passes, when any cell cannot be pasted.
bool PlanPaste(const CMarkwiseDoc& doc, int student, int assignment, std::string_view text,
               char decimalPoint, std::vector<MergeScoreChange>& changes, std::string& error);
bool PlanPaste(const CMarkwiseDoc& doc, int student, int assignment, std::string_view text,
               char decimalPoint, std::vector<MergeScoreChange>& changes, Message& error);

// The block's top row copied down each of its columns, scores with their marks: the ones
// that change. A block of one row takes the row above it, as spreadsheets fill one cell.
std::vector<MergeScoreChange> PlanFillDown(const CMarkwiseDoc& doc, ScoreBlock block);

// The block's scores as a spreadsheet pastes them: tab-separated, one line per student,
// "N/A" for none, "EX" and "M" for marked scores (so they paste back with their marks).
std::string BlockAsTabText(const CMarkwiseDoc& doc, const ScoreBlock& block);

} // namespace markwise
