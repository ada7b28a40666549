#include "core/class_file.h"
#include "core/csv_layout.h"
#include "core/csv_merge.h"
#include "support/class_builder.h"

#include <gtest/gtest.h>

namespace markwise {
namespace {

using test::AddAssignment;
using test::AddStudent;
using test::NewClass;

// Lee, Ann (7) and Smith, Bob (8) with Quiz (10 points): 9 and missing.
std::unique_ptr<CMarkwiseDoc> SmallClass() {
    auto doc = NewClass();
    AddStudent(*doc, "Lee", "Ann", "7");
    AddStudent(*doc, "Smith", "Bob", "8");
    AddAssignment(*doc, 10, {9, MISSING_SCORE}, "Quiz");
    doc->SetModifiedFlag(false);
    return doc;
}

bool Plan(const CMarkwiseDoc& doc, const std::string& csv, MergeMatch match, MergePlan& plan,
          std::string& error) {
    CsvSheet sheet;
    return ReadCsvSheet(csv, sheet, error, AssignmentTitles(doc)) &&
           PlanMerge(doc, sheet, match, plan, error);
}

TEST(CsvMerge, ByIdAndByNameKeepBlanksSkipStrangersAndAddAssignments) {
    struct Case {
        MergeMatch match;
        std::string csv;
    };
    // The same merge told both ways: Ann's quiz 9 -> 6, Bob's blank quiz stays missing,
    // a stranger is skipped, "Bonus" is new (5 points from its points row).
    const Case cases[] = {
        {MergeMatch::Id, "ID Number,Quiz,Bonus\nPoints Possible,,5\n 7 ,6,2\n8,,4\n99,1,1\n"},
        {MergeMatch::Name,
         "Last Name,First Name, quiz ,Bonus\nPoints Possible,,,5\n LEE ,ann,6,2\nsmith,BOB,,4\n"
         "Nobody,Here,1,1\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.csv);
        auto doc = SmallClass();
        MergePlan plan;
        std::string error;
        ASSERT_TRUE(Plan(*doc, c.csv, c.match, plan, error)) << error;
        EXPECT_EQ(plan.SummaryText(),
                  "matched=2\nskipped=1\nassignments added=1\nscores changed=3\n");
        ASSERT_EQ(plan.skipped.size(), 1u);
        EXPECT_EQ(plan.skipped[0].line, 5);
        EXPECT_EQ(plan.skipped[0].name, c.match == MergeMatch::Id ? "99" : "Nobody, Here");
        ASSERT_EQ(plan.changes.size(), 3u);
        EXPECT_EQ(plan.changes[0].oldScore, 9);
        EXPECT_EQ(plan.changes[1].oldScore, MISSING_SCORE);
        EXPECT_FALSE(doc->IsModified()); // planning changes nothing

        ApplyMergePlan(*doc, plan);
        EXPECT_TRUE(doc->IsModified());
        EXPECT_EQ(ExportCsv(*doc, CsvLayout::Markwise),
                  "Last Name,First Name,Student ID,Grade Level,Book Number,Phone,Quiz,Bonus\n"
                  "Points Possible,,,,,,10,5\nDescription,,,,,,,\n"
                  "Lee,Ann,7,G0,B0,555-0,6,2\nSmith,Bob,8,G1,B1,555-1,,4\n");

        // The same file again changes nothing.
        ASSERT_TRUE(Plan(*doc, c.csv, c.match, plan, error)) << error;
        EXPECT_EQ(plan.SummaryText(),
                  "matched=2\nskipped=1\nassignments added=0\nscores changed=0\n");
    }
}

TEST(CsvMerge, AmbiguousKeysAndTitlesAreRefusedWithNothingChanged) {
    auto doc = SmallClass();
    AddStudent(*doc, "Lee", "Ann", "7"); // a second Ann Lee with the same ID
    AddAssignment(*doc, 10, {}, "Test");
    AddAssignment(*doc, 10, {}, "test ");
    const auto before = WriteClass(*doc);
    const std::tuple<MergeMatch, std::string, std::string> cases[] = {
        {MergeMatch::Id, "ID Number,Quiz\n8,1\n 8,2\n",
         "line 3, column \"ID Number\": student ID \" 8\" also appears on line 2. Correct one of "
         "the two rows, or delete one."},
        {MergeMatch::Name, "Name,Quiz\nBob Smith,1\nbob smith,2\n",
         "line 3, column \"Name\": name \"smith, bob\" also appears on line 2. Correct one of the "
         "two rows, or delete one."},
        {MergeMatch::Id, "ID Number,Quiz\n7,1\n",
         "line 2, column \"ID Number\": student ID \"7\" belongs to two students in the class. "
         "Tell them apart in the class, or match by name."},
        {MergeMatch::Name, "Name,Quiz\n\"Lee, Ann\",1\n",
         "line 2, column \"Name\": name \"Lee, Ann\" belongs to two students in the class. Tell "
         "them apart in the class, or match by student ID."},
        {MergeMatch::Id, "ID Number,Quiz,QUIZ\n8,1,2\n",
         "line 1, column \"QUIZ\": another column has the same title. Rename one of them, or "
         "mark one ignored."},
        {MergeMatch::Id, "ID Number,TEST\n8,1\n",
         "line 1, column \"TEST\": two assignments of the class have this title. Rename one of "
         "them, or choose the assignment it goes into in the preview."},
        {MergeMatch::Id, "Name,Quiz\nBob Smith,1\n",
         "line 1: no column holds student IDs. Title one \"Student ID\", or match by name."},
        {MergeMatch::Name, "ID Number,Quiz\n8,1\n",
         "line 1: no column holds names. Title one \"Name\" (or \"Last Name\" and \"First "
         "Name\"), or match by student ID."},
    };
    for (const auto& [match, csv, message] : cases) {
        SCOPED_TRACE(csv);
        MergePlan plan;
        plan.matched = 5;
        std::string error;
        EXPECT_FALSE(Plan(*doc, csv, match, plan, error));
        EXPECT_EQ(error, message);
        EXPECT_EQ(plan.matched, 0);
    }
    EXPECT_EQ(WriteClass(*doc), before);

    // A class near its 200 assignments cannot take more than fit.
    auto full = SmallClass();
    while (full->m_assignmentCount < kMaxAssignments - 1)
        AddAssignment(*full, 1, {});
    MergePlan plan;
    std::string error;
    EXPECT_TRUE(Plan(*full, "ID Number,New 1 (1 pt)\n7,1\n", MergeMatch::Id, plan, error)) << error;
    EXPECT_FALSE(Plan(*full, "ID Number,New 1,New 2\nPoints Possible,1,2\n7,1,2\n", MergeMatch::Id,
                      plan, error));
    EXPECT_EQ(error, "line 1, column \"New 2\": the class would have more than 200 assignments. "
                     "Mark the columns it does not need ignored.");
}

} // namespace
} // namespace markwise
