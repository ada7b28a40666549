#include "sheet_paint.h"

#include <QPainter>
#include <QPalette>
#include <algorithm>

namespace markwise {

void PaintSheetBands(QPainter& painter, const QPalette& palette, int rowHeight, int students,
                     int top, int bottom, int left, int width) {
    painter.fillRect(QRect(left, top, width, bottom - top), palette.color(QPalette::Base));
    if (rowHeight > 0) {
        if (top < rowHeight)
            painter.fillRect(QRect(left, 0, width, rowHeight), palette.color(QPalette::Button));
        const QColor band = palette.color(QPalette::AlternateBase);
        // Every second student row, starting with the second.
        const int first = std::max(1, top / rowHeight);
        const int last = std::min(students, bottom / rowHeight + 1);
        for (int row = first; row <= last; ++row) {
            if (row % 2 == 0)
                painter.fillRect(QRect(left, row * rowHeight, width, rowHeight), band);
        }
    }
    painter.setPen(palette.color(QPalette::Text));
}

void PaintStickyHeadings(QPainter& painter, const GlyphTextPainter& glyphs, const QPalette& palette,
                         int rowHeight, int top, int left, int width, DrawList headings) {
    if (top <= 0 || rowHeight <= 0)
        return;
    painter.fillRect(QRect(left, top, width, rowHeight), palette.color(QPalette::Button));
    painter.save();
    painter.setPen(palette.color(QPalette::Mid));
    painter.drawLine(left, top + rowHeight - 1, left + width, top + rowHeight - 1);
    painter.setPen(palette.color(QPalette::ButtonText));
    for (DrawText& text : headings)
        text.y += top;
    glyphs.draw(painter, headings);
    painter.restore();
}

} // namespace markwise
