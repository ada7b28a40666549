#include "geometry/column_fit.h"

#include <algorithm>

namespace markwise {

void ColumnWidths::widen(std::size_t column, std::string_view text) {
    if (column >= m_cells.size())
        return;
    const std::size_t end = text.find_last_not_of(' ');
    const std::size_t shown =
        end == std::string_view::npos ? 0 : TextCells(text.substr(0, end + 1));
    m_cells[column] = std::max(m_cells[column], std::min(shown, kLineTextLimit));
}

void ColumnWidths::widenRow(std::span<const std::string> texts, std::size_t firstColumn) {
    for (std::size_t i = 0; i < texts.size(); ++i)
        widen(firstColumn + i, texts[i]);
}

namespace {

// Cut texts keep at least this many cells: three characters and the ellipsis.
constexpr std::size_t kShortestCut = 4;

struct Placement {
    std::vector<int> x;
    int right = 0; // where the widest row ends
};

Placement Place(std::span<const int> placed, const std::vector<std::size_t>& cells) {
    Placement out;
    out.x.reserve(placed.size());
    for (std::size_t i = 0; i < placed.size(); ++i) {
        int x = placed[i];
        if (i > 0) {
            const std::size_t before = i - 1 < cells.size() ? cells[i - 1] : 0;
            const int end = out.x[i - 1] + static_cast<int>(before) * kPrintCellWidth;
            // Less than half a cell apart the two texts read as one.
            if (before > 0 && end + kPrintCellWidth / 2 > x)
                x = end + kPrintCellWidth;
        }
        out.x.push_back(x);
        const std::size_t own = i < cells.size() ? cells[i] : 0;
        out.right = std::max(out.right, x + static_cast<int>(own) * kPrintCellWidth);
    }
    return out;
}

} // namespace

FittedColumns FitColumns(std::span<const int> placed, const ColumnWidths& widths,
                         int printableWidth, std::size_t cutColumn) {
    std::vector<std::size_t> cells = widths.cells();
    Placement placement = Place(placed, cells);
    FittedColumns out;
    if (printableWidth > 0 && placement.right > printableWidth && cutColumn < cells.size()) {
        const std::size_t widest = cells[cutColumn];
        for (std::size_t keep = widest; keep-- > std::min(widest, kShortestCut);) {
            cells[cutColumn] = keep;
            placement = Place(placed, cells);
            out.cutCells = keep;
            if (placement.right <= printableWidth)
                break;
        }
    }
    out.x = std::move(placement.x);
    return out;
}

} // namespace markwise
