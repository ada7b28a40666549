#pragma once

#include "geometry/draw_text.h"

#include <cstddef>
#include <span>
#include <string_view>
#include <vector>

namespace markwise {

// The width of one character cell of the print font (200-twip Courier New), in twips.
inline constexpr int kPrintCellWidth = 120;

// A printable width in 300-dpi pixels (PageRequest::width) as the twips layouts use.
inline int PrintableTwips(int width300) {
    return static_cast<int>(static_cast<long long>(width300) * 1440 / 300);
}

// The widest text of each column of one printout, in cells; trailing blanks draw nothing
// and are not counted.
class ColumnWidths {
public:
    explicit ColumnWidths(std::size_t columns) : m_cells(columns, 0) {}
    void widen(std::size_t column, std::string_view text);
    // Texts of consecutive columns from firstColumn on; those past the last are ignored.
    void widenRow(std::span<const std::string> texts, std::size_t firstColumn = 0);
    const std::vector<std::size_t>& cells() const { return m_cells; }

private:
    std::vector<std::size_t> m_cells;
};

// Where the columns of one printout start: each where it is placed or, when the widest
// text of the column before it would reach it (come within half a cell of it), one cell
// after that text. When the widest row would then run past printableWidth (twips; 0 or less: no
// limit), the texts of cutColumn are cut to cutCells cells, as few as make room (never
// below a few cells); no other column is cut. Texts that fit leave every column in place.
struct FittedColumns {
    std::vector<int> x;
    std::size_t cutCells = kUncut;
};
FittedColumns FitColumns(std::span<const int> placed, const ColumnWidths& widths,
                         int printableWidth, std::size_t cutColumn = 0);

} // namespace markwise
