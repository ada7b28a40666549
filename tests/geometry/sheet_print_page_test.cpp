#include "geometry/report_title.h"
#include "geometry/sheet_layout.h"
#include "geometry/sheet_print_page.h"
#include "support/class_builder.h"
#include "support/draw_lines.h"

#include <algorithm>
#include <array>
#include <gtest/gtest.h>

namespace markwise {
namespace {

using test::FilledClass;
using test::Lines;

const CGradeCutoffs kDefaults;
// A letter-size printable area at 300 dpi with a 226-twip line: 65 lines.
const PageRequest kPage{2400, 3150, 226};

int Line(int k) {
    return k * 226;
}

PageRequest Numbered(PageRequest area, int page) {
    area.page = page;
    return area;
}

SheetPrintPage Page(const CMarkwiseDoc& doc, int page, const PageRequest& area = kPage,
                    SheetPrintColumns which = SheetPrintColumns::LastThatFit) {
    return LayoutSheetPrintPage(doc, kDefaults, "Period3.MKW", Numbered(area, page), which);
}

TEST(SheetPrintPage, GeometryOfTheJob) {
    struct Case {
        int students, assignments;
        PageRequest area;
        SheetPrintGeometry expected;
    };
    const Case cases[] = {
        {90, 20, kPage, {12, 65 - 8 - 12, 2, 8}}, // exactly two full pages
        {91, 20, kPage, {12, 45, 3, 8}},
        {3, 5, kPage, {5, 65 - 8 - 5, 1, 0}},
        {0, 2, kPage, {2, 55, 0, 0}}, // no students: maximum page 0
        {5, 20, {649, 3150, 226}, {0, 57, 1, 20}},
        {5, 20, {650, 3150, 226}, {1, 56, 1, 19}},
        // Room for the fixed lines and columns but not one student: a single page.
        {5, 20, {2400, 1009, 226}, {12, 0, 1, 8}},
        {5, 20, {2400, 1010, 226}, {12, 1, 5, 8}},
        {5, 20, {2400, 3150, 0}, {12, 0, 1, 8}}, // a zero line height
    };
    for (const Case& c : cases) {
        const SheetPrintGeometry g =
            ComputeSheetPrintGeometry(*FilledClass(c.students, c.assignments), c.area);
        // columns, student lines per page, maximum page, first printed assignment
        EXPECT_EQ((std::array{g.columns, g.linesPerPage, g.pageCount, g.firstAssignment}),
                  (std::array{c.expected.columns, c.expected.linesPerPage, c.expected.pageCount,
                              c.expected.firstAssignment}))
            << c.students << " students, " << c.area.width << "x" << c.area.height;
    }
}

TEST(SheetPrintPage, HundredStudentsOnThreePages) {
    auto doc = FilledClass(100, 20);
    const int expectedLines[] = {45, 45, 10};
    for (int p = 1; p <= 3; ++p) {
        SCOPED_TRACE(p);
        const SheetPrintPage page = Page(*doc, p);
        EXPECT_EQ(page.studentLines, expectedLines[p - 1]);
        EXPECT_EQ(page.morePages, p < 3);
        EXPECT_EQ(page.texts.front(), (DrawText{0, Line(4), "Period3"}));
        std::vector<std::string> names; // texts at x == 0 on the student lines
        for (const DrawText& t : page.texts)
            if (t.x == 0 && t.y >= Line(6) && t.y < Line(6 + page.studentLines))
                names.push_back(t.text);
        ASSERT_EQ(static_cast<int>(names.size()), expectedLines[p - 1]);
        EXPECT_EQ(names.front(), doc->GetListedName((p - 1) * 45));
        EXPECT_EQ(names.back(), doc->GetListedName((p - 1) * 45 + expectedLines[p - 1] - 1));
    }
    // The last page: points right under the last student, descriptions two lines lower.
    const std::vector<std::string> last = Lines(Page(*doc, 3).texts);
    const std::string points = std::to_string(Line(16)) + ": 2530=10 3080=10 ";
    EXPECT_EQ(last[12].substr(0, points.size()), points);
    EXPECT_EQ(last[13], std::to_string(Line(19)) + ": 0=9: Description 8");
    // Pages past the end or without room for students print none and end the job.
    for (const SheetPrintPage& page : {Page(*doc, 4), Page(*doc, 1, {2400, 1000, 226})}) {
        EXPECT_EQ(page.studentLines, 0);
        EXPECT_FALSE(page.morePages);
    }
    EXPECT_FALSE(Page(*FilledClass(90, 20), 2).morePages);
}

TEST(SheetPrintPage, HeadingsAndTotalsOfTheLastColumns) {
    auto doc = FilledClass(1, 20);
    const SheetPrintPage page = Page(*doc, 1);
    std::string headings = std::to_string(Line(5)) + ":";
    for (int c = 0; c < 12; ++c)
        headings += " " + std::to_string(2530 + 550 * c) + "=" + std::to_string(9 + c) + ": ";
    EXPECT_EQ(Lines(page.texts)[1], headings + " 9130=Totals");
    // The student line ends with received, percent and letter at X, X + 715, X + 1870.
    const auto end = page.texts.end();
    EXPECT_EQ((DrawList{end[-4], end[-3], end[-2], end[-1]}),
              (DrawList{{9130, Line(6), doc->GetTotalReceivedText(0)},
                        {9130 + 715, Line(6), doc->GetPercentText(0)},
                        {9130 + 1870, Line(6), doc->GetLetterGrade(0, kDefaults)},
                        {9130, Line(7), doc->GetClassPossibleText()}}));
}

TEST(SheetPrintPage, NoAssignmentsOrNoStudents) {
    auto none = FilledClass(2, 0);
    EXPECT_EQ(Lines(Page(*none, 1).texts),
              (std::vector<std::string>{"904: 0=Period3", "1356: 0=Last0, First0",
                                        "1582: 0=Last1, First1"}));
    // No students: one page with maximum page 0.
    const SheetPrintPage empty = Page(*FilledClass(0, 2), 1);
    EXPECT_FALSE(empty.morePages);
    EXPECT_EQ(Lines(empty.texts),
              (std::vector<std::string>{"904: 0=Period3", "1130: 2530=1:  3080=2:  3630=Totals",
                                        "1356: 2530=10 3080=10 3630=20", "2034: 0=1: Description 0",
                                        "2260: 0=2: Description 1"}));
}

// Every assignment, in strips of 12 across a letter page: 1-12, 13-24, 25-30, each paged
// through the 100 students in 45, 45 and 10 lines; the totals on the last strip only.
TEST(SheetPrintPage, AllAssignmentsInStrips) {
    auto doc = FilledClass(100, 30);
    const auto all = SheetPrintColumns::All;
    const SheetPrintGeometry g = ComputeSheetPrintGeometry(*doc, kPage, all);
    EXPECT_EQ((std::array{g.columns, g.linesPerPage, g.strips, g.pagesPerStrip, g.pageCount}),
              (std::array{12, 45, 3, 3, 9}));
    const int stripColumns[] = {12, 12, 6};
    const int studentLines[] = {45, 45, 10};
    for (int p = 1; p <= 9; ++p) {
        SCOPED_TRACE(p);
        const int strip = (p - 1) / 3;
        const SheetPrintPage page = Page(*doc, p, kPage, all);
        EXPECT_EQ(page.morePages, p < 9);
        EXPECT_EQ(page.studentLines, studentLines[(p - 1) % 3]);
        std::vector<DrawText> headings;
        std::vector<std::string> names;
        for (const DrawText& t : page.texts) {
            if (t.y == Line(5))
                headings.push_back(t);
            else if (t.x == 0 && t.y >= Line(6) && t.y < Line(6 + page.studentLines))
                names.push_back(t.text);
        }
        DrawList expected;
        for (int c = 0; c < stripColumns[strip]; ++c)
            expected.push_back(
                {2530 + 550 * c, Line(5), std::to_string(strip * 12 + c + 1) + ": "});
        if (strip == 2)
            expected.push_back({2530 + 550 * 6, Line(5), "Totals"});
        EXPECT_EQ(headings, expected);
        ASSERT_EQ(static_cast<int>(names.size()), page.studentLines);
        EXPECT_EQ(names.front(), doc->GetListedName((p - 1) % 3 * 45));
        const auto percent = std::count_if(page.texts.begin(), page.texts.end(), [&](auto& t) {
            return t.text.find('%') != std::string::npos;
        });
        EXPECT_EQ(percent, strip == 2 ? page.studentLines : 0);
    }
    // No students, or no room for one: one page per strip, every heading still printed.
    for (const auto& [students, area] :
         {std::pair{0, kPage}, std::pair{5, PageRequest{2400, 1000, 226}}}) {
        const auto cls = FilledClass(students, 30);
        EXPECT_EQ(ComputeSheetPrintGeometry(*cls, area, all).pageCount, 3);
        const SheetPrintPage second = Page(*cls, 2, area, all);
        EXPECT_TRUE(second.morePages);
        EXPECT_EQ(Lines(second.texts)[1].substr(0, 15), std::to_string(Line(5)) + ": 2530=13: ");
    }
    // A page narrower than one column prints the totals alone, as the default does.
    const SheetPrintGeometry narrow = ComputeSheetPrintGeometry(*doc, {649, 3150, 226}, all);
    EXPECT_EQ((std::array{narrow.columns, narrow.strips, narrow.pageCount}), (std::array{0, 1, 2}));
}

TEST(ReportTitle, DropsAFourCharacterExtension) {
    const std::pair<const char*, const char*> cases[] = {
        {"a.b.mkw", "a.b"}, {".MKW", ""}, {"Markwi1", "Markwi1"}, {"MKW", "MKW"}};
    for (const auto& [title, heading] : cases)
        EXPECT_EQ(ReportHeadingTitle(title), heading) << title;
}

// Megabyte texts are cut for the page (and the screen) alone; the class keeps them whole.
TEST(SheetPrintPage, LongTextsAreCutForLayoutOnly) {
    auto doc = test::NewClass();
    const std::string huge(1 << 20, 'x');
    test::AddStudent(*doc, huge, huge);
    test::AddAssignment(*doc, 10, {5}, huge, huge);
    doc->m_showNames = 1;
    const auto longest = [](const DrawList& texts) {
        std::size_t size = 0;
        for (const DrawText& text : texts)
            size = std::max(size, text.text.size());
        return size;
    };
    const DrawList page = Page(*doc, 1).texts;
    EXPECT_EQ(longest(page), kLineTextLimit + 3); // "1: " and the cut description
    EXPECT_EQ(longest(LayoutSheetBand(*doc, {0, 2000, 20}, kDefaults, 0, 1000)),
              kLineTextLimit + 3);
    // The name is cut further, with an ellipsis, to leave the page room for its scores.
    EXPECT_TRUE(std::any_of(page.begin(), page.end(), [&](const DrawText& text) {
        return text.x == 0 && text.text.size() < kLineTextLimit && text.text.ends_with("x\u2026");
    }));
    EXPECT_EQ(doc->m_lastName[0], huge);
}

} // namespace
} // namespace markwise
