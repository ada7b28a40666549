#pragma once

#include "csv_sheet.h"

#include <optional>
#include <string>
#include <vector>

namespace markwise {

class CMarkwiseDoc;

// How CSV rows find their students: by student ID, or by last and first name. Either way
// case and surrounding spaces are ignored.
enum class MergeMatch { Id, Name };

// A score the merge changes, with its mark: a change of either is a change. assignment may
// index an assignment the merge adds (at the end of the class); its old score is then
// MISSING_SCORE. oldMark is the mark as stored, so that undo puts back the very slot;
// newMark always agrees with newScore (excused: MISSING_SCORE, missing work: 0).
struct MergeScoreChange {
    int student = 0;
    int assignment = 0;
    double oldScore = MISSING_SCORE;
    double newScore = MISSING_SCORE;
    ScoreMark oldMark = ScoreMark::None;
    ScoreMark newMark = ScoreMark::None;
};

// The change that stores score with mark for the student, or nothing when the class's
// score and the mark it carries are already those. The score and student must be in use.
std::optional<MergeScoreChange> ScoreChange(const CMarkwiseDoc& doc, int student, int assignment,
                                            double score, ScoreMark mark);

// A CSV row that matched no student; it is left out.
struct MergeSkippedRow {
    int line = 0;
    std::string name; // "Last, First", or the student ID when matching by ID
};

// Which of the class's assignments a column of the file goes into.
inline constexpr int kNewAssignment = -1;
struct MergeColumnMatch {
    std::string header;          // the file's column
    int target = kNewAssignment; // the class's assignment; a new one is added
    bool loose = false;          // matched only without the platform's decorations
};

// Everything a merge would do, worked out before anything changes, so that a preview can
// show it and one undoable step can apply it (and reverse it from the old scores).
struct MergePlan {
    int matched = 0; // rows that found their student
    std::vector<MergeSkippedRow> skipped;
    std::vector<CsvAssignmentColumn> added; // appended to the class in this order
    std::vector<MergeScoreChange> changes;  // only scores whose value or mark changes
    std::vector<std::string> leftOut;       // the file's columns that hold no scores (UTF-8)
    std::vector<MergeColumnMatch> columns;  // one per assignment column of the file

    // "matched=3\nskipped=1\nassignments added=1\nscores changed=7\n"
    std::string SummaryText() const;
};

// The class's titles, for ReadCsvSheet's scoreTitles when reading a CSV to merge.
std::vector<std::string> AssignmentTitles(const CMarkwiseDoc& doc);

// Plans merging the sheet's scores into the class. A blank cell ("-", "N/A") leaves a
// score as it is; "EX" stores an excused score and "M" missing work, and a number clears
// any mark; a percent or fraction counts against the class's points possible. Columns
// match assignments by exact title, else by title without a platform's decorations
// (LooseTitleKey); targets, when given (one per sheet assignment, kNewAssignment or a class
// assignment), are the teacher's matches instead. Matched assignments keep their points; a
// new one must have its points given. Refuses (false, error set, plan empty) when a key
// the match uses or an assignment title appears twice in the CSV, when a CSV key or title
// would match two of the class's students or assignments, when the CSV has no column to
// match by, when two columns go into one assignment, or when the class would exceed 200
// assignments.
bool PlanMerge(const CMarkwiseDoc& doc, const CsvSheet& sheet, MergeMatch match, MergePlan& plan,
               std::string& error, const std::vector<int>* targets = nullptr);
bool PlanMerge(const CMarkwiseDoc& doc, const CsvSheet& sheet, MergeMatch match, MergePlan& plan,
               Message& error, const std::vector<int>* targets = nullptr);

// Adds the plan's assignments and sets its new scores with their marks; marks the class
// modified when anything changes. The plan must come from PlanMerge on this class as it is.
void ApplyMergePlan(CMarkwiseDoc& doc, const MergePlan& plan);

} // namespace markwise
