#include "geometry/report_print.h"

#include <algorithm>
#include <cmath>

namespace markwise {

namespace {

// The classic factor from 300-dpi pixels to usable twips (a 300-dpi inch is 4.8 twips per
// pixel; 4.7 keeps a small margin at the bottom).
constexpr double kTwipsPerUnit = 4.7;
// Far more rows than any page holds; keeps the arithmetic inside int.
constexpr double kMaxLinesPerPage = 1'000'000.0;

int RowsPerPage(const ReportPrintPage& page, int reservedLines) {
    if (page.linePitch <= 0 || page.printableHeight <= 0) {
        return 0;
    }
    const double lines =
        std::trunc(static_cast<double>(page.printableHeight) * kTwipsPerUnit / page.linePitch);
    return static_cast<int>(std::min(lines, kMaxLinesPerPage)) - reservedLines;
}

} // namespace

int ReportUnitsFrom300Dpi(int devicePixels, int dpi) {
    if (dpi <= 0) {
        return 0;
    }
    return static_cast<int>(static_cast<long long>(devicePixels) * 300 / dpi);
}

ReportPagination PaginateReport(const ReportPrintPage& page, int reservedLines, int itemCount) {
    ReportPagination result;
    result.rowsPerPage = RowsPerPage(page, reservedLines);
    const long long rows = result.rowsPerPage;
    const long long items = std::max(itemCount, 0);
    if (rows <= 0) {
        return result; // one page, headings only
    }
    result.pageCount = static_cast<int>(std::max(1LL, (items + rows - 1) / rows));
    if (page.page < 1) {
        return result;
    }
    const long long first = (page.page - 1LL) * rows;
    result.firstItem = static_cast<int>(std::min(first, items));
    result.itemsOnPage = static_cast<int>(std::clamp(items - first, 0LL, rows));
    result.morePages = first + rows < items;
    return result;
}

ReportPrintout PrintReportPage(const ReportPrintPage& page, int reservedLines, int itemCount,
                               const std::string& heading, const ReportColumns& columns,
                               const ReportItemTexts& itemTexts) {
    ReportPrintout out;
    out.pagination = PaginateReport(page, reservedLines, itemCount);
    const int pitch = std::max(page.linePitch, 0);
    out.texts.push_back({0, 4 * pitch, LineText(heading)});
    AppendReportHeaders(out.texts, columns, 5 * pitch);
    int line = 6;
    for (int k = 0; k < out.pagination.itemsOnPage; ++k, ++line) {
        AppendReportLine(out.texts, columns, line * pitch, itemTexts(out.pagination.firstItem + k));
    }
    out.nextLine = line;
    return out;
}

} // namespace markwise
