#pragma once

#include "framework/draw_list.h"
#include "geometry/sheet_layout.h"

class QPainter;
class QPalette;

namespace markwise {

// The grade sheet's backdrop in content pixels for the rows meeting [top, bottom): the
// heading line on a band of its own, student rows banded in the alternate base colour.
// Leaves the painter's pen at the palette's text colour for the texts that follow.
void PaintSheetBands(QPainter& painter, const QPalette& palette, int rowHeight, int students,
                     int top, int bottom, int left, int width);

// The heading line again at the top of the view (content y = top) once the students
// scroll under it; `headings` are the texts of row 0, already fitted to their room, those of
// assignments that do not count in `greyed`.
void PaintStickyHeadings(QPainter& painter, const GlyphTextPainter& glyphs, const QPalette& palette,
                         int rowHeight, int top, int left, int width, DrawList headings,
                         DrawList greyed);

// Takes the headings of assignments that do not count out of texts, to be drawn greyed.
DrawList TakeExcludedHeadings(const CMarkwiseDoc& doc, const SheetView& view, DrawList& texts);
// Draws texts in the palette's disabled text colour.
void PaintGreyed(QPainter& painter, const GlyphTextPainter& glyphs, const QPalette& palette,
                 const DrawList& texts);

} // namespace markwise
