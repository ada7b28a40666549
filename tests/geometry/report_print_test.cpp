#include "geometry/report_print.h"

#include <array>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace markwise {
namespace {

// A letter page at 300 dpi (10.5 inches printable) with a 226-unit line pitch:
// trunc(3150 x 4.7 / 226) = trunc(65.5) = 65 lines.
constexpr ReportPrintPage kLetter{3150, 226, 1};

ReportPrintPage OnPage(ReportPrintPage page, int p) {
    page.page = p;
    return page;
}

TEST(ReportPagination, RowsPerPageFollowTheReservedLines) {
    EXPECT_EQ(PaginateReport(kLetter, 6, 100).rowsPerPage, 59);
    EXPECT_EQ(PaginateReport(kLetter, 5, 100).rowsPerPage, 60);
    EXPECT_EQ(PaginateReport(kLetter, 7, 100).rowsPerPage, 58);
    // 14.1 lines truncate to 14, as do exactly 14.
    EXPECT_EQ(PaginateReport({300, 100, 1}, 6, 1).rowsPerPage, 8);
    EXPECT_EQ(PaginateReport({1000, 470, 1}, 0, 1).rowsPerPage, 10);
}

TEST(ReportPagination, PagesSplitItemsWithoutGapsOrEmptyTail) {
    const ReportPrintPage page{300, 100, 1}; // L = 8 with 6 reserved lines
    // 17 items: 8 + 8 + 1.
    const auto p1 = PaginateReport(OnPage(page, 1), 6, 17);
    const auto p2 = PaginateReport(OnPage(page, 2), 6, 17);
    const auto p3 = PaginateReport(OnPage(page, 3), 6, 17);
    EXPECT_EQ(p1.pageCount, 3);
    EXPECT_EQ(p1.firstItem, 0);
    EXPECT_EQ(p1.itemsOnPage, 8);
    EXPECT_TRUE(p1.morePages);
    EXPECT_EQ(p2.firstItem, 8);
    EXPECT_EQ(p2.itemsOnPage, 8);
    EXPECT_TRUE(p2.morePages);
    EXPECT_EQ(p3.firstItem, 16);
    EXPECT_EQ(p3.itemsOnPage, 1);
    EXPECT_FALSE(p3.morePages);

    // Exactly two full pages: no third, empty page.
    const auto full = PaginateReport(OnPage(page, 2), 6, 16);
    EXPECT_EQ(full.pageCount, 2);
    EXPECT_EQ(full.itemsOnPage, 8);
    EXPECT_FALSE(full.morePages);
    EXPECT_TRUE(PaginateReport(OnPage(page, 1), 6, 16).morePages);
    // One item more than a page.
    EXPECT_EQ(PaginateReport(page, 6, 9).pageCount, 2);
    EXPECT_EQ(PaginateReport(page, 6, 8).pageCount, 1);

    // A page past the end holds nothing.
    const auto beyond = PaginateReport(OnPage(page, 4), 6, 17);
    EXPECT_EQ(beyond.itemsOnPage, 0);
    EXPECT_FALSE(beyond.morePages);
}

TEST(ReportPagination, DegeneratePagesPrintOnePageOfHeadings) {
    // No items: one page.
    const auto empty = PaginateReport(kLetter, 6, 0);
    EXPECT_EQ(empty.pageCount, 1);
    EXPECT_EQ(empty.itemsOnPage, 0);
    EXPECT_FALSE(empty.morePages);
    // Too short for one item (trunc(300 x 4.7 / 226) = 6 lines, 6 reserved), a zero or
    // negative pitch, a zero height, a page number below 1: one page, nothing listed.
    for (const ReportPrintPage& page : {ReportPrintPage{300, 226, 1}, ReportPrintPage{3150, 0, 1},
                                        ReportPrintPage{3150, -5, 1}, ReportPrintPage{0, 226, 1}}) {
        const auto result = PaginateReport(page, 6, 50);
        EXPECT_LE(result.rowsPerPage, 0);
        EXPECT_EQ(result.pageCount, 1);
        EXPECT_EQ(result.itemsOnPage, 0);
        EXPECT_FALSE(result.morePages);
    }
    const auto zeroPage = PaginateReport(OnPage(kLetter, 0), 6, 50);
    EXPECT_EQ(zeroPage.itemsOnPage, 0);
    // A pitch of one unit on a huge page stays finite.
    EXPECT_EQ(PaginateReport({2'000'000'000, 1, 1}, 6, 3).pageCount, 1);
}

TEST(ReportPrint, ResolutionDoesNotChangeThePage) {
    EXPECT_EQ(ReportUnitsFrom300Dpi(3150, 300), 3150);
    EXPECT_EQ(ReportUnitsFrom300Dpi(6300, 600), 3150);
    EXPECT_EQ(ReportUnitsFrom300Dpi(1575, 150), 3150);
    EXPECT_EQ(ReportUnitsFrom300Dpi(3150, 0), 0);
    EXPECT_EQ(ReportUnitsFrom300Dpi(100'000'000, 1200), 25'000'000);
    // Every line of a full page ends inside the printable area (300 units are 1440 twips),
    // for pages from 3 to 17 inches. The roster lists one line more than it reserves,
    // which fits once a page holds ten lines.
    for (int height = 900; height <= 5100; height += 7) {
        for (int pitch = 150; pitch <= 300; pitch += 13) {
            for (int reserved : {5, 6, 7}) {
                if (reserved == 5 && pitch * 10 > height) {
                    continue;
                }
                const ReportPrintPage page{height, pitch, 1};
                const auto pagination = PaginateReport(page, reserved, 10'000);
                // The student report (7 reserved) adds its totals below the last item.
                const int lastLine = 6 + pagination.itemsOnPage - 1 + (reserved == 7 ? 1 : 0);
                EXPECT_LE(static_cast<long long>(lastLine + 1) * pitch, height * 1440LL / 300)
                    << height << " " << pitch << " " << reserved;
            }
        }
    }
}

} // namespace
} // namespace markwise
