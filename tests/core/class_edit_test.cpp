#include "core/class_edit.h"
#include "core/class_file.h"
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
    return doc;
}

struct Case {
    const char* name;
    std::function<std::unique_ptr<ClassEdit>()> make;
};

TEST(ClassEdit, EveryEditRevertsToTheExactSlotsAndRedoesToTheSameBytes) {
    const StudentFields ann{"Ann", "Lee", "9", "B", "P", "G"};
    const StudentFields xyz{"X", "Y", "Z", "", "", ""};
    const std::vector<Case> cases{
        {"add", [&] { return AddStudentEdit(ann); }},
        {"edit student", [&] { return EditStudentEdit(2, xyz); }},
        {"remove first student", [] { return RemoveStudentEdit(0); }},
        {"remove middle student", [] { return RemoveStudentEdit(3); }},
        {"remove last student", [] { return RemoveStudentEdit(6); }},
        {"remove no student", [] { return RemoveStudentEdit(7); }},
        {"new assignment", [] { return NewAssignmentEdit("Quiz", "about", 12.5); }},
        {"remove first assignment", [] { return RemoveAssignmentEdit(0); }},
        {"remove the short assignment", [] { return RemoveAssignmentEdit(1); }},
        {"remove middle assignment", [] { return RemoveAssignmentEdit(2); }},
        {"remove last assignment", [] { return RemoveAssignmentEdit(4); }},
        {"exclude", [] { return ExcludeEdit(3); }},
        {"sort by name", [] { return SortEdit(SortKind::Name); }},
        {"sort by total", [] { return SortEdit(SortKind::Total); }},
        {"sort by assignment", [] { return SortEdit(SortKind::Assignment, 2); }},
        {"shuffle", [] { return ShuffleEdit(30091); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto doc = UntidyClass();
        const auto before = std::make_unique<CMarkwiseDoc>(*doc);
        auto edit = c.make();
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

TEST(ClassEdit, AssignmentStoresRevertInReverseOrderAndKeepOnlyWhatChanged) {
    auto doc = UntidyClass();
    const auto before = std::make_unique<CMarkwiseDoc>(*doc);
    const CAssignment& quiz = doc->m_assignments[1];
    AssignmentStoresEdit first;
    // The same score stored twice, then new details: undo must go back past both.
    first.Store(*doc, {1, quiz.m_title, quiz.m_description, quiz.m_pointsPossible, 2, 7});
    const std::size_t oneScore = first.Bytes();
    AssignmentStoresEdit later;
    later.Store(*doc, {1, quiz.m_title, quiz.m_description, quiz.m_pointsPossible, 2, 8});
    later.Store(*doc, {1, "Renamed", "new", 20, -1, 0});
    later.Store(*doc, {1, "Renamed", "new", 20, 99, 5}); // no such student: details only
    first.Absorb(std::move(later));
    EXPECT_EQ(doc->m_assignments[1].m_scores[2], 8);
    EXPECT_EQ(doc->m_assignments[1].m_title, "Renamed");
    const std::vector<unsigned char> afterBytes = WriteClass(*doc);

    first.Revert(*doc);
    EXPECT_TRUE(SameSlots(*doc, *before));
    first.Apply(*doc);
    EXPECT_EQ(WriteClass(*doc), afterBytes);
    // A score-only store holds no texts.
    EXPECT_LT(oneScore, 200u);
}

TEST(ClassEdit, ASortStoresTheOrderNotACopyOfTheClass) {
    auto doc = FilledClass(30, 3);
    auto sort = SortEdit(SortKind::Total);
    sort->Apply(*doc);
    EXPECT_LT(sort->Bytes(), 30 * sizeof(int) + 256);
}

} // namespace
} // namespace markwise
