#pragma once

#include "geometry/draw_text.h"

#include <algorithm>
#include <string>
#include <vector>

namespace markwise::test {

// A layout as one compact line of text per y, left to right: "16: 0=Lee, Ann 200=7.5".
inline std::vector<std::string> Lines(DrawList texts) {
    std::stable_sort(texts.begin(), texts.end(), [](const DrawText& a, const DrawText& b) {
        return a.y != b.y ? a.y < b.y : a.x < b.x;
    });
    std::vector<std::string> lines;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        if (i == 0 || texts[i].y != texts[i - 1].y)
            lines.push_back(std::to_string(texts[i].y) + ":");
        lines.back() += " " + std::to_string(texts[i].x) + "=" + texts[i].text;
    }
    return lines;
}

} // namespace markwise::test
