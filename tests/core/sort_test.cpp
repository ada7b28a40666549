#include "core/encoding.h"
#include "core/markwise_doc.h"
#include "core/sort.h"
#include "support/class_builder.h"

#include <cstring>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

namespace markwise {
namespace {

using test::AddAssignment;
using test::AddStudent;
using test::NewClass;
using Ids = std::vector<std::string>;

// Students whose last name and ID are the given text, in slot order.
std::unique_ptr<CMarkwiseDoc> ClassWithIds(const Ids& ids) {
    auto doc = NewClass();
    for (const std::string& id : ids)
        AddStudent(*doc, id, "", id);
    return doc;
}

Ids IdsOf(const CMarkwiseDoc& doc) {
    return {doc.m_studentId.begin(), doc.m_studentId.begin() + doc.m_studentCount};
}

TEST(Sort, ByNameComparesBytesAndEqualKeysTakeTheLaterStudentFirst) {
    auto doc = NewClass();
    const std::pair<const char*, const char*> names[] = {
        {"Smith", "Al"}, {"smith", "Al"},      {"Baker", "Al"}, {"Smithe", "Al"},
        {"Smith", "Bo"}, {"\u00C9mile", "Al"}, {"Zed", "Al"}}; // E acute: above every ASCII byte
    for (const auto& [last, first] : names)
        AddStudent(*doc, last, first, std::to_string(doc->m_studentCount));
    doc->SetModifiedFlag(false);
    SortByName(*doc);
    EXPECT_EQ(IdsOf(*doc), (Ids{"2", "0", "4", "3", "6", "1", "5"}));
    EXPECT_FALSE(doc->IsModified());

    auto same = ClassWithIds({"Same", "Same"});
    same->m_studentId[1] = "second";
    SortByName(*same);
    EXPECT_EQ(IdsOf(*same), (Ids{"second", "Same"}));

    auto scores = ClassWithIds({"0", "1", "2", "3"});
    AddAssignment(*scores, 10, {4, MISSING_SCORE, 4, MISSING_SCORE});
    SortByAssignment(*scores, 0);
    EXPECT_EQ(IdsOf(*scores), (Ids{"2", "0", "3", "1"}));
}

// The order of names that fit Windows-1252 is the bytes' order, as it has always been; other
// characters come after every byte, by code point.
TEST(Sort, NameKeysKeepTheByteOrderAndPutOtherCharactersAfterIt) {
    std::mt19937 rng(20261207);
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    const auto sign = [](int v) { return (v > 0) - (v < 0); };
    for (int round = 0; round < 5000; ++round) {
        // Short texts over a few bytes collide often; NUL ends a name as it always did.
        std::string a(pick(0, 4), '\0');
        std::string b(pick(0, 4), '\0');
        const char bytes[] = {'\0', 'A', 'a', 'z', '\x80', '\x9F', '\xC9', '\xFE', '\xFF'};
        for (std::string* text : {&a, &b})
            for (char& c : *text)
                c = pick(0, 3) == 0 ? bytes[pick(0, 8)] : static_cast<char>(pick(1, 255));
        EXPECT_EQ(sign(NameSortKey(Cp1252ToUtf8(a)).compare(NameSortKey(Cp1252ToUtf8(b)))),
                  sign(std::strcmp(a.c_str(), b.c_str())))
            << testing::PrintToString(a) << " " << testing::PrintToString(b);
    }
    const char* ascending[] = {
        "",       "Z",           "a",      "\u00FF", "\u00FFz",    "\u00FF\u00FF",
        "\u0100", "\u0141ukasz", "\u0418", "\u738B", "\U0001F600", "\U0001F600a"};
    for (std::size_t i = 0; i + 1 < std::size(ascending); ++i)
        EXPECT_LT(NameSortKey(ascending[i]), NameSortKey(ascending[i + 1])) << ascending[i];
    EXPECT_EQ(NameSortKey(std::string("ab\0\u738B", 6)), NameSortKey("ab"));

    auto doc = NewClass();
    for (const char* last :
         {"\u738B", "\u00D6zdemir", "\u0141ukasz", "Nguy\u1EC5n",
          "\u0418\u0432\u0430\u043D\u043E\u0432\u0430", "\u014Ce", "Dvo\u0159\u00E1k"})
        AddStudent(*doc, last, "", std::to_string(doc->m_studentCount));
    SortByName(*doc);
    EXPECT_EQ(IdsOf(*doc), (Ids{"6", "3", "1", "2", "5", "4", "0"}));
}

TEST(Sort, ByAssignmentPutsMissingBelowZeroAndCarriesEverything) {
    auto doc = ClassWithIds({"0", "1", "2", "3"});
    AddAssignment(*doc, 10, {1, 2, 3, 4});
    AddAssignment(*doc, 10, {5, MISSING_SCORE, 0, -1});
    doc->m_reservedText[10] = "r10";
    doc->m_firstIncluded = 1; // plays no part
    SortByAssignment(*doc, 1);
    EXPECT_EQ(IdsOf(*doc), (Ids{"0", "2", "1", "3"}));
    const auto original = ClassWithIds({"0", "1", "2", "3"});
    for (int s = 0; s < 4; ++s) {
        SCOPED_TRACE(s);
        const int old = std::stoi(doc->m_studentId[s]);
        for (const StudentFieldColumn& c : kStudentFieldColumns)
            EXPECT_EQ((*doc.*c.column)[s], (*original.*c.column)[old]);
        EXPECT_EQ(doc->m_assignments[0].m_scores[s], old + 1);
    }
    EXPECT_EQ(doc->m_reservedText[10], "r10");
    doc->SetModifiedFlag(false);
    SortByAssignment(*doc, 2); // no such assignment
    EXPECT_FALSE(doc->IsModified());

    // By total: 99, 100 (nothing possible), 50 and -10 percent.
    auto totals = ClassWithIds({"low", "none", "half", "neg"});
    AddAssignment(*totals, 100, {99, MISSING_SCORE, MISSING_SCORE, -10});
    AddAssignment(*totals, 2, {MISSING_SCORE, MISSING_SCORE, 1, MISSING_SCORE});
    totals->SetModifiedFlag(false);
    SortByTotal(*totals);
    EXPECT_EQ(IdsOf(*totals), (Ids{"none", "low", "half", "neg"}));
    EXPECT_TRUE(totals->IsModified());
}

// The plain reading of the classic sort: exchanges made on the class as the scan goes,
// every comparison recomputing both percents.
void PlainSortByTotal(CMarkwiseDoc& doc) {
    const int n = doc.m_studentCount;
    for (int i = 0; i < n; ++i) {
        double best = doc.GetPercent(i);
        int b = i;
        for (int j = i; j < n; ++j) {
            if (!(doc.GetPercent(j) < best)) {
                best = doc.GetPercent(j);
                b = j;
            }
        }
        doc.SwapStudents(i, b);
    }
}

TEST(Sort, ByTotalGivesThePlainSortsOrderTiesIncluded) {
    auto fast = test::FilledClass(300, 7); // many equal percents
    auto plain = std::make_unique<CMarkwiseDoc>(*fast);
    SortByTotal(*fast);
    PlainSortByTotal(*plain);
    EXPECT_EQ(IdsOf(*fast), IdsOf(*plain));
}

TEST(Sort, ShuffleFollowsTheClassicGenerator) {
    // Seed 1 draws 41, 18467, 6334, 26500, 19169: partners 0, 2, 0, 4, 2.
    auto doc = ClassWithIds({"A", "B", "C", "D", "E"});
    ShuffleStudents(*doc, 1);
    EXPECT_EQ(IdsOf(*doc), (Ids{"B", "C", "D", "E", "A"}));

    // Seed 30091 first draws 32767, whose partner would be slot n; it is taken as n - 1.
    auto pair = ClassWithIds({"A", "B"});
    ShuffleStudents(*pair, 30091);
    EXPECT_EQ(IdsOf(*pair), (Ids{"B", "A"}));
}

} // namespace
} // namespace markwise
