#pragma once

#include "core/encoding.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace markwise {

// One text to draw, by its top-left corner, in the unit of its layout (pixels on
// screen, twips on paper with y growing downward from the top of the printable area).
// Text is UTF-8, as the document holds it.
struct DrawText {
    int x = 0;
    int y = 0;
    std::string text;

    bool operator==(const DrawText&) const = default;
};

using DrawList = std::vector<DrawText>;

// More than any line can show: layouts take no more of a text than this, however long the
// document keeps it, so a crafted file's megabyte names cost no gigabytes to lay out and
// draw. The cut falls between characters.
inline constexpr std::size_t kLineTextLimit = 1000;
inline std::string LineText(std::string_view text) {
    return std::string(text.substr(0, Utf8Prefix(text, kLineTextLimit)));
}

} // namespace markwise
