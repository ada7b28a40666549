#include "geometry/text_room.h"

#include <algorithm>
#include <numeric>

namespace markwise {

std::vector<int> TextLimits(const DrawList& texts) {
    std::vector<std::size_t> order(texts.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::sort(order.begin(), order.end(), [&texts](std::size_t a, std::size_t b) {
        return texts[a].y != texts[b].y ? texts[a].y < texts[b].y : texts[a].x < texts[b].x;
    });
    std::vector<int> limits(texts.size(), kNoTextLimit);
    // Walking each line from the right, the nearest x seen that is further right.
    for (std::size_t i = order.size(); i-- > 0;) {
        const DrawText& text = texts[order[i]];
        for (std::size_t j = i + 1; j < order.size() && texts[order[j]].y == text.y; ++j) {
            if (texts[order[j]].x > text.x) {
                limits[order[i]] = texts[order[j]].x;
                break;
            }
        }
    }
    return limits;
}

int TextRoomAt(const DrawList& texts, const std::vector<int>& limits, int rowHeight, int x, int y) {
    for (std::size_t i = 0; i < texts.size() && i < limits.size(); ++i) {
        const DrawText& text = texts[i];
        if (limits[i] != kNoTextLimit && y >= text.y && y - text.y < rowHeight && x >= text.x &&
            x < limits[i]) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

} // namespace markwise
