#include "class_builder.h"
#include "core/markwise_doc.h"

#include <gtest/gtest.h>

namespace markwise {
namespace {

using test::AddNamed;
using test::AddScored;
using test::NewClass;

TEST(DocOperations, NewDocumentIsEmptyAndEveryScoreIsMissing) {
    auto doc = NewClass();
    EXPECT_EQ(doc->m_studentCount, 0);
    EXPECT_EQ(doc->m_assignmentCount, 0);
    EXPECT_EQ(doc->m_showNames, 1);
    EXPECT_EQ(doc->m_firstIncluded, 0);
    EXPECT_FALSE(doc->IsModified());
    for (const CAssignment& a : doc->m_assignments) {
        EXPECT_EQ(a.m_lastIndex, 0);
        EXPECT_EQ(a.m_pointsPossible, 0.0);
        EXPECT_EQ(a.m_scores.front(), MISSING_SCORE);
        EXPECT_EQ(a.m_scores.back(), MISSING_SCORE);
    }
}

TEST(DocOperations, AddStudentGivesMissingScoresAndLeavesReservedText) {
    auto doc = NewClass();
    EXPECT_EQ(doc->AddStudent({}), CMarkwiseDoc::AddResult::Ignored);
    EXPECT_FALSE(doc->IsModified());

    AddNamed(*doc, "Lee", "Ann", "1");
    for (int a = 0; a < 3; ++a)
        AddScored(*doc, 10, {7});
    doc->m_assignments[1].m_scores[1] = 4; // a leftover in the slot about to be used
    doc->m_reservedText[10] = "kept";
    doc->SetModifiedFlag(false);

    EXPECT_EQ(doc->AddStudent({"", "Only", "", "", "", ""}), CMarkwiseDoc::AddResult::Added);
    EXPECT_TRUE(doc->IsModified());
    EXPECT_EQ(doc->m_studentCount, 2);
    EXPECT_EQ(doc->m_lastName[1], "Only");
    EXPECT_EQ(doc->m_reservedText[10], "kept");
    for (int a = 0; a < 3; ++a) {
        EXPECT_EQ(doc->m_assignments[a].m_scores[1], MISSING_SCORE);
        EXPECT_EQ(doc->m_assignments[a].m_lastIndex, 1);
        EXPECT_EQ(doc->m_assignments[a].m_scores[0], 7);
    }
}

TEST(DocOperations, FullClassRefusesButIsMarkedModified) {
    auto doc = NewClass();
    for (int s = 0; s < kMaxStudents; ++s)
        AddNamed(*doc, "S" + std::to_string(s));
    ASSERT_EQ(doc->m_studentCount, kMaxStudents);
    doc->SetModifiedFlag(false);
    EXPECT_EQ(doc->AddStudent({"One", "Too many", "", "", "", ""}), CMarkwiseDoc::AddResult::Full);
    EXPECT_TRUE(doc->IsModified());
    EXPECT_EQ(doc->m_studentCount, kMaxStudents);
    EXPECT_EQ(doc->m_lastName[kMaxStudents - 1], "S999");

    for (int a = 0; a < kMaxAssignments; ++a)
        ASSERT_TRUE(doc->NewAssignment("A", "", 1));
    doc->SetModifiedFlag(false);
    EXPECT_FALSE(doc->NewAssignment("Extra", "", 1));
    EXPECT_FALSE(doc->IsModified());
    EXPECT_EQ(doc->m_assignmentCount, kMaxAssignments);
}

TEST(DocOperations, NewAssignmentInFreshAndReusedSlots) {
    auto doc = NewClass();
    for (int s = 0; s < 8; ++s)
        AddNamed(*doc, "S" + std::to_string(s));
    AddScored(*doc, 10, {1, 2, 3, 4, 5, 6, 7, 8});
    EXPECT_EQ(doc->m_assignments[0].m_lastIndex, 7);
    EXPECT_EQ(doc->m_assignments[0].m_title, "T0");
    EXPECT_EQ(doc->m_assignments[0].m_pointsPossible, 10);
    for (int s = 7; s >= 5; --s)
        doc->RemoveStudent(s);
    doc->RemoveAssignment(0);
    ASSERT_EQ(doc->m_studentCount, 5);
    ASSERT_EQ(doc->m_assignmentCount, 0);

    // Slot 0 was used before: its larger m_lastIndex and the scores above the class stay.
    doc->NewAssignment("Again", "d", 20);
    const CAssignment& reused = doc->m_assignments[0];
    EXPECT_EQ(reused.m_lastIndex, 7);
    for (int s = 0; s < 5; ++s)
        EXPECT_EQ(reused.m_scores[s], MISSING_SCORE);
    EXPECT_EQ(reused.m_scores[5], 6);
    EXPECT_EQ(reused.m_scores[7], 8);

    doc->NewAssignment("Fresh", "", 5);
    EXPECT_EQ(doc->m_assignments[1].m_lastIndex, 4);
    EXPECT_EQ(doc->m_assignments[1].m_scores[4], MISSING_SCORE);
}

TEST(DocOperations, RemoveStudentShiftsFollowingSlotsOnly) {
    auto doc = NewClass();
    for (int s = 0; s < 5; ++s)
        AddNamed(*doc, "L" + std::to_string(s), "F", std::to_string(s));
    AddScored(*doc, 10, {0, 1, 2, 3, 4});
    AddScored(*doc, 10, {10, 11, 12, 13, 14});
    for (int i = 0; i < 50; ++i)
        doc->m_reservedText[i] = "r" + std::to_string(i);
    doc->m_firstIncluded = 1;
    doc->SetModifiedFlag(false);

    doc->RemoveStudent(2);
    EXPECT_TRUE(doc->IsModified());
    EXPECT_EQ(doc->m_studentCount, 4);
    const char* expected[] = {"0", "1", "3", "4"};
    for (int s = 0; s < 4; ++s) {
        const StudentFields f = doc->GetStudent(s);
        EXPECT_EQ(f.lastName, std::string("L") + expected[s]);
        EXPECT_EQ(f.studentId, expected[s]);
        EXPECT_EQ(f.gradeLevel, std::string("g") + expected[s]);
        EXPECT_EQ(doc->m_assignments[0].m_scores[s], std::stod(expected[s]));
        EXPECT_EQ(doc->m_assignments[1].m_scores[s], 10 + std::stod(expected[s]));
    }
    // The vacated slot keeps its old contents as a leftover; nothing else moves.
    EXPECT_EQ(doc->m_lastName[4], "L4");
    EXPECT_EQ(doc->m_assignments[0].m_scores[4], 4);
    EXPECT_EQ(doc->m_assignments[0].m_lastIndex, 4);
    EXPECT_EQ(doc->m_assignments[1].m_lastIndex, 4);
    EXPECT_EQ(doc->m_firstIncluded, 1);
    for (int i = 0; i < 50; ++i)
        EXPECT_EQ(doc->m_reservedText[i], "r" + std::to_string(i));
}

TEST(DocOperations, RemoveAssignmentCopiesScoresUpToTheMovedLastIndex) {
    auto doc = NewClass();
    for (int s = 0; s < 5; ++s)
        AddNamed(*doc, "S" + std::to_string(s));
    AddScored(*doc, 10, {1, 2, 3, 4, 5});
    AddScored(*doc, 20, {6, 7, 8, 9, 10});
    AddScored(*doc, 30, {11, 12, 13, 14, 15});
    doc->m_assignments[1].m_lastIndex = 2; // as a file may hold it
    doc->m_assignments[1].m_description = "second";
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
    EXPECT_EQ(doc->m_assignments[1].m_title, "T2");
    EXPECT_EQ(doc->m_assignments[1].m_scores[4], 15);

    // m_firstIncluded is not adjusted and now exceeds every counted slot.
    EXPECT_EQ(doc->m_firstIncluded, 2);
    EXPECT_EQ(doc->GetTotalPossible(0), 0);
    EXPECT_EQ(doc->GetPercent(0), 100);
    EXPECT_EQ(doc->GetClassPossible(), 0);

    doc->RemoveAssignment(1);
    EXPECT_EQ(doc->m_assignmentCount, 1);
    EXPECT_EQ(doc->m_assignments[1].m_title, "T2");
}

TEST(DocOperations, EditAssignmentStoresScoreWithoutRaisingLastIndex) {
    auto doc = NewClass();
    AddNamed(*doc, "A");
    AddNamed(*doc, "B");
    AddScored(*doc, 10, {3, 4});
    doc->m_assignments[0].m_lastIndex = 0;
    doc->SetModifiedFlag(false);

    doc->EditAssignment(0, "Quiz", "short", 12, 1, MISSING_SCORE);
    EXPECT_TRUE(doc->IsModified());
    EXPECT_EQ(doc->m_assignments[0].m_title, "Quiz");
    EXPECT_EQ(doc->m_assignments[0].m_description, "short");
    EXPECT_EQ(doc->m_assignments[0].m_pointsPossible, 12);
    EXPECT_EQ(doc->m_assignments[0].m_scores[1], MISSING_SCORE);
    EXPECT_EQ(doc->m_assignments[0].m_lastIndex, 0);

    doc->EditAssignment(0, "Quiz", "", 12, -1, 99);
    EXPECT_EQ(doc->m_assignments[0].m_scores[0], 3);
    EXPECT_EQ(doc->m_assignments[0].m_scores[1], MISSING_SCORE);
}

TEST(DocOperations, SwapCarriesFieldsAndScoresButNotReservedText) {
    auto doc = NewClass();
    AddNamed(*doc, "A", "Al", "1");
    AddNamed(*doc, "B", "Bo", "2");
    AddScored(*doc, 10, {1, 2});
    AddScored(*doc, 10, {3, MISSING_SCORE});
    doc->m_reservedText[0] = "zero";
    doc->SwapStudents(0, 1);
    EXPECT_EQ(doc->GetFullName(0), "B, Bo");
    EXPECT_EQ(doc->GetStudent(0).phone, "phone-2");
    EXPECT_EQ(doc->GetStudent(1).gradeLevel, "g1");
    EXPECT_EQ(doc->m_assignments[0].m_scores[0], 2);
    EXPECT_EQ(doc->m_assignments[1].m_scores[0], MISSING_SCORE);
    EXPECT_EQ(doc->m_assignments[1].m_scores[1], 3);
    EXPECT_EQ(doc->m_reservedText[0], "zero");
    doc->SwapStudents(1, 1);
    EXPECT_EQ(doc->GetFullName(1), "A, Al");
}

TEST(DocOperations, IndicesOutsideTheClassChangeNothing) {
    auto doc = NewClass();
    AddNamed(*doc, "A");
    AddScored(*doc, 10, {5});
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
    EXPECT_EQ(doc->m_studentCount, 1);
    EXPECT_EQ(doc->m_assignmentCount, 1);
    EXPECT_EQ(doc->m_lastName[0], "A");
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

TEST(DocOperations, DamagedCountsNeverIndexPastTheArrays) {
    auto doc = NewClass();
    doc->m_studentCount = kMaxStudents + 5;
    doc->m_assignmentCount = -3;
    doc->m_firstIncluded = -7;
    EXPECT_EQ(doc->StudentsInUse(), kMaxStudents);
    EXPECT_EQ(doc->AssignmentsInUse(), 0);
    EXPECT_EQ(doc->AddStudent({"a", "b", "", "", "", ""}), CMarkwiseDoc::AddResult::Full);
    EXPECT_EQ(doc->GetClassPossible(), 0);
    doc->m_assignmentCount = kMaxAssignments + 1;
    doc->m_assignments[kMaxAssignments - 1].m_pointsPossible = 4;
    EXPECT_EQ(doc->GetClassPossible(), 4);
    EXPECT_FALSE(doc->NewAssignment("x", "", 1));
}

} // namespace
} // namespace markwise
