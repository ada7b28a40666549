#pragma once

#include "geometry/draw_text.h"

#include <QFont>
#include <QRawFont>
#include <array>

class QPainter;

namespace markwise {

// The printed pages' font: "Courier New" (or its metric twin Liberation Mono) at a
// character height of 200 units, which on a painter set up by SetTwipsMapping is
// 200 twips, 10 points.
QFont PrintFont();

// Height + leading of PrintFont at a character height of 200 pixels on a 300-dpi
// printer: the line pitch the page layouts take, the same for every printer.
int MeasurePrintLineHeight();

// Makes one painter unit one twip (1/1440 inch) at the device's real resolution,
// y growing downward from the top-left corner of the printable area.
void SetTwipsMapping(QPainter& painter);

// Draws texts in the print font by their top-left corners, in the painter's units (twips
// after SetTwipsMapping). Each byte's glyph is looked up once and a page goes out as one
// glyph run: a full class prints in a fraction of the time shaping every text would take,
// and the monospaced print font needs no shaping.
class PrintTextPainter {
public:
    PrintTextPainter();
    void Draw(QPainter& painter, const DrawList& texts) const;

private:
    QRawFont m_font;
    std::array<quint32, 256> m_glyphs{}; // by Windows-1252 byte; 0: none in the font
    std::array<qreal, 256> m_advances{};
    qreal m_ascent = 0;
};

} // namespace markwise
