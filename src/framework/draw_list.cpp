#include "draw_list.h"

#include "geometry/text_room.h"
#include "text.h"

#include <QFontMetrics>
#include <QGlyphRun>
#include <QPaintDevice>
#include <QPainter>
#include <optional>

namespace markwise {

GlyphTextPainter::GlyphTextPainter(const QFont& font) : m_font(QRawFont::fromFont(font)) {
    std::string bytes(256, '\0');
    for (int b = 0; b < 256; ++b)
        bytes[b] = static_cast<char>(b);
    const QList<quint32> glyphs = m_font.glyphIndexesForString(toQString(bytes));
    const QList<QPointF> advances =
        m_font.advancesForGlyphIndexes(glyphs, QRawFont::UseDesignMetrics);
    // Every Windows-1252 byte is one UTF-16 unit, so glyphs line up with bytes.
    if (glyphs.size() == 256 && advances.size() == 256) {
        for (int b = 0; b < 256; ++b) {
            m_glyphs[b] = glyphs[b];
            m_advances[b] = advances[b].x();
        }
    }
    m_ascent = m_font.ascent();
}

void GlyphTextPainter::draw(QPainter& painter, const DrawList& texts) const {
    QList<quint32> glyphs;
    QList<QPointF> positions;
    for (const DrawText& text : texts) {
        qreal x = text.x;
        for (const char c : text.text) {
            const auto b = static_cast<unsigned char>(c);
            if (m_glyphs[b] != 0) {
                glyphs.append(m_glyphs[b]);
                positions.append(QPointF(x, text.y + m_ascent));
            }
            x += m_advances[b];
        }
    }
    if (glyphs.isEmpty())
        return;
    QGlyphRun run;
    run.setRawFont(m_font);
    run.setGlyphIndexes(glyphs);
    run.setPositions(positions);
    painter.drawGlyphRun(QPointF(0, 0), run);
}

qreal GlyphTextPainter::width(std::string_view text) const {
    qreal width = 0;
    for (const char c : text)
        width += m_advances[static_cast<unsigned char>(c)];
    return width;
}

std::string GlyphTextPainter::elide(std::string_view text, qreal room) const {
    if (width(text) <= room)
        return std::string(text);
    constexpr char kEllipsis = '\x85';
    qreal width = m_advances[static_cast<unsigned char>(kEllipsis)];
    std::size_t kept = 0;
    while (kept < text.size()) {
        const qreal next = m_advances[static_cast<unsigned char>(text[kept])];
        if (width + next > room)
            break;
        width += next;
        ++kept;
    }
    while (kept > 0 && text[kept - 1] == ' ')
        --kept;
    return std::string(text.substr(0, kept)) + kEllipsis;
}

const GlyphTextPainter& ScreenGlyphs::glyphsFor(const QFont& font) {
    if (!m_glyphs || font.key() != m_fontKey) {
        m_glyphs.emplace(font);
        m_fontKey = font.key();
    }
    return *m_glyphs;
}

qreal TextRoom(const GlyphTextPainter& glyphs, const DrawText& text, int limit) {
    return limit - text.x - glyphs.width(" ");
}

void ElideCrowdedTexts(const GlyphTextPainter& glyphs, DrawList& texts,
                       const std::vector<int>& limits) {
    for (std::size_t i = 0; i < texts.size() && i < limits.size(); ++i) {
        if (limits[i] != kNoTextLimit)
            texts[i].text = glyphs.elide(texts[i].text, TextRoom(glyphs, texts[i], limits[i]));
    }
}

void DrawTexts(QPainter& painter, const DrawList& texts) {
    const int ascent = painter.fontMetrics().ascent();
    for (const DrawText& item : texts) {
        painter.drawText(item.x, item.y + ascent, toQString(item.text));
    }
}

} // namespace markwise
