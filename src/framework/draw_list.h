#pragma once

#include "geometry/draw_text.h"
#include "geometry/text_fit.h"

#include <QFont>
#include <QFontMetricsF>
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

// A font's own advances, fallback fonts included, for the characters it is asked about.
class FontMeasure : public TextMeasure {
public:
    explicit FontMeasure(const QFont& font) : m_metrics(font) {}
    double Advance(char32_t cp) const override;

private:
    QFontMetricsF m_metrics;
};

// Draws texts in one font by their top-left corners. The glyph of each character with a
// Windows-1252 byte is looked up once and those texts go out as one glyph run, unshaped and
// unkerned as the classic grade sheet draws them: a full screen or page takes a fraction of
// the time that laying out every text would. A text with other characters is laid out by
// Qt, whose font fallback supplies the glyphs the font lacks.
class GlyphTextPainter : public TextMeasure {
public:
    explicit GlyphTextPainter(const QFont& font);
    void draw(QPainter& painter, const DrawList& texts) const;
    double Advance(char32_t cp) const override;
    // The width draw gives a text.
    qreal width(std::string_view text) const { return TextWidth(text, *this); }
    // The text as it is when it is no wider than `room`, else cut with an ellipsis.
    std::string elide(std::string_view text, qreal room) const {
        return CutToFit(text, room, *this);
    }

private:
    QFont m_qfont; // for the texts Qt lays out, whatever font the painter holds
    QRawFont m_font;
    FontMeasure m_fallback;
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
// font and coordinates, laid out for the device's own resolution: print and preview. A text
// with characters whose width only the font knows is cut with an ellipsis where it would run
// into the next text on its line; Latin texts are drawn as they are.
void DrawTexts(QPainter& painter, const DrawList& texts);

} // namespace markwise
