#include "geometry/printout.h"
#include "geometry/student_report_layout.h"
#include "support/class_builder.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace markwise {
namespace {

// A printout works out what its pages share once and keeps it; asked in any order, on
// pages of another width between, each page is still the page laid out on its own.
TEST(PrintoutTest, PagesAskedInAnyOrderAreThePagesLaidOutAlone) {
    auto doc = test::FilledClass(9, 23);
    doc->m_lastName[4] = "A much longer family name than any other in the class";
    const CGradeCutoffs cutoffs;
    const PageRequest narrow{1200, 900, 226, 1}, wide{2400, 900, 226, 1};
    // Pages 0-based from the end backwards, then from the start, so that every page but
    // the first follows one of another report or strip; widths alternate.
    std::vector<PageRequest> asked;
    for (int round = 0; round < 2; ++round)
        for (int k = 0; k < 40; ++k) {
            PageRequest page = k % 3 == 0 ? narrow : wide;
            page.page = round == 0 ? 40 - k : k + 1;
            asked.push_back(page);
        }
    for (const SheetPrintColumns columns :
         {SheetPrintColumns::All, SheetPrintColumns::LastThatFit}) {
        std::string error;
        const Printout sheet = MakePrintout("sheet", *doc, "Period 3.MKW", cutoffs, columns, error);
        ASSERT_TRUE(sheet) << error;
        for (const PageRequest& page : asked) {
            const PrintedPage printed = sheet(page);
            const SheetPrintPage alone =
                LayoutSheetPrintPage(*doc, cutoffs, "Period 3.MKW", page, columns);
            EXPECT_EQ(printed.texts, alone.texts) << page.width << " " << page.page;
            EXPECT_EQ(printed.morePages, alone.morePages);
        }
    }
    std::string error;
    const Printout students = MakePrintout("students", *doc, "", cutoffs, {}, error);
    ASSERT_TRUE(students) << error;
    int pagesSeen = 0;
    for (const PageRequest& page : asked) {
        const PrintedPage printed = students(page);
        // Each student's report takes the same pages: 23 assignments on 11 rows a page, 3 pages.
        const int perStudent =
            PaginateReport(page, kStudentReportReservedLines, doc->AssignmentsInUse()).pageCount;
        ASSERT_EQ(perStudent, 3);
        ASSERT_EQ(printed.pageCount, perStudent * 9);
        if (page.page > printed.pageCount)
            continue;
        PageRequest own = page;
        own.page = (page.page - 1) % perStudent + 1;
        const StudentReportInput in{*doc, (page.page - 1) / perStudent, cutoffs};
        EXPECT_EQ(printed.texts, PrintStudentReportPage(in, own).texts)
            << page.width << " " << page.page;
        EXPECT_EQ(printed.morePages, page.page < printed.pageCount);
        ++pagesSeen;
    }
    EXPECT_EQ(pagesSeen, 2 * 27);
}

} // namespace
} // namespace markwise
