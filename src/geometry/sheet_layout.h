#pragma once

#include "core/cutoffs.h"
#include "core/markwise_doc.h"
#include "geometry/draw_text.h"
#include "geometry/scroll_size.h"
#include "geometry/sheet_words.h"

namespace markwise {

// Grade sheet on screen, in pixels with y growing downward from the top of the
// scrolled grid. Rows are rowHeight apart: row 0 the headings, rows 1..nS the
// students, then the points-possible row, a blank row and one description row
// per shown column.
inline constexpr int kSheetNameWidth = 200;   // name column
inline constexpr int kSheetColumnWidth = 100; // one assignment column
inline constexpr int kSheetFixedWidth = 376;  // name column + room for the totals block
inline constexpr int kSheetPercentOffset = 65;
inline constexpr int kSheetLetterOffset = 150;

// The view's display state and what it measured before painting.
struct SheetView {
    int firstAssignment = 0; // m_firstAssignment, never negative
    int clientWidth = 0;     // client area width, pixels
    int rowHeight = 0;       // font height + external leading, pixels
};

// Assignment columns that fit a client area: (width - 376) / 100, never below 0.
int VisibleColumnCount(int clientWidth);
// The smaller of VisibleColumnCount and the assignment count (nV); the totals
// block starts at 200 + 100 * nV.
int ShownColumnCount(const CMarkwiseDoc& doc, int clientWidth);

// Whether a heading text (row 0 at x) is that of an assignment shown that does not count
// in totals, which the screen marks.
bool IsExcludedHeading(const CMarkwiseDoc& doc, const SheetView& view, const DrawText& text);

// UpdateScrollSizes: 376 wide, and as high as the rows drawn: the heading, the students,
// the points-possible and blank rows and one description row per shown column, rowHeight
// each (20 while the font is not measured yet), so the range ends where the sheet ends.
ScrollSize SheetScrollSize(const CMarkwiseDoc& doc, int clientWidth, int rowHeight);
// OnUpdate's range, which the next paint replaces: 600 x (nS + 3) * rowHeight.
ScrollSize SheetProvisionalScrollSize(const CMarkwiseDoc& doc, int rowHeight);

// Every text of the sheet in drawing order: names; then column by column its
// points possible, heading, description line and scores; then the totals block.
// Letter grades use `cutoffs`, the application's current set.
DrawList LayoutSheet(const CMarkwiseDoc& doc, const SheetView& view, const CGradeCutoffs& cutoffs,
                     const SheetWords& words = EnglishSheetWords());

// Only the texts of the rows that meet the pixel band [top, bottom), in the
// same order and at the same positions as LayoutSheet. Totals are computed only
// for the students in the band, so painting a large class stays cheap.
// A rowHeight <= 0 (no real font) keeps the texts whose y lies in the band.
DrawList LayoutSheetBand(const CMarkwiseDoc& doc, const SheetView& view,
                         const CGradeCutoffs& cutoffs, int top, int bottom,
                         const SheetWords& words = EnglishSheetWords());

} // namespace markwise
