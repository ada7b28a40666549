#include "draw_list.h"

#include "text.h"

#include <QFontMetrics>
#include <QPainter>

namespace markwise {

void DrawTexts(QPainter& painter, const DrawList& texts) {
    const int ascent = painter.fontMetrics().ascent();
    for (const DrawText& item : texts) {
        painter.drawText(item.x, item.y + ascent, toQString(item.text));
    }
}

} // namespace markwise
