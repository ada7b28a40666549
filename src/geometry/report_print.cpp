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

ReportBody FitReportBody(const PageRequest& page, int itemCount, const ReportColumns& columns,
                         const ReportItemTexts& itemTexts, ReportExtraLine extra,
                         std::span<const std::vector<std::string>> alsoFit) {
    ReportBody body;
    body.items.reserve(static_cast<std::size_t>(std::max(itemCount, 0)));
    ColumnWidths widths(columns.x.size());
    for (std::size_t c = 0; c < columns.headers.size(); ++c)
        widths.widen(c, columns.headers[c]);
    for (int k = 0; k < itemCount; ++k) {
        body.items.push_back(itemTexts(k));
        widths.widenRow(body.items.back());
    }
    widths.widenRow(extra.texts, extra.firstColumn);
    for (const std::vector<std::string>& line : alsoFit)
        widths.widenRow(line);
    body.fitted = FitColumns(columns.x, widths, PrintableTwips(page.width));
    body.extra = std::move(extra);
    return body;
}

ReportPrintout PrintReportPage(const PageRequest& page, int reservedLines,
                               const std::string& heading, const ReportColumns& columns,
                               const ReportBody& body) {
    ReportPrintout out;
    out.pagination = PaginateReport(page, reservedLines, static_cast<int>(body.items.size()));
    out.columns = body.fitted.x;
    const ReportColumns placed{out.columns, columns.headers};

    const int pitch = std::max(page.lineHeight, 0);
    const auto rows = static_cast<std::size_t>(out.pagination.itemsOnPage);
    out.texts.reserve((rows + 1) * columns.x.size() + columns.headers.size() + 1);
    out.texts.push_back({0, 4 * pitch, LineText(heading)});
    AppendReportHeaders(out.texts, placed, 5 * pitch);
    int line = 6;
    const auto first = static_cast<std::size_t>(out.pagination.firstItem);
    for (std::size_t k = 0; k < rows; ++k, ++line)
        AppendReportLine(out.texts, placed, line * pitch, body.items[first + k], 0,
                         body.fitted.cutCells);
    out.nextLine = line;
    return out;
}

ReportPrintout PrintReportPage(const PageRequest& page, int reservedLines, int itemCount,
                               const std::string& heading, const ReportColumns& columns,
                               const ReportItemTexts& itemTexts, const ReportExtraLine& extra) {
    return PrintReportPage(page, reservedLines, heading, columns,
                           FitReportBody(page, itemCount, columns, itemTexts, extra));
}

} // namespace markwise
