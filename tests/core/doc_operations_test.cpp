#include "core/markwise_doc.h"
#include "same_slots.h"
#include "support/class_builder.h"

#include <gtest/gtest.h>

namespace markwise {
namespace {

using test::AddAssignment;
using test::ClassOf;

TEST(DocOperations, AddStudentGivesMissingScoresAndAssignmentsStopAtTheLimit) {
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
    EXPECT_EQ(doc->m_reservedText[10], "kept");
    for (int a = 0; a < 3; ++a) {
        EXPECT_EQ(doc->m_assignments[a].m_scores[1], MISSING_SCORE);
        EXPECT_EQ(doc->m_assignments[a].m_lastIndex, 1);
    }
    while (doc->m_assignmentCount < kMaxAssignments)
        ASSERT_TRUE(doc->NewAssignment("A", "", 1));
    doc->SetModifiedFlag(false);
    EXPECT_FALSE(doc->NewAssignment("Extra", "", 1));
    EXPECT_FALSE(doc->IsModified());
}

TEST(DocOperations, NewAssignmentInFreshAndReusedSlots) {
    auto doc = ClassOf(8);
    AddAssignment(*doc, 10, {1, 2, 3, 4, 5, 6, 7, 8});
    for (int s = 7; s >= 5; --s)
        doc->RemoveStudent(s);
    doc->RemoveAssignment(0);
    // Slot 0 was used before: its larger m_lastIndex and the scores above the class stay.
    doc->NewAssignment("Again", "d", 20);
    EXPECT_EQ(doc->m_assignments[0].m_lastIndex, 7);
    EXPECT_EQ(doc->m_assignments[0].m_scores[4], MISSING_SCORE);
    EXPECT_EQ(doc->m_assignments[0].m_scores[7], 8);
    doc->NewAssignment("Fresh", "", 5);
    EXPECT_EQ(doc->m_assignments[1].m_lastIndex, 4);
}

TEST(DocOperations, RemoveStudentShiftsFollowingSlotsOnly) {
    auto doc = ClassOf(5);
    AddAssignment(*doc, 10, {0, 1, 2, 3, 4});
    doc->m_reservedText[20] = "r20";
    doc->SetModifiedFlag(false);
    doc->RemoveStudent(2);
    EXPECT_TRUE(doc->IsModified());
    EXPECT_EQ(doc->m_studentCount, 4);
    const auto original = ClassOf(5);
    const int oldSlot[] = {0, 1, 3, 4};
    for (int s = 0; s < 4; ++s) {
        SCOPED_TRACE(s);
        for (const StudentFieldColumn& c : kStudentFieldColumns)
            EXPECT_EQ((*doc.*c.column)[s], (*original.*c.column)[oldSlot[s]]);
        EXPECT_EQ(doc->m_assignments[0].m_scores[s], oldSlot[s]);
    }
    // The vacated slot keeps its old contents as a leftover; reserved text stays put.
    EXPECT_EQ(doc->m_lastName[4], "Last4");
    EXPECT_EQ(doc->m_assignments[0].m_scores[4], 4);
    EXPECT_EQ(doc->m_reservedText[20], "r20");
}

TEST(DocOperations, RemoveAndEditAssignment) {
    auto doc = ClassOf(5);
    AddAssignment(*doc, 10, {1, 2, 3, 4, 5});
    AddAssignment(*doc, 20, {6, 7, 8, 9, 10}, "T1", "second");
    AddAssignment(*doc, 30, {11, 12, 13, 14, 15});
    doc->m_assignments[1].m_lastIndex = 2; // as a file may hold it
    doc->m_firstIncluded = 2;
    doc->RemoveAssignment(0);
    const CAssignment& first = doc->m_assignments[0];
    EXPECT_EQ(first.m_description, "second");
    EXPECT_EQ(first.m_lastIndex, 2);
    EXPECT_EQ(first.m_scores[2], 8);
    EXPECT_EQ(first.m_scores[3], 4); // above the copied m_lastIndex: left as it was
    EXPECT_EQ(doc->m_assignments[1].m_scores[4], 15);
    EXPECT_EQ(doc->m_firstIncluded, 2); // not adjusted
    doc->RemoveAssignment(1);
    EXPECT_EQ(doc->m_assignmentCount, 1);
    EXPECT_EQ(doc->m_assignments[1].m_title, "T2"); // a leftover

    // Editing stores a score without raising m_lastIndex.
    doc->SetModifiedFlag(false);
    doc->StoreScore(0, 4, MISSING_SCORE);
    EXPECT_TRUE(doc->IsModified());
    EXPECT_EQ(first.m_scores[4], MISSING_SCORE);
    EXPECT_EQ(first.m_lastIndex, 2);
    // A student outside the class gets no score.
    for (int outside : {-1, 5}) {
        doc->StoreScore(0, outside, 99);
        EXPECT_EQ(first.m_scores[5], MISSING_SCORE);
    }
    EXPECT_EQ(first.m_scores[0], 6);
}

TEST(DocOperations, IndicesOutsideTheClassChangeNothing) {
    auto doc = ClassOf(1);
    AddAssignment(*doc, 10, {5});
    doc->SetModifiedFlag(false);
    const auto before = std::make_unique<CMarkwiseDoc>(*doc);
    doc->RemoveStudent(1);
    doc->EditStudent(-1, {"x", "y", "", "", "", ""});
    doc->RemoveAssignment(1);
    doc->StoreScore(1, 0, 1);
    doc->SwapStudents(0, 1);
    doc->m_assignments[0].SetScore(9, -1);
    doc->m_assignments[0].SetScore(9, kMaxStudents);
    EXPECT_FALSE(doc->IsModified());
    EXPECT_TRUE(test::SameSlots(*doc, *before));
    EXPECT_EQ(doc->GetTotalReceived(-1), 0);
    EXPECT_EQ(doc->GetTotalReceived(kMaxStudents), 0);
}

} // namespace
} // namespace markwise
