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
                         int rowHeight, int top, int left, int width, DrawList headings,
                         DrawList greyed) {
    if (top <= 0 || rowHeight <= 0)
        return;
    painter.fillRect(QRect(left, top, width, rowHeight), palette.color(QPalette::Button));
    painter.save();
    painter.setPen(palette.color(QPalette::Mid));
    painter.drawLine(left, top + rowHeight - 1, left + width, top + rowHeight - 1);
    painter.setPen(palette.color(QPalette::ButtonText));
    for (DrawList* list : {&headings, &greyed}) {
        for (DrawText& text : *list)
            text.y += top;
    }
    glyphs.draw(painter, headings);
    PaintGreyed(painter, glyphs, palette, greyed);
    painter.restore();
}

DrawList TakeExcludedHeadings(const CMarkwiseDoc& doc, const SheetView& view, DrawList& texts) {
    DrawList taken;
    std::erase_if(texts, [&](const DrawText& text) {
        if (!IsExcludedHeading(doc, view, text))
            return false;
        taken.push_back(text);
        return true;
    });
    return taken;
}

void PaintGreyed(QPainter& painter, const GlyphTextPainter& glyphs, const QPalette& palette,
                 const DrawList& texts) {
    if (texts.empty())
        return;
    painter.save();
    painter.setPen(palette.color(QPalette::Disabled, QPalette::Text));
    glyphs.draw(painter, texts);
    painter.restore();
}

} // namespace markwise
