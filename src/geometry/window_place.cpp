#include "geometry/window_place.h"

#include <algorithm>

namespace markwise {

namespace {
// Smallest window that still shows a few columns of the grade sheet.
constexpr int kMinWidth = 480;
constexpr int kMinHeight = 320;
} // namespace

WindowRect PlaceMainWindow(const std::optional<WindowRect>& remembered, const WindowRect& available,
                           int frameTop) {
    const int top = available.top + std::max(0, frameTop);
    const int roomWidth = std::max(1, available.width);
    const int roomHeight = std::max(1, available.height - (top - available.top));
    if (!remembered || remembered->width <= 0 || remembered->height <= 0) {
        const int width = std::min(roomWidth, std::max(kMinWidth, roomWidth * 3 / 4));
        const int height = std::min(roomHeight, std::max(kMinHeight, roomHeight * 3 / 4));
        return {available.left + (roomWidth - width) / 2, top + (roomHeight - height) / 2, width,
                height};
    }
    WindowRect place = *remembered;
    place.width = std::min(place.width, roomWidth);
    place.height = std::min(place.height, roomHeight);
    place.left = std::clamp(place.left, available.left, available.left + roomWidth - place.width);
    place.top = std::clamp(place.top, top, top + roomHeight - place.height);
    return place;
}

} // namespace markwise
