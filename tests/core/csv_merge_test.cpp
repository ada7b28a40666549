#include "core/class_file.h"
#include "core/csv_layout.h"
#include "core/csv_merge.h"
#include "core/merge_undo.h"
#include "core/number_text.h"
#include "core/policy_grade.h"
#include "same_slots.h"
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

// Lee, Ann (7): Quiz 9 of 10, Test 15 of 20; Smith, Bob (8): Quiz excused, Test missing
// work. With categories: Quizzes (Quiz) weighs 40, Tests (Test) 60.
std::unique_ptr<CMarkwiseDoc> MarkedClass(bool categories) {
    auto doc = NewClass();
    AddStudent(*doc, "Lee", "Ann", "7");
    AddStudent(*doc, "Smith", "Bob", "8");
    AddAssignment(*doc, 10, {9, 0}, "Quiz");
    AddAssignment(*doc, 20, {15, 0}, "Test");
    doc->StoreMarkedScore(0, 1, 0, ScoreMark::Excused);
    doc->StoreMarkedScore(1, 1, 0, ScoreMark::MissingWork);
    if (categories) {
        doc->m_policy.categories = {{"Quizzes", 40, 0}, {"Tests", 60, 0}};
        doc->m_assignments[1].m_category = 1;
    }
    doc->SetModifiedFlag(false);
    return doc;
}

// One cell of the program's own layout merged into the class: what it stores, whether it
// is a change at all, and the student's percent after it with points only and with the
// categories. The class's typed-score operation is the reference for what the file holds.
TEST(CsvMerge, MarksMergeInAndANumberClearsThem) {
    struct Case {
        int student, assignment;
        const char* cell;
        bool changes;
        const char* shown; // the cell as the sheet shows it afterwards
        double points, weighted;
    };
    const Case cases[] = {
        {0, 0, "EX", true, "EX", 75, 75}, // Quizzes left out of the weighted percent
        {0, 0, "ex", true, "EX", 75, 75},
        {0, 0, "M", true, "M", 50, 45},
        {0, 0, "9", false, "9", 80, 81},
        {0, 0, "90%", false, "9", 80, 81},
        {0, 0, "", false, "9", 80, 81}, // a blank cell keeps the score
        {0, 1, "EX", true, "EX", 90, 90},
        {1, 0, "EX", false, "EX", 0, 0}, // marked as before: no change
        {1, 0, "7", true, "7", 700.0 / 30, 28},
        {1, 0, "M", true, "M", 0, 0},
        {1, 0, "N/A", false, "EX", 0, 0},
        {1, 1, "0", true, "0", 0, 0}, // the same 0, but the mark goes
        {1, 1, "M", false, "M", 0, 0},
        {1, 1, "EX", true, "EX", 100, 100}, // nothing left possible
        {1, 1, "50%", true, "10", 50, 50},
    };
    for (const bool categories : {false, true}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(c.cell) + (categories ? " with categories" : "") + " at " +
                         std::to_string(c.student) + "," + std::to_string(c.assignment));
            auto doc = MarkedClass(categories);
            const auto original = std::make_unique<CMarkwiseDoc>(*doc);
            const std::vector<unsigned char> before = WriteClass(*doc);
            std::string row[2][2] = {{"", ""}, {"", ""}};
            row[c.student][c.assignment] = c.cell;
            const std::string csv =
                "Last Name,First Name,Student ID,Grade Level,Book Number,Phone,Quiz,Test\n"
                "Points Possible,,,,,,10,20\nDescription,,,,,,,\n,,7,,,," +
                row[0][0] + "," + row[0][1] + "\n,,8,,,," + row[1][0] + "," + row[1][1] + "\n";
            MergePlan plan;
            std::string error;
            ASSERT_TRUE(Plan(*doc, csv, MergeMatch::Id, plan, error)) << error;
            ASSERT_EQ(plan.changes.size(), c.changes ? 1u : 0u);
            EXPECT_EQ(plan.SummaryText(), std::string("matched=2\nskipped=0\nassignments added=0\n"
                                                      "scores changed=") +
                                              (c.changes ? "1" : "0") + "\n");

            auto edit = MergeEdit(plan);
            edit->Apply(*doc);
            EXPECT_EQ(ScoreCellText(*doc, c.assignment, c.student), c.shown);
            EXPECT_DOUBLE_EQ(doc->GetPercent(c.student), categories ? c.weighted : c.points);
            // The file holds what typing the cell would have stored.
            const auto typed = MarkedClass(categories);
            const std::optional<TypedScore> parsed = ParseTypedMarkedScore(c.shown);
            ASSERT_TRUE(parsed);
            typed->StoreMarkedScore(c.assignment, c.student, parsed->score, parsed->mark);
            EXPECT_EQ(WriteClass(*doc), WriteClass(*typed));

            edit->Revert(*doc);
            EXPECT_EQ(WriteClass(*doc), before);
            EXPECT_TRUE(test::SameSlots(*doc, *original));
            EXPECT_EQ(doc->GetMark(0, 1), ScoreMark::Excused);
            EXPECT_EQ(doc->GetMark(1, 1), ScoreMark::MissingWork);
        }
    }
}

// Marks in assignments the merge adds, and a platform's "EX": the new scores carry them,
// the preview's plan says which mark each had and gets, and undo gives back the file.
TEST(CsvMerge, MarksInAddedAssignmentsAndPlatformFiles) {
    struct Case {
        std::string csv;
        std::size_t added;
        // (assignment, student) -> shown text afterwards, for every cell of both students
        std::vector<std::string> shown; // Quiz, Test, then any added, Lee before Smith
    };
    const Case cases[] = {
        {"Last Name,First Name,Student ID,Grade Level,Book Number,Phone,Quiz,Bonus\n"
         "Points Possible,,,,,,10,5\nDescription,,,,,,,\n,,7,,,,M,EX\n,,8,,,,4,M\n",
         1,
         {"M", "4", "15", "M", "EX", "M"}},
        {"Student,ID,SIS User ID,SIS Login ID,Section,Quiz (88101),Lab (4455)\n"
         "Points Possible,,,,,10,8\n\"Lee, Ann\",,7,,,EX,EX\n\"Smith, Bob\",,8,,,6,7\n",
         1,
         {"EX", "6", "15", "M", "EX", "7"}},
        {"First name,Last name,ID number,Assignment: Test (Real)\nAnn,Lee,7,EX\nBob,Smith,8,-\n",
         0,
         {"9", "EX", "EX", "M"}},
    };
    for (const bool categories : {false, true}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(c.csv);
            auto doc = MarkedClass(categories);
            const auto original = std::make_unique<CMarkwiseDoc>(*doc);
            const std::vector<unsigned char> before = WriteClass(*doc);
            MergePlan plan;
            std::string error;
            ASSERT_TRUE(Plan(*doc, c.csv, MergeMatch::Id, plan, error)) << error;
            ASSERT_EQ(plan.added.size(), c.added);
            for (const MergeScoreChange& change : plan.changes) {
                EXPECT_EQ(change.oldMark, change.assignment < 2
                                              ? original->GetMark(change.assignment, change.student)
                                              : ScoreMark::None);
                EXPECT_EQ(AgreeingMark(change.newScore, change.newMark), change.newMark);
            }
            auto edit = MergeEdit(plan);
            edit->Apply(*doc);
            std::vector<std::string> shown;
            for (int a = 0; a < doc->m_assignmentCount; ++a)
                for (int s = 0; s < 2; ++s)
                    shown.push_back(ScoreCellText(*doc, a, s));
            EXPECT_EQ(shown, c.shown);
            // The marks survive the file.
            const std::vector<unsigned char> bytes = WriteClass(*doc);
            const auto back = ReadClass(bytes.data(), bytes.size(), error);
            ASSERT_TRUE(back) << error;
            for (int a = 0; a < doc->m_assignmentCount; ++a)
                for (int s = 0; s < 2; ++s)
                    EXPECT_EQ(back->GetMark(a, s), doc->GetMark(a, s));
            edit->Revert(*doc);
            EXPECT_EQ(WriteClass(*doc), before);
            EXPECT_TRUE(test::SameSlots(*doc, *original));
        }
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
