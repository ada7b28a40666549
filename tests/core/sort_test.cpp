#include "class_builder.h"
#include "core/markwise_doc.h"
#include "core/sort.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace markwise {
namespace {

using test::AddNamed;
using test::AddScored;
using test::NewClass;

std::vector<std::string> Ids(const CMarkwiseDoc& doc) {
    return {doc.m_studentId.begin(), doc.m_studentId.begin() + doc.m_studentCount};
}

TEST(Sort, ByNameComparesBytesAndLeavesModifiedFlag) {
    auto doc = NewClass();
    AddNamed(*doc, "Smith", "Al", "0");
    AddNamed(*doc, "smith", "Al", "1");
    AddNamed(*doc, "Baker", "Al", "2");
    AddNamed(*doc, "Smithe", "Al", "3");
    AddNamed(*doc, "Smith", "Bo", "4");
    AddNamed(*doc, "\xC9mile", "Al", "5"); // Windows-1252 E acute: above every ASCII byte
    AddNamed(*doc, "Zed", "Al", "6");
    doc->SetModifiedFlag(false);
    SortByName(*doc);
    EXPECT_EQ(Ids(*doc), (std::vector<std::string>{"2", "0", "4", "3", "6", "1", "5"}));
    EXPECT_FALSE(doc->IsModified());
}

TEST(Sort, EqualKeysTakeTheLaterStudentFirst) {
    auto doc = NewClass();
    AddNamed(*doc, "Same", "Name", "first");
    AddNamed(*doc, "Same", "Name", "second");
    SortByName(*doc);
    EXPECT_EQ(Ids(*doc), (std::vector<std::string>{"second", "first"}));

    // Percents 80, 95, 80 give 95, then the 80 from slot 2, then the one from slot 0.
    auto totals = NewClass();
    AddNamed(*totals, "A", "", "0");
    AddNamed(*totals, "B", "", "1");
    AddNamed(*totals, "C", "", "2");
    AddScored(*totals, 20, {16, 19, MISSING_SCORE});
    AddScored(*totals, 10, {MISSING_SCORE, MISSING_SCORE, 8});
    totals->SetModifiedFlag(false);
    SortByTotal(*totals);
    EXPECT_EQ(Ids(*totals), (std::vector<std::string>{"1", "2", "0"}));
    EXPECT_TRUE(totals->IsModified());
}

TEST(Sort, ByTotalUsesPercentNotPoints) {
    auto doc = NewClass();
    AddNamed(*doc, "Low", "", "low");      // 99 of 100 points: 99 percent
    AddNamed(*doc, "Nothing", "", "none"); // nothing possible: 100 percent
    AddNamed(*doc, "Half", "", "half");    // 1 of 2 points: 50 percent
    AddNamed(*doc, "Negative", "", "neg"); // below zero
    AddScored(*doc, 100, {99, MISSING_SCORE, MISSING_SCORE, -10});
    AddScored(*doc, 2, {MISSING_SCORE, MISSING_SCORE, 1, MISSING_SCORE});
    SortByTotal(*doc);
    EXPECT_EQ(Ids(*doc), (std::vector<std::string>{"none", "low", "half", "neg"}));
}

TEST(Sort, ByAssignmentPutsMissingBelowZeroAndCarriesEverything) {
    auto doc = NewClass();
    AddNamed(*doc, "A", "a", "0");
    AddNamed(*doc, "B", "b", "1");
    AddNamed(*doc, "C", "c", "2");
    AddNamed(*doc, "D", "d", "3");
    AddScored(*doc, 10, {1, 2, 3, 4});
    AddScored(*doc, 10, {5, MISSING_SCORE, 0, -1});
    for (int i = 0; i < 40; ++i)
        doc->m_reservedText[i] = std::to_string(i);
    doc->m_firstIncluded = 1; // plays no part
    doc->SetModifiedFlag(false);

    SortByAssignment(*doc, 1);
    EXPECT_TRUE(doc->IsModified());
    EXPECT_EQ(Ids(*doc), (std::vector<std::string>{"0", "2", "1", "3"}));
    const int oldSlot[] = {0, 2, 1, 3};
    for (int s = 0; s < 4; ++s) {
        const std::string id = std::to_string(oldSlot[s]);
        EXPECT_EQ(doc->m_bookNumber[s], "book-" + id);
        EXPECT_EQ(doc->m_phone[s], "phone-" + id);
        EXPECT_EQ(doc->m_gradeLevel[s], "g" + id);
        EXPECT_EQ(doc->m_assignments[0].m_scores[s], oldSlot[s] + 1);
    }
    EXPECT_EQ(doc->m_assignments[1].m_scores[2], MISSING_SCORE);
    for (int i = 0; i < 40; ++i)
        EXPECT_EQ(doc->m_reservedText[i], std::to_string(i));

    doc->SetModifiedFlag(false);
    SortByAssignment(*doc, 2); // no such assignment
    EXPECT_FALSE(doc->IsModified());
}

TEST(Sort, ShuffleFollowsTheClassicGenerator) {
    auto doc = NewClass();
    for (const char* id : {"A", "B", "C", "D", "E"})
        AddNamed(*doc, id, "", id);
    // Seed 1 draws 41, 18467, 6334, 26500, 19169: partners 0, 2, 0, 4, 2.
    ShuffleStudents(*doc, 1);
    EXPECT_EQ(Ids(*doc), (std::vector<std::string>{"B", "C", "D", "E", "A"}));

    // Seed 30091 first draws 32767, whose partner would be slot n; it is taken as n - 1.
    auto pair = NewClass();
    AddNamed(*pair, "A", "", "A");
    AddNamed(*pair, "B", "", "B");
    ShuffleStudents(*pair, 30091);
    EXPECT_EQ(Ids(*pair), (std::vector<std::string>{"B", "A"}));

    auto one = NewClass();
    AddNamed(*one, "Solo", "", "S");
    ShuffleStudents(*one, 30091);
    EXPECT_EQ(Ids(*one), (std::vector<std::string>{"S"}));

    auto empty = NewClass();
    ShuffleStudents(*empty, 7);
    EXPECT_TRUE(empty->IsModified());
    EXPECT_EQ(empty->m_studentCount, 0);
}

} // namespace
} // namespace markwise
