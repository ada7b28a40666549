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

std::vector<WindowRect> CascadePlaces(int count, int width, int height, int step) {
    std::vector<WindowRect> places;
    const int w = std::max(width, 0) * 3 / 4;
    const int h = std::max(height, 0) * 3 / 4;
    const int offsets = std::max(1, std::min(width - w, height - h) / std::max(step, 1) + 1);
    for (int i = 0; i < count; ++i) {
        const int offset = (i % offsets) * std::max(step, 1);
        places.push_back({offset, offset, w, h});
    }
    return places;
}

} // namespace markwise
