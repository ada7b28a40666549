#include "print_text.h"

#include <QFontMetrics>
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

} // namespace markwise
