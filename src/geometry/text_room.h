#pragma once

#include "geometry/draw_text.h"

#include <climits>
#include <vector>

namespace markwise {

// How far each text of a layout may run before it meets its neighbour, so that the screen
// can cut what would run under the next column.
inline constexpr int kNoTextLimit = INT_MAX;

// For each text, the x where the next text to its right on the same line begins (an empty
// text still marks its column), or kNoTextLimit when none follows.
std::vector<int> TextLimits(const DrawList& texts);

// The text whose room - from its x to its limit, one row high - holds the point (x, y);
// -1 when there is none, or when that text has no limit and so is never cut.
int TextRoomAt(const DrawList& texts, const std::vector<int>& limits, int rowHeight, int x, int y);

} // namespace markwise
