#include "geometry/report_lines.h"

#include <algorithm>
#include <cstddef>

namespace markwise {

void AppendReportLine(DrawList& out, const ReportColumns& columns, int y,
                      const std::vector<std::string>& texts, int firstColumn,
                      std::size_t firstCells) {
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const std::size_t column = static_cast<std::size_t>(firstColumn) + i;
        if (firstColumn < 0 || column >= columns.x.size()) {
            return;
        }
        const bool cut = i == 0 && firstCells != kUncut;
        out.push_back({columns.x[column], y,
                       cut ? LineText(CutText(texts[i], firstCells)) : LineText(texts[i])});
    }
}

void AppendReportHeaders(DrawList& out, const ReportColumns& columns, int y) {
    for (std::size_t i = 0; i < columns.headers.size() && i < columns.x.size(); ++i) {
        out.push_back({columns.x[i], y, std::string(columns.headers[i])});
    }
}

ReportScreen LayoutReportScreen(int rowHeight, VisibleBand band, int scrollWidth,
                                const std::string& heading, const ReportColumns& columns,
                                int itemCount, const ReportItemTexts& itemTexts) {
    const int h = std::max(rowHeight, 0);
    ReportScreen out;
    out.scroll = {scrollWidth, h * (itemCount + 2)};
    if (band.Shows(0, h)) {
        out.texts.push_back({0, 0, LineText(heading)});
    }
    if (band.Shows(h, h)) {
        AppendReportHeaders(out.texts, columns, h);
    }
    for (int item = 0; item < itemCount; ++item) {
        const int y = h * (item + 2);
        if (band.Shows(y, h)) {
            AppendReportLine(out.texts, columns, y, itemTexts(item));
        }
    }
    return out;
}

} // namespace markwise
