#pragma once

#include "core/profile.h"

#include <optional>
#include <vector>

namespace markwise {

// Where the main window goes when it is not maximized, in screen pixels. The client area
// is placed; the window manager's frame adds frameTop pixels of title bar above it.
// A remembered rectangle is kept when it fits the available area; otherwise it is shrunk
// and moved inside, so the title bar can always be reached. Without one, the window takes
// three quarters of the available area, centred.
WindowRect PlaceMainWindow(const std::optional<WindowRect>& remembered, const WindowRect& available,
                           int frameTop);

// Window > Cascade inside an area of width x height: each window three quarters of the area
// in both directions, the next one step further right and down, starting again at the
// top-left corner where the next would leave the area.
std::vector<WindowRect> CascadePlaces(int count, int width, int height, int step);

} // namespace markwise
