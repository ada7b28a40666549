#pragma once

#include "framework/draw_list.h"

class QPainter;
class QPalette;

namespace markwise {

// The grade sheet's backdrop in content pixels for the rows meeting [top, bottom): the
// heading line on a band of its own, student rows banded in the alternate base colour.
// Leaves the painter's pen at the palette's text colour for the texts that follow.
void PaintSheetBands(QPainter& painter, const QPalette& palette, int rowHeight, int students,
                     int top, int bottom, int left, int width);

// The heading line again at the top of the view (content y = top) once the students
// scroll under it; `headings` are the texts of row 0, already fitted to their room.
void PaintStickyHeadings(QPainter& painter, const GlyphTextPainter& glyphs, const QPalette& palette,
                         int rowHeight, int top, int left, int width, DrawList headings);

} // namespace markwise
