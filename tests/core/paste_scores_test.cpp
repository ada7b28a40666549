#include "core/merge_undo.h"
#include "core/paste_scores.h"
#include "core/policy_grade.h"
#include "same_slots.h"
#include "support/class_builder.h"

#include <gtest/gtest.h>

namespace markwise {
namespace {

using test::AddAssignment;
using test::AddStudent;
using test::NewClass;

constexpr double kNone = MISSING_SCORE;

// Three students, Lee, Kim and Ono; Quiz (1, 2, 3) and Lab (none, 5, 6).
std::unique_ptr<CMarkwiseDoc> Sheet() {
    auto doc = NewClass();
    for (const char* name : {"Lee", "Kim", "Ono"})
        AddStudent(*doc, name, "Ann");
    AddAssignment(*doc, 10, {1, 2, 3}, "Quiz");
    AddAssignment(*doc, 10, {kNone, 5, 6}, "Lab");
    return doc;
}

std::vector<double> All(const CMarkwiseDoc& doc) {
    std::vector<double> out;
    for (int a = 0; a < 2; ++a)
        for (int s = 0; s < 3; ++s)
            out.push_back(doc.m_assignments[a].m_scores[s]);
    return out;
}

TEST(PasteScores, ColumnsRowsAndBlocksAsSpreadsheetsCopyThem) {
    struct Case {
        const char* text;
        int student, assignment;
        char decimal;
        std::vector<double> after; // Quiz then Lab, in student order
    };
    const Case cases[] = {
        {"7\n8\n9\n", 0, 0, '.', {7, 8, 9, kNone, 5, 6}},         // a column with its line end
        {"7\r\n8.5\r\n", 1, 0, '.', {1, 7, 8.5, kNone, 5, 6}},    // Windows line ends
        {"7\t8", 2, 0, '.', {1, 2, 7, kNone, 5, 8}},              // a row
        {"4\tN/A\n\t9\n", 0, 0, '.', {4, kNone, 3, kNone, 9, 6}}, // a block; blank is none
        {"7,5\n8,25", 0, 1, ',', {1, 2, 3, 7.5, 8.25, 6}},        // decimal commas
        {"7.5;1", 2, 0, ',', {1, 2, 7.5, kNone, 5, 1}},           // ';' where ',' is decimal
        {"7.5,1", 2, 0, '.', {1, 2, 7.5, kNone, 5, 1}},
        {" 7 \t\xC2\xA0"
         "8\xC2\xA0",
         1,
         0,
         '.',
         {1, 7, 3, kNone, 8, 6}}, // spaces around
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        auto doc = Sheet();
        std::vector<MergeScoreChange> changes;
        std::string error;
        ASSERT_TRUE(PlanPaste(*doc, c.student, c.assignment, c.text, c.decimal, changes, error))
            << error;
        MergePlan plan;
        plan.changes = changes;
        auto edit = MergeEdit(plan);
        edit->Apply(*doc);
        EXPECT_EQ(All(*doc), c.after);
        edit->Revert(*doc);
        EXPECT_EQ(All(*doc), All(*Sheet()));
        for (const MergeScoreChange& change : changes)
            EXPECT_NE(change.oldScore, change.newScore); // only what changes is listed
    }
}

TEST(PasteScores, ABadCellOrTooLargeABlockPastesNothing) {
    const std::tuple<const char*, int, int, std::string> cases[] = {
        {"7\nabc\n9", 0, 0,
         "\"abc\" (row 2, column 1 of the pasted cells, \"Quiz\" for Kim, Ann) is not a score. "
         "Nothing was pasted."},
        {"7\t8\t9", 0, 0,
         "The pasted scores are 1 row by 3 columns; from \"Quiz\" for Lee, Ann the class has room "
         "for 1 row by 2 columns. Nothing was pasted."},
        {"1\n2\n3", 1, 1,
         "The pasted scores are 3 rows by 1 column; from \"Lab\" for Kim, Ann the class has room "
         "for 2 rows by 1 column. Nothing was pasted."},
        {"7,5", 0, 1,
         "The pasted scores are 1 row by 2 columns; from \"Lab\" for Lee, Ann the class has room "
         "for 1 row by 1 column. Nothing was pasted."},
        {"EX\nMW\n7", 0, 0,
         "\"MW\" (row 2, column 1 of the pasted cells, \"Quiz\" for Kim, Ann) is not a score. "
         "Nothing was pasted."},
        {"M\tEX\nE X\t1", 1, 0,
         "\"E X\" (row 2, column 1 of the pasted cells, \"Quiz\" for Ono, Ann) is not a score. "
         "Nothing was pasted."},
        {"7", 0, 2, "Choose the score cell the pasted scores begin at."},
        {"7", 3, 0, "Choose the score cell the pasted scores begin at."},
    };
    for (const auto& [text, student, assignment, message] : cases) {
        auto doc = Sheet();
        std::vector<MergeScoreChange> changes{{0, 0, 1, 2}};
        std::string error;
        EXPECT_FALSE(PlanPaste(*doc, student, assignment, text, '.', changes, error));
        EXPECT_EQ(error, message);
        EXPECT_TRUE(changes.empty());
    }
}

TEST(PasteScores, FillDownAndBlockText) {
    auto doc = Sheet();
    const ScoreBlock block{0, 2, 0, 1};
    EXPECT_EQ(BlockAsTabText(*doc, block), "1\tN/A\n2\t5\n3\t6\n");
    EXPECT_EQ(BlockAsTabText(*doc, {1, 1, 1, 1}), "5\n");
    const std::vector<MergeScoreChange> changes = PlanFillDown(*doc, block);
    MergePlan plan;
    plan.changes = changes;
    MergeEdit(plan)->Apply(*doc);
    EXPECT_EQ(All(*doc), (std::vector<double>{1, 1, 1, kNone, kNone, kNone}));
    EXPECT_TRUE(PlanFillDown(*doc, block).empty());
    EXPECT_TRUE(PlanFillDown(*doc, {0, 0, 0, 1}).empty()); // the first row: nothing above
    doc = Sheet();
    const auto fromAbove = PlanFillDown(*doc, {2, 2, 1, 1}); // one cell: the one above it
    ASSERT_EQ(fromAbove.size(), 1u);
    EXPECT_EQ(fromAbove[0].student, 2);
    EXPECT_EQ(fromAbove[0].newScore, 5);
    EXPECT_EQ(ScoreBlock{}.Rows(), 0);
    EXPECT_EQ(block.Rows() * block.Columns(), 6);
}

// The sheet as it shows: Quiz then Lab, in student order.
std::vector<std::string> Shown(const CMarkwiseDoc& doc) {
    std::vector<std::string> out;
    for (int a = 0; a < 2; ++a)
        for (int s = 0; s < 3; ++s)
            out.push_back(ScoreCellText(doc, a, s));
    return out;
}

// Sheet() with Lee's Lab excused and Ono's Quiz missing work.
std::unique_ptr<CMarkwiseDoc> MarkedSheet() {
    auto doc = Sheet();
    doc->StoreMarkedScore(1, 0, 0, ScoreMark::Excused);
    doc->StoreMarkedScore(0, 2, 0, ScoreMark::MissingWork);
    return doc;
}

// Pasted "EX" and "M" set marks; a number, blank or "N/A" pasted over a mark clears it,
// even where the score stays the same; a cell already so marked is no change. Undo gives
// back every mark.
TEST(PasteScores, MarksPasteAndNumbersClearThem) {
    struct Case {
        const char* text;
        int student, assignment;
        std::size_t changes;
        std::vector<std::string> after; // as shown: Quiz then Lab, in student order
    };
    const Case cases[] = {
        {"EX\nm\n", 0, 0, 2, {"EX", "M", "M", "EX", "5", "6"}},
        {"7", 0, 1, 1, {"1", "2", "M", "7", "5", "6"}},
        {"N/A", 0, 1, 1, {"1", "2", "M", "N/A", "5", "6"}}, // same score, the mark goes
        {"", 0, 1, 1, {"1", "2", "M", "N/A", "5", "6"}},
        {"EX", 0, 1, 0, {"1", "2", "M", "EX", "5", "6"}},
        {"0", 2, 0, 1, {"1", "2", "0", "EX", "5", "6"}},
        {"M", 2, 0, 0, {"1", "2", "M", "EX", "5", "6"}},
        {" ex \t M", 1, 0, 2, {"1", "EX", "M", "EX", "M", "6"}},
        {"4\tEX\nM\t\n", 1, 0, 3, {"1", "4", "M", "EX", "EX", "N/A"}},
        {"m;ex\n0,5;1", 0, 0, 3, {"M", "0.5", "M", "EX", "1", "6"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        auto doc = MarkedSheet();
        const auto original = std::make_unique<CMarkwiseDoc>(*doc);
        std::vector<MergeScoreChange> changes;
        std::string error;
        const char decimal =
            std::string_view(c.text).find(';') == std::string_view::npos ? '.' : ',';
        ASSERT_TRUE(PlanPaste(*doc, c.student, c.assignment, c.text, decimal, changes, error))
            << error;
        EXPECT_EQ(changes.size(), c.changes);
        MergePlan plan;
        plan.changes = changes;
        auto edit = MergeEdit(plan);
        edit->Apply(*doc);
        EXPECT_EQ(Shown(*doc), c.after);
        edit->Revert(*doc);
        EXPECT_TRUE(test::SameSlots(*doc, *original));
        EXPECT_EQ(Shown(*doc), Shown(*MarkedSheet()));
    }
}

// Fill Down copies the top cell's mark with its score; a copied block pastes back with its
// marks.
TEST(PasteScores, FillDownAndCopyCarryMarks) {
    struct Case {
        ScoreBlock block;
        std::size_t changes;
        std::vector<std::string> after;
    };
    const Case cases[] = {
        {{0, 2, 1, 1}, 2, {"1", "2", "M", "EX", "EX", "EX"}}, // the excused top down the Lab
        {{0, 2, 0, 0}, 2, {"1", "1", "1", "EX", "5", "6"}},   // a number clears Ono's mark
        {{1, 1, 1, 1}, 1, {"1", "2", "M", "EX", "EX", "6"}},  // one cell: the one above it
        {{2, 2, 0, 0}, 1, {"1", "2", "2", "EX", "5", "6"}},
        {{1, 2, 0, 1}, 2, {"1", "2", "2", "EX", "5", "5"}},
        {{0, 0, 1, 1}, 0, {"1", "2", "M", "EX", "5", "6"}}, // the first row: nothing above
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.block.firstStudent * 1000 + c.block.lastStudent * 100 +
                     c.block.firstAssignment * 10 + c.block.lastAssignment);
        auto doc = MarkedSheet();
        const auto original = std::make_unique<CMarkwiseDoc>(*doc);
        MergePlan plan;
        plan.changes = PlanFillDown(*doc, c.block);
        EXPECT_EQ(plan.changes.size(), c.changes);
        auto edit = MergeEdit(plan);
        edit->Apply(*doc);
        EXPECT_EQ(Shown(*doc), c.after);
        EXPECT_TRUE(PlanFillDown(*doc, c.block).empty()); // filled: again changes nothing
        edit->Revert(*doc);
        EXPECT_TRUE(test::SameSlots(*doc, *original));
    }

    const auto marked = MarkedSheet();
    const std::string text = BlockAsTabText(*marked, {0, 2, 0, 1});
    EXPECT_EQ(text, "1\tEX\n2\t5\nM\t6\n");
    auto doc = Sheet();
    std::vector<MergeScoreChange> changes;
    std::string error;
    ASSERT_TRUE(PlanPaste(*doc, 0, 0, text, '.', changes, error)) << error;
    EXPECT_EQ(changes.size(), 2u);
    MergePlan plan;
    plan.changes = changes;
    MergeEdit(plan)->Apply(*doc);
    EXPECT_TRUE(test::SameSlots(*doc, *marked));
}

} // namespace
} // namespace markwise
