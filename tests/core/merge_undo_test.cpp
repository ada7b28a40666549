#include "core/class_file.h"
#include "core/csv_merge.h"
#include "core/merge_undo.h"
#include "same_slots.h"
#include "support/class_builder.h"

#include <gtest/gtest.h>

namespace markwise {
namespace {

// Undo must give back the very file and every slot: a new assignment lands in a slot that
// holds an earlier assignment's leftovers, and a score set for a student above an
// assignment's stored length lengthens what the file stores.
TEST(MergeUndo, RevertGivesBackTheSameFileBytes) {
    auto doc = test::NewClass();
    test::AddStudent(*doc, "Lee", "Ann", "7");
    test::AddAssignment(*doc, 10, {9}, "Quiz");
    test::AddAssignment(*doc, 20, {15}, "Gone");
    doc->RemoveAssignment(1); // slot 1 keeps "Gone" and its score as leftovers
    test::AddStudent(*doc, "Smith", "Bob", "8");
    test::AddStudent(*doc, "Young", "Cy", "9");
    // As a file may hold it: entries stored for the first student only.
    doc->m_assignments[0].m_lastIndex = 0;
    doc->SetModifiedFlag(false);
    const auto original = std::make_unique<CMarkwiseDoc>(*doc);
    const std::vector<unsigned char> before = WriteClass(*doc);

    CsvSheet sheet;
    std::string error;
    ASSERT_TRUE(
        ReadCsvSheet("Student ID,Quiz,Bonus (1 pt),Extra (2 pts)\n7,,1,\n9,4,,2\n42,1,1,1\n", sheet,
                     error, AssignmentTitles(*doc)))
        << error;
    MergePlan plan;
    ASSERT_TRUE(PlanMerge(*doc, sheet, MergeMatch::Id, plan, error)) << error;
    ASSERT_EQ(plan.added.size(), 2u);

    const MergeUndoState state = SaveMergeUndoState(*doc, plan);
    ApplyMergePlan(*doc, plan);
    EXPECT_EQ(doc->m_assignments[0].m_scores[2], 4.0);

    RevertMergePlan(*doc, plan, state);
    EXPECT_EQ(WriteClass(*doc), before);
    EXPECT_TRUE(test::SameSlots(*doc, *original));
    // Applying again after the revert makes the same change.
    ApplyMergePlan(*doc, plan);
    const std::vector<unsigned char> applied = WriteClass(*doc);
    RevertMergePlan(*doc, plan, state);
    ApplyMergePlan(*doc, plan);
    EXPECT_EQ(WriteClass(*doc), applied);
}

} // namespace
} // namespace markwise
