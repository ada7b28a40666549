#pragma once

#include "geometry/draw_text.h"

#include <QRawFont>
#include <array>

class QFont;
class QPainter;

namespace markwise {

// Draws texts in one font by their top-left corners. Each Windows-1252 byte's glyph is
// looked up once and all the texts go out as one glyph run, unshaped and unkerned as the
// classic grade sheet draws them: a full screen or page takes a fraction of the time that
// laying out every text would.
class GlyphTextPainter {
public:
    explicit GlyphTextPainter(const QFont& font);
    void Draw(QPainter& painter, const DrawList& texts) const;

private:
    QRawFont m_font;
    std::array<quint32, 256> m_glyphs{}; // by Windows-1252 byte; 0: none in the font
    std::array<qreal, 256> m_advances{};
    qreal m_ascent = 0;
};

// Draws each text with its top-left corner at its position, in the painter's current
// font and coordinates. Screen, print and preview all draw through here.
void DrawTexts(QPainter& painter, const DrawList& texts);

} // namespace markwise
