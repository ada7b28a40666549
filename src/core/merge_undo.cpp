#include "merge_undo.h"

#include "csv_merge.h"
#include "markwise_doc.h"

#include <algorithm>
#include <set>

namespace markwise {

MergeUndoState SaveMergeUndoState(const CMarkwiseDoc& doc, const MergePlan& plan) {
    MergeUndoState state;
    state.assignmentCount = doc.m_assignmentCount;
    const int count = doc.AssignmentsInUse();
    const int students = doc.StudentsInUse();
    std::set<int> touched;
    for (std::size_t i = 0; i < plan.added.size() && count + int(i) < kMaxAssignments; ++i) {
        const CAssignment& slot = doc.m_assignments[count + int(i)];
        state.filled.push_back({count + int(i),
                                slot.m_title,
                                slot.m_description,
                                slot.m_pointsPossible,
                                {slot.m_scores.begin(), slot.m_scores.begin() + students},
                                {slot.m_marks.begin(), slot.m_marks.begin() + students},
                                slot.m_category});
        touched.insert(count + int(i));
    }
    for (const MergeScoreChange& change : plan.changes)
        if (change.assignment >= 0 && change.assignment < kMaxAssignments)
            touched.insert(change.assignment);
    for (int a : touched)
        state.lastIndexes.emplace_back(a, doc.m_assignments[a].m_lastIndex);
    return state;
}

void RevertMergePlan(CMarkwiseDoc& doc, const MergePlan& plan, const MergeUndoState& state) {
    for (auto change = plan.changes.rbegin(); change != plan.changes.rend(); ++change) {
        if (change->assignment < 0 || change->assignment >= kMaxAssignments ||
            change->student < 0 || change->student >= kMaxStudents)
            continue;
        CAssignment& slot = doc.m_assignments[change->assignment];
        slot.m_scores[change->student] = change->oldScore;
        slot.m_marks[change->student] = change->oldMark;
    }
    for (const MergeUndoState::FilledSlot& filled : state.filled) {
        CAssignment& slot = doc.m_assignments[filled.slot];
        slot.m_title = filled.title;
        slot.m_description = filled.description;
        slot.m_pointsPossible = filled.pointsPossible;
        std::copy(filled.scores.begin(), filled.scores.end(), slot.m_scores.begin());
        std::copy(filled.marks.begin(), filled.marks.end(), slot.m_marks.begin());
        slot.m_category = filled.category;
    }
    for (const auto& [a, lastIndex] : state.lastIndexes)
        doc.m_assignments[a].m_lastIndex = lastIndex;
    doc.m_assignmentCount = state.assignmentCount;
}

namespace {

class Merge : public ClassEdit {
public:
    explicit Merge(MergePlan plan) : m_plan(std::move(plan)) {
        // Only what changes the class is kept in the history.
        m_plan.skipped.clear();
    }

    void Apply(CMarkwiseDoc& doc) override {
        m_state = SaveMergeUndoState(doc, m_plan);
        ApplyMergePlan(doc, m_plan);
    }
    void Revert(CMarkwiseDoc& doc) override { RevertMergePlan(doc, m_plan, m_state); }
    std::size_t Bytes() const override {
        std::size_t bytes = sizeof(*this) + m_plan.changes.size() * sizeof(MergeScoreChange) +
                            m_state.lastIndexes.size() * sizeof(std::pair<int, int>);
        for (const CsvAssignmentColumn& column : m_plan.added)
            bytes += sizeof(column) + column.title.size() + column.description.size();
        for (const MergeUndoState::FilledSlot& slot : m_state.filled)
            bytes += sizeof(slot) + slot.title.size() + slot.description.size() +
                     slot.scores.size() * sizeof(double) + slot.marks.size() * sizeof(ScoreMark);
        return bytes;
    }

private:
    MergePlan m_plan;
    MergeUndoState m_state;
};

} // namespace

std::unique_ptr<ClassEdit> MergeEdit(MergePlan plan) {
    return std::make_unique<Merge>(std::move(plan));
}

} // namespace markwise
