#pragma once

#include "geometry/column_fit.h"
#include "geometry/print_page.h"
#include "geometry/report_lines.h"

#include <span>
#include <string>
#include <vector>

namespace markwise {

// Printed reports take a PageRequest (print_page.h); only its height, line height and page
// matter. A 300-dpi page is laid out exactly as the classic program laid it out; other
// resolutions give the same page.

// A length in device pixels at dpi dots per inch, as 300-dpi pixels (0 for a bad dpi).
int ReportUnitsFrom300Dpi(int devicePixels, int dpi);

// Which items one page holds. rowsPerPage is 0 when the printable area is too short for
// one item; the report then prints one page with its headings only.
struct ReportPagination {
    int rowsPerPage = 0; // PrintableLines - reserved lines
    int pageCount = 1;   // never 0, so an empty report still prints its headings
    int firstItem = 0;   // first item on the asked page
    int itemsOnPage = 0;
    bool morePages = false; // items remain after the asked page
};

ReportPagination PaginateReport(const PageRequest& page, int reservedLines, int itemCount);

struct ReportPrintout {
    DrawList texts;
    ReportPagination pagination;
    int nextLine = 0;         // first line below the page's last item
    std::vector<int> columns; // where each column starts on this printout
};

// A line a report prints below its items, texts from column firstColumn on.
struct ReportExtraLine {
    std::vector<std::string> texts;
    std::size_t firstColumn = 0;
};

// What every page of one printout shares: each item's texts and where the columns fall.
// Columns make room for the widest text before them on the whole printout (column_fit.h,
// the extra line counted too); the first column is cut to keep rows inside the page's
// width. It reads every item, so a job of many pages works it out once. Lines printed
// after the items in the same columns (`alsoFit`) widen them too, without being kept.
struct ReportBody {
    std::vector<std::vector<std::string>> items;
    ReportExtraLine extra;
    FittedColumns fitted;
};
ReportBody FitReportBody(const PageRequest& page, int itemCount, const ReportColumns& columns,
                         const ReportItemTexts& itemTexts, ReportExtraLine extra = {},
                         std::span<const std::vector<std::string>> alsoFit = {});

// The page procedure all three reports share: lines 0 to 3 empty, the heading on
// line 4, the column headers on line 5, then this page's items from line 6 on.
ReportPrintout PrintReportPage(const PageRequest& page, int reservedLines,
                               const std::string& heading, const ReportColumns& columns,
                               const ReportBody& body);
ReportPrintout PrintReportPage(const PageRequest& page, int reservedLines, int itemCount,
                               const std::string& heading, const ReportColumns& columns,
                               const ReportItemTexts& itemTexts, const ReportExtraLine& extra = {});

} // namespace markwise
