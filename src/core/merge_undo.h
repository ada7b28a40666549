#pragma once

#include "class_edit.h"
#include "csv_merge.h"

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace markwise {

// What applying a merge plan overwrites beyond the old scores the plan itself holds, so
// that undo gives back the class exactly as its file held it: each slot the plan fills
// with a new assignment (a slot used before keeps leftovers), the stored length of each
// assignment it touches (a score set above it lengthens it) and the assignment count.
struct MergeUndoState {
    struct FilledSlot {
        int slot = 0;
        std::string title;
        std::string description;
        double pointsPossible = 0.0;
        std::vector<double> scores; // the class's students' entries, which the new one clears
        std::vector<ScoreMark> marks;
        int category = 0;
    };
    int assignmentCount = 0;
    std::vector<FilledSlot> filled;
    std::vector<std::pair<int, int>> lastIndexes; // assignment, its m_lastIndex before
};

// Taken just before ApplyMergePlan, from the class the plan was made for.
MergeUndoState SaveMergeUndoState(const CMarkwiseDoc& doc, const MergePlan& plan);
// Reverses ApplyMergePlan(doc, plan); the modified flag is left to the caller.
void RevertMergePlan(CMarkwiseDoc& doc, const MergePlan& plan, const MergeUndoState& state);

// Applying the plan as one step that can be taken back: Apply keeps what the plan
// overwrites, Revert puts it back (the class then saves to the same bytes).
std::unique_ptr<ClassEdit> MergeEdit(MergePlan plan);

} // namespace markwise
