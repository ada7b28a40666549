#pragma once

#include "assignment.h"

#include <utility>
#include <vector>

namespace markwise {

class CMarkwiseDoc;
struct MergePlan;

// What applying a merge plan overwrites, kept so that undo gives back the class exactly as
// its file held it: each assignment slot the plan changes or fills, whole (a score set
// above a slot's stored length lengthens it, and a filled slot may hold leftovers), the
// assignment count and the modified flag.
struct MergeUndoState {
    int assignmentCount = 0;
    bool modified = false;
    std::vector<std::pair<int, CAssignment>> slots;
};

// Taken before ApplyMergePlan, from the class the plan was made for.
MergeUndoState SaveMergeUndoState(const CMarkwiseDoc& doc, const MergePlan& plan);
void RestoreMergeUndoState(CMarkwiseDoc& doc, const MergeUndoState& state);

} // namespace markwise
