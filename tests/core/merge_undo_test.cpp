#include "core/class_file.h"
#include "core/csv_merge.h"
#include "core/merge_undo.h"
#include "core/policy_grade.h"
#include "same_slots.h"
#include "support/class_builder.h"

#include <gtest/gtest.h>

namespace markwise {
namespace {

// Undo must give back the very file and every slot: a new assignment lands in a slot that
// holds an earlier assignment's leftovers (a mark among them), a score set for a student
// above an assignment's stored length lengthens what the file stores, and marks merged in
// or cleared come back as they were, with and without categories.
TEST(MergeUndo, RevertGivesBackTheSameFileBytes) {
    struct Case {
        std::string csv;
        std::size_t added, changes;
        int assignment, student;
        const char* shown; // one cell as the sheet shows it once applied
    };
    const Case cases[] = {
        {"Student ID,Quiz,Bonus (1 pt),Extra (2 pts)\n7,,1,\n9,4,,2\n42,1,1,1\n", 2, 3, 0, 2, "4"},
        {"Last Name,First Name,Student ID,Grade Level,Book Number,Phone,Quiz,Bonus\n"
         "Points Possible,,,,,,10,1\nDescription,,,,,,,\n,,7,,,,EX,M\n,,8,,,,5,EX\n,,9,,,,M,\n",
         1, 4, 0, 1, "5"}, // Smith's excused quiz becomes 5; Young's missing work stays
        {"Student,ID,SIS User ID,SIS Login ID,Section,Quiz (88101),Gone (12)\n"
         "Points Possible,,,,,10,20\n\"Lee, Ann\",,7,,,EX,EX\n\"Young, Cy\",,9,,,3,12\n",
         1, 4, 1, 0, "EX"}, // a new assignment's excused score in the slot "Gone" left
    };
    for (const bool categories : {false, true}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(c.csv);
            auto doc = test::NewClass();
            test::AddStudent(*doc, "Lee", "Ann", "7");
            test::AddAssignment(*doc, 10, {9}, "Quiz");
            test::AddAssignment(*doc, 20, {15}, "Gone");
            doc->StoreMarkedScore(1, 0, 0, ScoreMark::MissingWork);
            doc->RemoveAssignment(1); // slot 1 keeps "Gone", its score and mark as leftovers
            test::AddStudent(*doc, "Smith", "Bob", "8");
            test::AddStudent(*doc, "Young", "Cy", "9");
            doc->StoreMarkedScore(0, 1, 0, ScoreMark::Excused);
            doc->StoreMarkedScore(0, 2, 0, ScoreMark::MissingWork);
            if (categories)
                doc->m_policy.categories = {{"Quizzes", 40, 1}, {"Other", 60, 0}};
            // As a file may hold it: entries stored for the first student only.
            doc->m_assignments[0].m_lastIndex = 0;
            doc->SetModifiedFlag(false);
            const auto original = std::make_unique<CMarkwiseDoc>(*doc);
            const std::vector<unsigned char> before = WriteClass(*doc);

            CsvSheet sheet;
            std::string error;
            ASSERT_TRUE(ReadCsvSheet(c.csv, sheet, error, AssignmentTitles(*doc))) << error;
            MergePlan plan;
            ASSERT_TRUE(PlanMerge(*doc, sheet, MergeMatch::Id, plan, error)) << error;
            ASSERT_EQ(plan.added.size(), c.added);
            EXPECT_EQ(plan.changes.size(), c.changes);

            const MergeUndoState state = SaveMergeUndoState(*doc, plan);
            ApplyMergePlan(*doc, plan);
            EXPECT_EQ(ScoreCellText(*doc, c.assignment, c.student), c.shown);
            EXPECT_NE(WriteClass(*doc), before);

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
    }
}

} // namespace
} // namespace markwise
