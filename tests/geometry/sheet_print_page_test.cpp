#include "geometry/report_title.h"
#include "geometry/sheet_print_page.h"
#include "sheet_test_doc.h"

#include <gtest/gtest.h>

namespace markwise {
namespace {

using test::MakeClass;

const CGradeCutoffs kDefaults;
// A letter-size printable area at 300 dpi with a 226-twip line.
const SheetPrintArea kPage{2400, 3150, 226};

int Line(int k) {
    return k * 226;
}

// Texts of one page at x == 0 on the student lines, in order.
std::vector<std::string> NamesOnPage(const SheetPrintPage& page) {
    std::vector<std::string> names;
    for (const DrawText& t : page.texts) {
        if (t.x == 0 && t.y >= Line(6) && t.y < Line(6 + page.studentLines)) {
            names.push_back(t.text);
        }
    }
    return names;
}

TEST(SheetPrintPage, HundredStudentsOnThreePages) {
    auto doc = MakeClass(100, 20);
    const SheetPrintGeometry g = ComputeSheetPrintGeometry(*doc, kPage);
    EXPECT_EQ(g.columns, 12);
    EXPECT_EQ(g.linesPerPage, 65 - 8 - 12);
    EXPECT_EQ(g.pageCount, 3);
    EXPECT_EQ(g.firstAssignment, 8);

    const int expectedLines[] = {45, 45, 10};
    for (int p = 1; p <= 3; ++p) {
        SCOPED_TRACE(p);
        const SheetPrintPage page = LayoutSheetPrintPage(*doc, kDefaults, "Period3.MKW", kPage, p);
        EXPECT_EQ(page.studentLines, expectedLines[p - 1]);
        EXPECT_EQ(page.morePages, p < 3);
        EXPECT_EQ(page.texts.front(), (DrawText{0, Line(4), "Period3"}));
        const std::vector<std::string> names = NamesOnPage(page);
        ASSERT_EQ(static_cast<int>(names.size()), expectedLines[p - 1]);
        EXPECT_EQ(names.front(), doc->GetListedName((p - 1) * 45));
        EXPECT_EQ(names.back(), doc->GetListedName((p - 1) * 45 + expectedLines[p - 1] - 1));
    }

    // The last page: points right under the last student, descriptions two lines lower.
    const SheetPrintPage last = LayoutSheetPrintPage(*doc, kDefaults, "x", kPage, 3);
    const DrawText points{2530, Line(16), doc->GetPointsPossibleText(8)};
    const DrawText firstDescription{0, Line(19), "9: Description 8"};
    EXPECT_NE(std::find(last.texts.begin(), last.texts.end(), points), last.texts.end());
    EXPECT_NE(std::find(last.texts.begin(), last.texts.end(), firstDescription), last.texts.end());
    // A page past the end prints no students and ends the job.
    const SheetPrintPage past = LayoutSheetPrintPage(*doc, kDefaults, "x", kPage, 4);
    EXPECT_EQ(past.studentLines, 0);
    EXPECT_FALSE(past.morePages);
}

TEST(SheetPrintPage, NinetyStudentsFillExactlyTwoPages) {
    auto doc = MakeClass(90, 20);
    EXPECT_EQ(ComputeSheetPrintGeometry(*doc, kPage).pageCount, 2);
    EXPECT_TRUE(LayoutSheetPrintPage(*doc, kDefaults, "", kPage, 1).morePages);
    const SheetPrintPage second = LayoutSheetPrintPage(*doc, kDefaults, "", kPage, 2);
    EXPECT_FALSE(second.morePages);
    EXPECT_EQ(second.studentLines, 45);
    // One student more needs a third page.
    EXPECT_EQ(ComputeSheetPrintGeometry(*MakeClass(91, 20), kPage).pageCount, 3);
}

TEST(SheetPrintPage, HeadingsAndTotalsOfTheLastColumns) {
    auto doc = MakeClass(1, 20);
    const SheetPrintPage page = LayoutSheetPrintPage(*doc, kDefaults, "T", kPage, 1);
    std::vector<DrawText> headingLine;
    for (const DrawText& t : page.texts) {
        if (t.y == Line(5)) {
            headingLine.push_back(t);
        }
    }
    ASSERT_EQ(headingLine.size(), 13u);
    for (int c = 0; c < 12; ++c) {
        EXPECT_EQ(headingLine[c],
                  (DrawText{2530 + 550 * c, Line(5), std::to_string(9 + c) + ": "}));
    }
    EXPECT_EQ(headingLine[12], (DrawText{9130, Line(5), "Totals"}));

    // The student line ends with received, percent and letter at X, X + 715, X + 1870.
    const DrawText& letter = page.texts[page.texts.size() - 2];
    const DrawText& percent = page.texts[page.texts.size() - 3];
    const DrawText& received = page.texts[page.texts.size() - 4];
    EXPECT_EQ(received.x, 9130);
    EXPECT_EQ(percent.x, 9130 + 715);
    EXPECT_EQ(letter.x, 9130 + 1870);
    EXPECT_EQ(letter.y, Line(6));
    EXPECT_EQ(page.texts.back(), (DrawText{9130, Line(7), doc->GetClassPossibleText()}));
}

TEST(SheetPrintPage, FewOrNoAssignments) {
    auto few = MakeClass(3, 5);
    const SheetPrintGeometry g = ComputeSheetPrintGeometry(*few, kPage);
    EXPECT_EQ(g.columns, 5);
    EXPECT_EQ(g.firstAssignment, 0);
    EXPECT_EQ(g.linesPerPage, 65 - 8 - 5);

    // No assignments: title and names only.
    auto none = MakeClass(3, 0);
    const SheetPrintPage page = LayoutSheetPrintPage(*none, kDefaults, "Notes", kPage, 1);
    EXPECT_EQ(page.texts, (DrawList{{0, Line(4), "Notes"},
                                    {0, Line(6), none->GetListedName(0)},
                                    {0, Line(7), none->GetListedName(1)},
                                    {0, Line(8), none->GetListedName(2)}}));
}

TEST(SheetPrintPage, NoStudentsPrintOnePageWithMaxPageZero) {
    auto doc = MakeClass(0, 2);
    EXPECT_EQ(ComputeSheetPrintGeometry(*doc, kPage).pageCount, 0);
    const SheetPrintPage page = LayoutSheetPrintPage(*doc, kDefaults, "Empty.mkw", kPage, 1);
    EXPECT_FALSE(page.morePages);
    EXPECT_EQ(page.texts, (DrawList{{0, Line(4), "Empty"},
                                    {2530, Line(6), "10"},
                                    {2530, Line(5), "1: "},
                                    {0, Line(9), "1: Description 0"},
                                    {3080, Line(6), "10"},
                                    {3080, Line(5), "2: "},
                                    {0, Line(10), "2: Description 1"},
                                    {3630, Line(5), "Totals"},
                                    {3630, Line(6), "20"}}));
}

TEST(SheetPrintPage, NarrowAndTinyPages) {
    auto doc = MakeClass(5, 20);
    EXPECT_EQ(ComputeSheetPrintGeometry(*doc, {649, 3150, 226}).columns, 0);
    EXPECT_EQ(ComputeSheetPrintGeometry(*doc, {650, 3150, 226}).columns, 1);
    EXPECT_EQ(ComputeSheetPrintGeometry(*doc, {0, 3150, 226}).columns, 0);

    // Room for the fixed lines and columns but not one student: a single page
    // without students, after which the job ends instead of repeating it.
    const SheetPrintArea tiny{2400, 1000, 226}; // 20 lines, 8 fixed, 12 columns
    const SheetPrintGeometry g = ComputeSheetPrintGeometry(*doc, tiny);
    EXPECT_EQ(g.linesPerPage, 0);
    EXPECT_EQ(g.pageCount, 1);
    const SheetPrintPage page = LayoutSheetPrintPage(*doc, kDefaults, "", tiny, 1);
    EXPECT_EQ(page.studentLines, 0);
    EXPECT_FALSE(page.morePages);
    // A page short of even the fixed lines, and a zero line height.
    EXPECT_EQ(ComputeSheetPrintGeometry(*doc, {2400, 100, 226}).linesPerPage, 0);
    EXPECT_FALSE(LayoutSheetPrintPage(*doc, kDefaults, "", {2400, 3150, 0}, 1).morePages);
    EXPECT_EQ(ComputeSheetPrintGeometry(*doc, {2400, 3150, 0}).pageCount, 1);
    // One line short of the threshold and exactly on it.
    EXPECT_EQ(ComputeSheetPrintGeometry(*doc, {2400, 1010, 226}).linesPerPage, 1);
    EXPECT_EQ(ComputeSheetPrintGeometry(*doc, {2400, 1009, 226}).linesPerPage, 0);
}

TEST(ReportTitle, DropsAFourCharacterExtension) {
    EXPECT_EQ(ReportHeadingTitle("Period3.MKW"), "Period3");
    EXPECT_EQ(ReportHeadingTitle("a.b.mkw"), "a.b");
    EXPECT_EQ(ReportHeadingTitle(".MKW"), "");
    EXPECT_EQ(ReportHeadingTitle("Markwi1"), "Markwi1");
    EXPECT_EQ(ReportHeadingTitle("Period3.MK"), "Period3.MK");
    EXPECT_EQ(ReportHeadingTitle("MKW"), "MKW");
    EXPECT_EQ(ReportHeadingTitle(""), "");
}

} // namespace
} // namespace markwise
