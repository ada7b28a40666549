#include "core/markwise_doc.h"
#include "support/class_builder.h"

#include <gtest/gtest.h>

namespace markwise {
namespace {

using test::AddAssignment;
using test::AddStudent;
using test::ClassOf;

TEST(DocOperations, AddStudentGivesMissingScoresAndLeavesReservedText) {
    auto doc = ClassOf(1);
    for (int a = 0; a < 3; ++a)
        AddAssignment(*doc, 10, {7});
    doc->m_assignments[1].m_scores[1] = 4; // a leftover in the slot about to be used
    doc->m_reservedText[10] = "kept";
    doc->SetModifiedFlag(false);
    EXPECT_EQ(doc->AddStudent({}), CMarkwiseDoc::AddResult::Ignored);
    EXPECT_FALSE(doc->IsModified());

    EXPECT_EQ(doc->AddStudent({"", "Only", "", "", "", ""}), CMarkwiseDoc::AddResult::Added);
    EXPECT_TRUE(doc->IsModified());
    EXPECT_EQ(doc->m_lastName[1], "Only");
    EXPECT_EQ(doc->m_reservedText[10], "kept");
    for (int a = 0; a < 3; ++a) {
        EXPECT_EQ(doc->m_assignments[a].m_scores[1], MISSING_SCORE);
        EXPECT_EQ(doc->m_assignments[a].m_lastIndex, 1);
    }
    EXPECT_EQ(doc->m_assignments[4].m_scores[kMaxStudents - 1], MISSING_SCORE);
}

TEST(DocOperations, FullClassRefusesStudentsAndAssignments) {
    auto doc = ClassOf(kMaxStudents);
    doc->SetModifiedFlag(false);
    EXPECT_EQ(doc->AddStudent({"One", "Too many", "", "", "", ""}), CMarkwiseDoc::AddResult::Full);
    EXPECT_TRUE(doc->IsModified()); // as the dialog's answer marks it
    EXPECT_EQ(doc->m_studentCount, kMaxStudents);
    EXPECT_EQ(doc->m_lastName[kMaxStudents - 1], "Last999");

    for (int a = 0; a < kMaxAssignments; ++a)
        ASSERT_TRUE(doc->NewAssignment("A", "", 1));
    doc->SetModifiedFlag(false);
    EXPECT_FALSE(doc->NewAssignment("Extra", "", 1));
    EXPECT_FALSE(doc->IsModified());
    EXPECT_EQ(doc->m_assignmentCount, kMaxAssignments);
}

TEST(DocOperations, NewAssignmentInFreshAndReusedSlots) {
    auto doc = ClassOf(8);
    AddAssignment(*doc, 10, {1, 2, 3, 4, 5, 6, 7, 8});
    for (int s = 7; s >= 5; --s)
        doc->RemoveStudent(s);
    doc->RemoveAssignment(0);
    ASSERT_EQ(doc->m_assignmentCount, 0);

    // Slot 0 was used before: its larger m_lastIndex and the scores above the class stay.
    doc->NewAssignment("Again", "d", 20);
    const CAssignment& reused = doc->m_assignments[0];
    EXPECT_EQ(reused.m_lastIndex, 7);
    EXPECT_EQ(reused.m_scores[4], MISSING_SCORE);
    EXPECT_EQ(reused.m_scores[5], 6);
    EXPECT_EQ(reused.m_scores[7], 8);

    doc->NewAssignment("Fresh", "", 5);
    EXPECT_EQ(doc->m_assignments[1].m_lastIndex, 4);
    EXPECT_EQ(doc->m_assignments[1].m_scores[4], MISSING_SCORE);
}

TEST(DocOperations, RemoveStudentShiftsFollowingSlotsOnly) {
    auto doc = ClassOf(5);
    AddAssignment(*doc, 10, {0, 1, 2, 3, 4});
    AddAssignment(*doc, 10, {10, 11, 12, 13, 14});
    for (int i = 0; i < 50; ++i)
        doc->m_reservedText[i] = "r" + std::to_string(i);
    doc->SetModifiedFlag(false);

    doc->RemoveStudent(2);
    EXPECT_TRUE(doc->IsModified());
    EXPECT_EQ(doc->m_studentCount, 4);
    const int oldSlot[] = {0, 1, 3, 4};
    for (int s = 0; s < 4; ++s) {
        const std::string old = std::to_string(oldSlot[s]);
        EXPECT_EQ(doc->GetFullName(s), "Last" + old + ", First" + old);
        EXPECT_EQ(doc->m_studentId[s], "ID" + old);
        EXPECT_EQ(doc->m_gradeLevel[s], "G" + old);
        EXPECT_EQ(doc->m_assignments[0].m_scores[s], oldSlot[s]);
        EXPECT_EQ(doc->m_assignments[1].m_scores[s], 10 + oldSlot[s]);
    }
    // The vacated slot keeps its old contents as a leftover; reserved text stays put.
    EXPECT_EQ(doc->m_lastName[4], "Last4");
    EXPECT_EQ(doc->m_assignments[0].m_scores[4], 4);
    EXPECT_EQ(doc->m_assignments[1].m_lastIndex, 4);
    for (int i = 0; i < 50; ++i)
        EXPECT_EQ(doc->m_reservedText[i], "r" + std::to_string(i));
}

TEST(DocOperations, RemoveAssignmentCopiesScoresUpToTheMovedLastIndex) {
    auto doc = ClassOf(5);
    AddAssignment(*doc, 10, {1, 2, 3, 4, 5});
    AddAssignment(*doc, 20, {6, 7, 8, 9, 10}, "T1", "second");
    AddAssignment(*doc, 30, {11, 12, 13, 14, 15});
    doc->m_assignments[1].m_lastIndex = 2; // as a file may hold it
    doc->m_firstIncluded = 2;

    doc->RemoveAssignment(0);
    ASSERT_EQ(doc->m_assignmentCount, 2);
    const CAssignment& first = doc->m_assignments[0];
    EXPECT_EQ(first.m_title, "T1");
    EXPECT_EQ(first.m_description, "second");
    EXPECT_EQ(first.m_pointsPossible, 20);
    EXPECT_EQ(first.m_lastIndex, 2);
    EXPECT_EQ(first.m_scores[2], 8);
    EXPECT_EQ(first.m_scores[3], 4); // above the copied m_lastIndex: left as it was
    EXPECT_EQ(doc->m_assignments[1].m_scores[4], 15);
    // m_firstIncluded is not adjusted and now exceeds every counted slot.
    EXPECT_EQ(doc->m_firstIncluded, 2);
    EXPECT_EQ(doc->GetPercent(0), 100);

    doc->RemoveAssignment(1);
    EXPECT_EQ(doc->m_assignmentCount, 1);
    EXPECT_EQ(doc->m_assignments[1].m_title, "T2"); // a leftover
}

TEST(DocOperations, EditAssignmentStoresScoreWithoutRaisingLastIndex) {
    auto doc = ClassOf(2);
    AddAssignment(*doc, 10, {3, 4}).m_lastIndex = 0;
    doc->SetModifiedFlag(false);
    doc->EditAssignment(0, "Quiz", "short", 12, 1, MISSING_SCORE);
    const CAssignment& quiz = doc->m_assignments[0];
    EXPECT_TRUE(doc->IsModified());
    EXPECT_EQ(quiz.m_title + "/" + quiz.m_description, "Quiz/short");
    EXPECT_EQ(quiz.m_pointsPossible, 12);
    EXPECT_EQ(quiz.m_scores[1], MISSING_SCORE);
    EXPECT_EQ(quiz.m_lastIndex, 0);
    doc->EditAssignment(0, "Quiz", "", 12, -1, 99); // no student: no score
    EXPECT_EQ(quiz.m_scores[0], 3);
}

TEST(DocOperations, IndicesOutsideTheClassChangeNothing) {
    auto doc = ClassOf(1);
    AddAssignment(*doc, 10, {5});
    doc->SetModifiedFlag(false);
    doc->RemoveStudent(-1);
    doc->RemoveStudent(1);
    doc->EditStudent(3, {"x", "y", "", "", "", ""});
    doc->RemoveAssignment(-1);
    doc->RemoveAssignment(1);
    doc->EditAssignment(1, "x", "", 1, 0, 1);
    doc->SwapStudents(-1, 0);
    doc->SwapStudents(0, 1);
    doc->m_assignments[0].SetScore(9, -1);
    doc->m_assignments[0].SetScore(9, kMaxStudents);

    EXPECT_FALSE(doc->IsModified());
    EXPECT_EQ(doc->m_studentCount + doc->m_assignmentCount, 2);
    EXPECT_EQ(doc->m_lastName[0], "Last0");
    EXPECT_EQ(doc->m_assignments[0].m_scores[0], 5);
    EXPECT_EQ(doc->m_assignments[0].m_lastIndex, 0);
    EXPECT_EQ(doc->m_assignments[0].GetScoreText(-1), "");
    EXPECT_EQ(doc->GetTotalReceived(-1), 0);
    EXPECT_EQ(doc->GetTotalReceived(kMaxStudents), 0);

    // Details of a real assignment change; a student outside the class gets no score.
    doc->EditAssignment(0, "x", "", 1, 5, 1);
    EXPECT_EQ(doc->m_assignments[0].m_title, "x");
    EXPECT_EQ(doc->m_assignments[0].m_scores[5], MISSING_SCORE);
}

} // namespace
} // namespace markwise
