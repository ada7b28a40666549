#pragma once

#include <QFont>

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

} // namespace markwise
