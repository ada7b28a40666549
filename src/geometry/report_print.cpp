#include "geometry/report_print.h"

#include "geometry/column_fit.h"

#include <algorithm>

namespace markwise {

int ReportUnitsFrom300Dpi(int devicePixels, int dpi) {
    if (dpi <= 0) {
        return 0;
    }
    return static_cast<int>(static_cast<long long>(devicePixels) * 300 / dpi);
}

ReportPagination PaginateReport(const PageRequest& page, int reservedLines, int itemCount) {
    ReportPagination result;
    result.rowsPerPage = std::max(PrintableLines(page) - reservedLines, 0);
    const PageSlice slice = SlicePage(itemCount, result.rowsPerPage, page.page);
    // Never 0 pages: an empty report, or one without room for an item, prints its headings.
    result.pageCount = std::max(slice.pageCount, 1);
    result.firstItem = slice.firstItem;
    result.itemsOnPage = slice.itemsOnPage;
    result.morePages = slice.morePages;
    return result;
}

ReportPrintout PrintReportPage(const PageRequest& page, int reservedLines, int itemCount,
                               const std::string& heading, const ReportColumns& columns,
                               const ReportItemTexts& itemTexts, const ReportExtraLine& extra) {
    ReportPrintout out;
    out.pagination = PaginateReport(page, reservedLines, itemCount);
    ColumnWidths widths(columns.x.size());
    for (std::size_t c = 0; c < columns.headers.size(); ++c)
        widths.widen(c, columns.headers[c]);
    for (int k = 0; k < itemCount; ++k)
        widths.widenRow(itemTexts(k));
    widths.widenRow(extra.texts, extra.firstColumn);
    const FittedColumns fitted = FitColumns(columns.x, widths, PrintableTwips(page.width));
    out.columns = fitted.x;
    const ReportColumns placed{out.columns, columns.headers};

    const int pitch = std::max(page.lineHeight, 0);
    out.texts.push_back({0, 4 * pitch, LineText(heading)});
    AppendReportHeaders(out.texts, placed, 5 * pitch);
    int line = 6;
    for (int k = 0; k < out.pagination.itemsOnPage; ++k, ++line) {
        std::vector<std::string> texts = itemTexts(out.pagination.firstItem + k);
        if (!texts.empty())
            texts[0] = CutText(texts[0], fitted.cutCells);
        AppendReportLine(out.texts, placed, line * pitch, texts);
    }
    out.nextLine = line;
    return out;
}

} // namespace markwise
