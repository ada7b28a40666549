#pragma once

#include "geometry/draw_text.h"

class QPainter;

namespace markwise {

// Draws each text with its top-left corner at its position, in the painter's current
// font and coordinates. Screen, print and preview all draw through here.
void DrawTexts(QPainter& painter, const DrawList& texts);

} // namespace markwise
