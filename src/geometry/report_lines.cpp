#include "geometry/report_lines.h"

#include <cstddef>

namespace markwise {

void AppendReportLine(DrawList& out, const ReportColumns& columns, int y,
                      const std::vector<std::string>& texts, int firstColumn) {
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const std::size_t column = static_cast<std::size_t>(firstColumn) + i;
        if (firstColumn < 0 || column >= columns.x.size()) {
            return;
        }
        out.push_back({columns.x[column], y, texts[i]});
    }
}

void AppendReportHeaders(DrawList& out, const ReportColumns& columns, int y) {
    for (std::size_t i = 0; i < columns.headers.size() && i < columns.x.size(); ++i) {
        out.push_back({columns.x[i], y, std::string(columns.headers[i])});
    }
}

} // namespace markwise
