#pragma once

#include "geometry/draw_text.h"

#include <QRawFont>
#include <QString>
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

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
    void draw(QPainter& painter, const DrawList& texts) const;
    // The width draw gives a text.
    qreal width(std::string_view text) const;
    // The text as it is when it is no wider than `room`, else the longest beginning that
    // fits with "..." (one character, Windows-1252 0x85) after it.
    std::string elide(std::string_view text, qreal room) const;

private:
    QRawFont m_font;
    std::array<quint32, 256> m_glyphs{}; // by Windows-1252 byte; 0: none in the font
    std::array<qreal, 256> m_advances{};
    qreal m_ascent = 0;
};

// The glyphs a window paints with: the last font's are kept between paints, since
// looking them up costs more than drawing a screenful. Each window owns one.
class ScreenGlyphs {
public:
    const GlyphTextPainter& glyphsFor(const QFont& font);

private:
    std::optional<GlyphTextPainter> m_glyphs;
    QString m_fontKey;
};

// Cuts, with an ellipsis, each text that would run up to the next text on its line
// (`limits`, one per text, from TextLimits). Positions stay as they are.
void ElideCrowdedTexts(const GlyphTextPainter& glyphs, DrawList& texts,
                       const std::vector<int>& limits);
// The room a text has before its limit: a space's width is kept clear of the neighbour.
qreal TextRoom(const GlyphTextPainter& glyphs, const DrawText& text, int limit);

// Draws each text with its top-left corner at its position, in the painter's current
// font and coordinates, laid out for the device's own resolution: print and preview.
void DrawTexts(QPainter& painter, const DrawList& texts);

} // namespace markwise
