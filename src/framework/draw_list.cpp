#include "draw_list.h"

#include "text.h"

#include <QFontMetrics>
#include <QHash>
#include <QPaintDevice>
#include <QPainter>
#include <QStaticText>

namespace markwise {

namespace {

// Laid-out texts by font and bytes: a grade sheet repeats the same few score, percent and
// letter texts thousands of times, and laying a text out costs far more than drawing it.
class StaticTextCache {
public:
    const QStaticText& get(const QFont& font, const std::string& bytes) {
        const QString fontKey = font.key();
        if (fontKey != m_fontKey || m_texts.size() > kLimit) {
            m_texts.clear();
            m_fontKey = fontKey;
        }
        const QByteArray key = QByteArray::fromRawData(bytes.data(), qsizetype(bytes.size()));
        auto it = m_texts.find(key);
        if (it == m_texts.end()) {
            QStaticText text(toQString(bytes));
            text.setTextFormat(Qt::PlainText);
            text.setPerformanceHint(QStaticText::AggressiveCaching);
            it = m_texts.insert(QByteArray(bytes.data(), qsizetype(bytes.size())), text);
        }
        return it.value();
    }

private:
    static constexpr qsizetype kLimit = 20000;
    QString m_fontKey;
    QHash<QByteArray, QStaticText> m_texts;
};

} // namespace

void DrawTexts(QPainter& painter, const DrawList& texts) {
    // On screen, laid-out texts are kept between paints; a printer or PDF page lays each
    // text out for its own resolution.
    if (painter.device() && painter.device()->devType() == QInternal::Widget) {
        static StaticTextCache cache;
        const QFont font = painter.font();
        for (const DrawText& item : texts) {
            painter.drawStaticText(item.x, item.y, cache.get(font, item.text));
        }
        return;
    }
    const int ascent = painter.fontMetrics().ascent();
    for (const DrawText& item : texts) {
        painter.drawText(item.x, item.y + ascent, toQString(item.text));
    }
}

} // namespace markwise
