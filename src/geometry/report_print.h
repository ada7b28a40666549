#pragma once

#include "geometry/report_lines.h"

#include <string>
#include <vector>

namespace markwise {

// One printed report page, in units that do not depend on the printer's resolution.
// The Qt layer converts before it asks:
//  - printableHeight: the height of the printable area in 300-dots-per-inch pixels
//    (height in inches x 300; ReportUnitsFrom300Dpi does it from device pixels);
//  - linePitch: height + leading of the print font ("Courier New") set to a character
//    height of 200 pixels, the pitch a 300-dpi printer measures for it. Pixel metrics
//    scale with the pixel size, not the resolution, so any device gives the same number.
// The texts come back in twips (the print font drawn at 200 twips, 10 points), x from
// the left edge and y growing downward from the top of the printable area: line n
// stands at y = n x linePitch. A 300-dpi page is laid out exactly as the classic
// program laid it out; other resolutions give the same page.
struct ReportPrintPage {
    int printableHeight = 0;
    int linePitch = 0;
    int page = 1; // counting from 1
};

// A length in device pixels at dpi dots per inch, as 300-dpi pixels (0 for a bad dpi).
int ReportUnitsFrom300Dpi(int devicePixels, int dpi);

// Which items one page holds. rowsPerPage may be 0 or less when the printable area is
// too short for one item; the report then prints one page with its headings only.
struct ReportPagination {
    int rowsPerPage = 0; // trunc(printableHeight x 4.7 / linePitch) - reserved lines
    int pageCount = 1;   // never 0, so an empty report still prints its headings
    int firstItem = 0;   // first item on the asked page
    int itemsOnPage = 0;
    bool morePages = false; // items remain after the asked page
};

ReportPagination PaginateReport(const ReportPrintPage& page, int reservedLines, int itemCount);

// The print loop's continue flag before a page: a printer stops once a page has
// reported that nothing is left; the preview shows the page count it was given.
inline bool ContinueReportPrinting(bool morePages, bool previewing) {
    return morePages || previewing;
}

struct ReportPrintout {
    DrawList texts;
    ReportPagination pagination;
    int nextLine = 0; // first line below the page's last item
};

// The page procedure all three reports share: lines 0 to 3 empty, the heading on
// line 4, the column headers on line 5, then this page's items from line 6 on.
ReportPrintout PrintReportPage(const ReportPrintPage& page, int reservedLines, int itemCount,
                               const std::string& heading, const ReportColumns& columns,
                               const ReportItemTexts& itemTexts);

} // namespace markwise
