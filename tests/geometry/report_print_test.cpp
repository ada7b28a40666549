#include "geometry/report_print.h"

#include <array>
#include <gtest/gtest.h>
#include <string>

namespace markwise {
namespace {

TEST(ReportPagination, RowsPagesAndItemsOfEachPage) {
    struct Case {
        PageRequest page;
        int reserved, items;
        // rowsPerPage, pageCount, firstItem, itemsOnPage, morePages
        int rows, pages, first, onPage;
        bool more;
    };
    const Case cases[] = {
        // A letter page at 300 dpi with a 226-unit pitch: trunc(3150 x 4.7 / 226) = 65 lines.
        {{.height = 3150, .lineHeight = 226, .page = 1}, 6, 100, 59, 2, 0, 59, true},
        // 14.1 lines truncate to 14. 17 items: 8 + 8 + 1, and nothing past the end.
        {{.height = 300, .lineHeight = 100, .page = 2}, 6, 17, 8, 3, 8, 8, true},
        {{.height = 300, .lineHeight = 100, .page = 3}, 6, 17, 8, 3, 16, 1, false},
        {{.height = 300, .lineHeight = 100, .page = 4}, 6, 17, 8, 3, 24, 0, false},
        // Exactly two full pages: no third, empty page.
        {{.height = 300, .lineHeight = 100, .page = 2}, 6, 16, 8, 2, 8, 8, false},
        // No items, or no room (trunc(6.2) = 6 lines, 6 reserved): one page of headings.
        {{.height = 3150, .lineHeight = 226, .page = 1}, 6, 0, 59, 1, 0, 0, false},
        {{.height = 300, .lineHeight = 226, .page = 1}, 6, 50, 0, 1, 0, 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(&c - cases);
        const ReportPagination p = PaginateReport(c.page, c.reserved, c.items);
        EXPECT_EQ(p.rowsPerPage, c.rows);
        EXPECT_EQ(p.pageCount, c.pages);
        EXPECT_EQ(p.itemsOnPage, c.onPage);
        EXPECT_EQ(p.morePages, c.more);
        if (c.onPage > 0) { // an empty page has no first item
            EXPECT_EQ(p.firstItem, c.first);
        }
    }
    // A zero or negative pitch, a zero height, a page number below 1: nothing listed.
    for (const PageRequest& page :
         {PageRequest{.height = 3150, .lineHeight = 0}, PageRequest{.height = 0, .lineHeight = 226},
          PageRequest{.height = 3150, .lineHeight = 226, .page = 0}}) {
        const ReportPagination p = PaginateReport(page, 6, 50);
        EXPECT_EQ(p.itemsOnPage, 0);
        EXPECT_FALSE(p.morePages);
    }
}

TEST(ReportPrint, ResolutionDoesNotChangeThePage) {
    EXPECT_EQ((std::array{ReportUnitsFrom300Dpi(3150, 300), ReportUnitsFrom300Dpi(6300, 600),
                          ReportUnitsFrom300Dpi(1575, 150), ReportUnitsFrom300Dpi(3150, 0),
                          ReportUnitsFrom300Dpi(100'000'000, 1200)}),
              (std::array{3150, 3150, 3150, 0, 25'000'000}));
    // Every line of a full page ends inside the printable area (300 units are 1440 twips),
    // for pages from 3 to 17 inches. The roster lists one line more than it reserves,
    // which fits once a page holds ten lines.
    for (int height = 900; height <= 5100; height += 7) {
        for (int pitch = 150; pitch <= 300; pitch += 13) {
            for (int reserved : {5, 6, 7}) {
                if (reserved == 5 && pitch * 10 > height)
                    continue;
                const auto pagination =
                    PaginateReport({.height = height, .lineHeight = pitch}, reserved, 10'000);
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
