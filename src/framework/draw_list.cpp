#include "draw_list.h"

#include "core/encoding.h"
#include "geometry/text_room.h"
#include "text.h"
#include "ui_language.h"

#include <QFontMetrics>
#include <QGlyphRun>
#include <QPaintDevice>
#include <QPainter>
#include <optional>

namespace markwise {

double FontMeasure::Advance(char32_t cp) const {
    return m_metrics.horizontalAdvance(QString::fromUcs4(&cp, 1));
}

GlyphTextPainter::GlyphTextPainter(const QFont& font)
    : m_qfont(font), m_font(QRawFont::fromFont(font)), m_fallback(font) {
    std::string bytes(256, '\0');
    for (int b = 0; b < 256; ++b)
        bytes[b] = static_cast<char>(b);
    const QList<quint32> glyphs = m_font.glyphIndexesForString(toQString(Cp1252ToUtf8(bytes)));
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

double GlyphTextPainter::Advance(char32_t cp) const {
    const int byte = Cp1252Byte(cp);
    return byte >= 0 ? m_advances[byte] : m_fallback.Advance(cp);
}

void GlyphTextPainter::draw(QPainter& painter, const DrawList& texts) const {
    QList<quint32> glyphs;
    QList<QPointF> positions;
    std::vector<const DrawText*> laidOut;
    const NumberForm numbers;
    std::string number;
    for (const DrawText& text : texts) {
        const qsizetype start = glyphs.size();
        bool wide = false;
        qreal x = text.x;
        const std::string& shown =
            numbers.plain() ? text.text : (number = numbers.shown(text.text));
        for (std::size_t pos = 0; pos < shown.size();) {
            auto byte = static_cast<unsigned char>(shown[pos]);
            if (byte < 0x80) {
                ++pos;
            } else {
                char32_t cp;
                pos = NextCodePoint(shown, pos, cp);
                const int mapped = Cp1252Byte(cp);
                if (mapped < 0) {
                    wide = true;
                    break;
                }
                byte = static_cast<unsigned char>(mapped);
            }
            if (m_glyphs[byte] != 0) {
                glyphs.append(m_glyphs[byte]);
                positions.append(QPointF(x, text.y + m_ascent));
            }
            x += m_advances[byte];
        }
        if (wide) {
            glyphs.resize(start);
            positions.resize(start);
            laidOut.push_back(&text);
        }
    }
    if (!glyphs.isEmpty()) {
        QGlyphRun run;
        run.setRawFont(m_font);
        run.setGlyphIndexes(glyphs);
        run.setPositions(positions);
        painter.drawGlyphRun(QPointF(0, 0), run);
    }
    if (laidOut.empty())
        return;
    painter.save();
    painter.setFont(m_qfont);
    for (const DrawText* text : laidOut)
        painter.drawText(QPointF(text->x, text->y + m_ascent), toQString(text->text));
    painter.restore();
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
    const FontMeasure measure(painter.font());
    std::vector<int> limits;
    const NumberForm numbers;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const DrawText& item = texts[i];
        if (!HasWideCharacters(item.text)) {
            painter.drawText(item.x, item.y + ascent, toQString(numbers.shown(item.text)));
            continue;
        }
        if (limits.empty())
            limits = TextLimits(texts);
        const double room = limits[i] == kNoTextLimit ? TextWidth(item.text, measure)
                                                      : limits[i] - item.x - measure.Advance(U' ');
        painter.drawText(item.x, item.y + ascent, toQString(CutToFit(item.text, room, measure)));
    }
}

} // namespace markwise
