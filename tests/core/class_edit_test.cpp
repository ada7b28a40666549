#include "core/class_edit.h"
#include "core/class_file.h"
#include "core/csv_merge.h"
#include "core/merge_undo.h"
#include "core/policy_edit.h"
#include "same_slots.h"
#include "support/class_builder.h"

#include <functional>
#include <gtest/gtest.h>

namespace markwise {
namespace {

using test::FilledClass;
using test::SameSlots;

// A class whose spare slots hold leftovers and whose last indexes differ, so an edit that
// restores only what the file shows is caught.
std::unique_ptr<CMarkwiseDoc> UntidyClass() {
    auto doc = FilledClass(8, 6);
    doc->RemoveStudent(7);
    doc->RemoveAssignment(5);
    doc->m_assignments[1].m_lastIndex = 4;  // carries fewer entries than the class has
    doc->m_assignments[3].m_scores[20] = 9; // a stray entry above the class
    doc->m_assignments[2].SetScore(3, 12);  // a last index above the class
    doc->m_reservedText[3] = "kept";
    // A policy and marks, so that every edit is seen to move or keep them with the scores.
    doc->m_policy.categories = {{"Homework", 30, 1}, {"Tests", 70, 0}};
    doc->m_assignments[2].m_category = 1;
    doc->m_assignments[4].m_category = 1;
    doc->StoreMarkedScore(2, 3, 0, ScoreMark::Excused);
    doc->StoreMarkedScore(0, 1, 5, ScoreMark::MissingWork);
    doc->StoreMarkedScore(4, 6, 0, ScoreMark::MissingWork);
    doc->m_assignments[3].m_marks[20] = ScoreMark::Excused; // a stray mark above the class
    doc->m_assignments[5].m_marks[2] = ScoreMark::Excused;  // and one in the removed slot
    return doc;
}

// Scores from a CSV: changes to the short assignment above its stored length, a blank
// cell, and a new assignment landing in the slot the removed one left with leftovers.
MergePlan PlanFor(const CMarkwiseDoc& doc) {
    CsvSheet sheet;
    std::string error;
    MergePlan plan;
    EXPECT_TRUE(ReadCsvSheet("Student ID,Title 1,Extra (1 pt)\nID2,4,1\nID6,9,\nID9,1,1\n", sheet,
                             error, AssignmentTitles(doc)))
        << error;
    EXPECT_TRUE(PlanMerge(doc, sheet, MergeMatch::Id, plan, error)) << error;
    EXPECT_EQ(plan.added.size(), 1u);
    EXPECT_EQ(plan.changes.size(), 3u);
    return plan;
}

struct Case {
    const char* name;
    std::function<std::unique_ptr<ClassEdit>(const CMarkwiseDoc&)> make;
};

TEST(ClassEdit, EveryEditRevertsToTheExactSlotsAndRedoesToTheSameBytes) {
    const StudentFields ann{"Ann", "Lee", "9", "B", "P", "G"};
    const StudentFields xyz{"X", "Y", "Z", "", "", ""};
    const auto group = [](const CMarkwiseDoc&) {
        // Two scores to one entry, then a removal: undo must go back past all three.
        auto edits = std::make_unique<EditGroup>();
        edits->Add(SetScoreEdit(1, 2, 7));
        edits->Add(SetScoreEdit(1, 2, 8));
        edits->Add(RemoveStudentEdit(0));
        return edits;
    };
    const std::vector<Case> cases{
        {"add", [&](auto&) { return AddStudentEdit(ann); }},
        {"edit student", [&](auto&) { return EditStudentEdit(2, xyz); }},
        {"remove first student", [](auto&) { return RemoveStudentEdit(0); }},
        {"remove middle student", [](auto&) { return RemoveStudentEdit(3); }},
        {"remove last student", [](auto&) { return RemoveStudentEdit(6); }},
        {"remove no student", [](auto&) { return RemoveStudentEdit(7); }},
        {"new assignment", [](auto&) { return NewAssignmentEdit("Quiz", "about", 12.5); }},
        {"remove first assignment", [](auto&) { return RemoveAssignmentEdit(0); }},
        {"remove the short assignment", [](auto&) { return RemoveAssignmentEdit(1); }},
        {"remove middle assignment", [](auto&) { return RemoveAssignmentEdit(2); }},
        {"remove last assignment", [](auto&) { return RemoveAssignmentEdit(4); }},
        {"exclude", [](auto&) { return ExcludeEdit(3); }},
        {"sort by name", [](auto&) { return SortEdit(SortKind::Name); }},
        {"sort by total", [](auto&) { return SortEdit(SortKind::Total); }},
        {"sort by assignment", [](auto&) { return SortEdit(SortKind::Assignment, 2); }},
        {"shuffle", [](auto&) { return ShuffleEdit(30091); }},
        {"score above the stored length", [](auto&) { return SetScoreEdit(1, 6, 3.5); }},
        {"score to missing", [](auto&) { return SetScoreEdit(0, 1, MISSING_SCORE); }},
        {"score of no student", [](auto&) { return SetScoreEdit(0, 7, 1); }},
        {"score of no assignment", [](auto&) { return SetScoreEdit(5, 0, 1); }},
        {"details", [](auto&) { return AssignmentDetailsEdit(3, "New", "text", 0); }},
        {"details of no assignment", [](auto&) { return AssignmentDetailsEdit(5, "X", "", 1); }},
        {"store details and score",
         [](const CMarkwiseDoc& doc) {
             return AssignmentStoreEdit(doc, {2, "Renamed", "new", 20, 6, MISSING_SCORE});
         }},
        {"store a score",
         [](const CMarkwiseDoc& doc) {
             const CAssignment& a = doc.m_assignments[1];
             return AssignmentStoreEdit(doc,
                                        {1, a.m_title, a.m_description, a.m_pointsPossible, 5, 2});
         }},
        {"store details and an excused score",
         [](const CMarkwiseDoc& doc) {
             return AssignmentStoreEdit(doc, {4, "Lab", "", 5, 2, 3, ScoreMark::Excused});
         }},
        {"store details only",
         [](const CMarkwiseDoc& doc) {
             return AssignmentStoreEdit(doc, {0, "T", "", 1, -1, 0});
         }},
        {"group", group},
        {"merge scores", [](const CMarkwiseDoc& doc) { return MergeEdit(PlanFor(doc)); }},
        {"excuse a score", [](auto&) { return SetMarkedScoreEdit(1, 2, 4, ScoreMark::Excused); }},
        {"missing work", [](auto&) { return SetMarkedScoreEdit(3, 0, 9, ScoreMark::MissingWork); }},
        {"number over a mark", [](auto&) { return SetScoreEdit(0, 1, 4); }},
        {"N/A over a mark", [](auto&) { return SetMarkedScoreEdit(2, 3, MISSING_SCORE, {}); }},
        {"mark of no student",
         [](auto&) { return SetMarkedScoreEdit(0, 7, 0, ScoreMark::Excused); }},
        {"new policy",
         [](auto&) {
             return PolicyEdit({{{"Labs", 1, 0}, {"Quizzes", 2, 3}, {"Exams", 0, 0}}},
                               {2, 0, 1, 9});
         }},
        {"clear the policy", [](auto&) { return PolicyEdit({}, {}); }},
        {"assignment category", [](auto&) { return AssignmentCategoryEdit(0, 1); }},
        {"category out of range", [](auto&) { return AssignmentCategoryEdit(0, 2); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto doc = UntidyClass();
        const auto before = std::make_unique<CMarkwiseDoc>(*doc);
        auto edit = c.make(*doc);
        edit->Apply(*doc);
        const auto after = std::make_unique<CMarkwiseDoc>(*doc);
        const std::vector<unsigned char> afterBytes = WriteClass(*doc);
        edit->Revert(*doc);
        EXPECT_TRUE(SameSlots(*doc, *before));
        edit->Apply(*doc);
        EXPECT_TRUE(SameSlots(*doc, *after));
        EXPECT_EQ(WriteClass(*doc), afterBytes);
        EXPECT_GT(edit->Bytes(), 0u);
    }
}

TEST(ClassEdit, AddingToAFullClassChangesNothingYetCounts) {
    auto doc = test::ClassOf(kMaxStudents);
    const std::vector<unsigned char> bytes = WriteClass(*doc);
    auto edit = AddStudentEdit({"One", "Too many", "", "", "", ""});
    edit->Apply(*doc);
    EXPECT_EQ(WriteClass(*doc), bytes);
    EXPECT_TRUE(edit->MarksModified());
    edit->Revert(*doc);
    EXPECT_EQ(doc->m_studentCount, kMaxStudents);
}

// An Update of Edit Assignment keeps the details only when they change, so a run of Fast
// Edit scores holds a few numbers each; a session's groups join as one, undone in reverse.
TEST(ClassEdit, AssignmentStoresKeepOnlyWhatChangesAndGroupsJoin) {
    auto doc = UntidyClass();
    const auto before = std::make_unique<CMarkwiseDoc>(*doc);
    const CAssignment& quiz = doc->m_assignments[1];
    const AssignmentStore score{1, quiz.m_title, quiz.m_description, quiz.m_pointsPossible, 2, 7};
    EditGroup first;
    first.Add(AssignmentStoreEdit(*doc, score));
    first.Apply(*doc);
    const std::size_t oneScore = first.Bytes();
    EXPECT_LT(oneScore, 100u);
    EXPECT_EQ(doc->m_assignments[1].m_scores[2], 7);
    EXPECT_EQ(doc->m_assignments[1].m_lastIndex, 4); // a typed score never lengthens it

    EditGroup later;
    later.Add(AssignmentStoreEdit(*doc, {1, "Renamed", "new", 20, 2, 8}));
    later.Add(AssignmentStoreEdit(*doc, {1, "Renamed", "new", 20, 99, 5})); // details only
    later.Apply(*doc);
    EXPECT_GT(later.Bytes(), oneScore);
    first.Absorb(std::move(later));
    EXPECT_EQ(doc->m_assignments[1].m_scores[2], 8);
    EXPECT_EQ(doc->m_assignments[1].m_title, "Renamed");
    const std::vector<unsigned char> afterBytes = WriteClass(*doc);

    first.Revert(*doc);
    EXPECT_TRUE(SameSlots(*doc, *before));
    first.Apply(*doc);
    EXPECT_EQ(WriteClass(*doc), afterBytes);

    // An Update that changes nothing still counts as a change; a group of sorts by name does not.
    EXPECT_TRUE(AssignmentStoreEdit(*doc, {1, "Renamed", "new", 20, -1, 0})->MarksModified());
    EditGroup names;
    names.Add(SortEdit(SortKind::Name));
    EXPECT_FALSE(names.MarksModified());
    names.Add(SetScoreEdit(0, 0, 1));
    EXPECT_TRUE(names.MarksModified());
}

TEST(ClassEdit, ASortStoresTheOrderNotACopyOfTheClass) {
    auto doc = FilledClass(30, 3);
    auto sort = SortEdit(SortKind::Total);
    sort->Apply(*doc);
    EXPECT_LT(sort->Bytes(), 30 * sizeof(int) + 256);
}

} // namespace
} // namespace markwise
