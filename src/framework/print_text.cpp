#include "print_text.h"

#include "text.h"

#include <QFontMetrics>
#include <QGlyphRun>
#include <QImage>
#include <QPainter>

namespace markwise {

QFont PrintFont() {
    QFont font;
    // Where Courier New itself is not installed, Liberation Mono has its metrics.
    font.setFamilies({QStringLiteral("Courier New"), QStringLiteral("Liberation Mono")});
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setWeight(QFont::Normal);
    font.setPixelSize(200);
    return font;
}

int MeasurePrintLineHeight() {
    constexpr int kDotsPerMeterAt300Dpi = 11811; // 300 / 0.0254
    QImage device(1, 1, QImage::Format_Mono);
    device.setDotsPerMeterX(kDotsPerMeterAt300Dpi);
    device.setDotsPerMeterY(kDotsPerMeterAt300Dpi);
    const QFontMetrics metrics(PrintFont(), &device);
    return metrics.height() + metrics.leading();
}

void SetTwipsMapping(QPainter& painter) {
    constexpr double kTwipsPerInch = 1440.0;
    const QPaintDevice* device = painter.device();
    painter.scale(device->logicalDpiX() / kTwipsPerInch, device->logicalDpiY() / kTwipsPerInch);
}

PrintTextPainter::PrintTextPainter() : m_font(QRawFont::fromFont(PrintFont())) {
    std::string bytes(256, '\0');
    for (int b = 0; b < 256; ++b)
        bytes[b] = static_cast<char>(b);
    const QString characters = toQString(bytes);
    const QList<quint32> glyphs = m_font.glyphIndexesForString(characters);
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

void PrintTextPainter::Draw(QPainter& painter, const DrawList& texts) const {
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

} // namespace markwise
