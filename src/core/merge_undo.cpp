#include "merge_undo.h"

#include "csv_merge.h"
#include "markwise_doc.h"

#include <set>

namespace markwise {

MergeUndoState SaveMergeUndoState(const CMarkwiseDoc& doc, const MergePlan& plan) {
    std::set<int> touched;
    const int count = doc.AssignmentsInUse();
    for (std::size_t i = 0; i < plan.added.size() && count + int(i) < kMaxAssignments; ++i)
        touched.insert(count + int(i));
    for (const MergeScoreChange& change : plan.changes)
        touched.insert(change.assignment);
    MergeUndoState state{doc.m_assignmentCount, doc.IsModified(), {}};
    state.slots.reserve(touched.size());
    for (int a : touched)
        if (a >= 0 && a < kMaxAssignments)
            state.slots.emplace_back(a, doc.m_assignments[a]);
    return state;
}

void RestoreMergeUndoState(CMarkwiseDoc& doc, const MergeUndoState& state) {
    for (const auto& [a, assignment] : state.slots)
        doc.m_assignments[a] = assignment;
    doc.m_assignmentCount = state.assignmentCount;
    doc.SetModifiedFlag(state.modified);
}

} // namespace markwise
