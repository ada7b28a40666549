#pragma once

// A class as Canvas exports it, with the platform's total columns after the assignments on
// every line and "(read only)" in their points row.
#include "core/csv_layout.h"

#include <string>

namespace markwise::bench {

inline std::string CanvasFileWithTotals(const CMarkwiseDoc& doc) {
    const std::string csv = ExportCsv(doc, CsvLayout::Canvas);
    std::string wide;
    std::size_t line = 0;
    for (std::size_t start = 0; start < csv.size(); ++line) {
        const std::size_t end = csv.find('\n', start);
        wide.append(csv, start, end - start);
        wide += line == 0   ? ",Current Score,Final Score,Current Grade,Final Grade\n"
                : line == 1 ? ",(read only),(read only),(read only),(read only)\n"
                            : ",90.5,88.1,A-,B+\n";
        start = end + 1;
    }
    return wide;
}

} // namespace markwise::bench
