#pragma once

#include "geometry/draw_text.h"
#include "geometry/scroll_size.h"

#include <climits>
#include <cstddef>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace markwise {

// A report's columns: left edges (pixels on screen, twips on paper) and header texts.
struct ReportColumns {
    std::span<const int> x;
    std::span<const std::string_view> headers;
};

// Appends texts on one line, the first at column firstColumn, the next ones to its right.
// Texts beyond the last column are dropped; the first is cut to firstCells cells (CutText).
void AppendReportLine(DrawList& out, const ReportColumns& columns, int y,
                      const std::vector<std::string>& texts, int firstColumn = 0,
                      std::size_t firstCells = kUncut);
void AppendReportHeaders(DrawList& out, const ReportColumns& columns, int y);

// The part of the document (pixel y, top inclusive, bottom exclusive) a paint needs.
// Lines wholly outside it are not laid out; the default covers everything.
struct VisibleBand {
    int top = INT_MIN;
    int bottom = INT_MAX;
    bool Shows(int y, int lineHeight) const {
        return y<bottom&& static_cast<long long>(y) + lineHeight> top;
    }
};

// What a report window paints: its texts in drawing order and its scroll size.
struct ReportScreen {
    DrawList texts;
    ScrollSize scroll;
};

// Texts of one item, one per column, left to right (fewer than the columns is allowed).
using ReportItemTexts = std::function<std::vector<std::string>(int item)>;

// The screen procedure all three reports share: the heading on line 0, the column headers
// on line 1, then the items from line 2 on, rowHeight pixels apart; only lines inside the
// band are laid out. The scroll height covers those lines.
ReportScreen LayoutReportScreen(int rowHeight, VisibleBand band, int scrollWidth,
                                const std::string& heading, const ReportColumns& columns,
                                int itemCount, const ReportItemTexts& itemTexts);

} // namespace markwise
