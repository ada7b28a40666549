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

// The ellipsis a cut text ends with (Windows-1252).
inline constexpr std::string_view kEllipsis = "\x85";

// The character cells a text takes in a fixed-pitch font: the one measure of a text's width
// that page layouts use (one cell per Windows-1252 byte).
inline std::size_t TextCells(std::string_view text) {
    return text.size();
}

// The text as it is when it takes at most `cells` cells, else the longest beginning that
// leaves a cell for the ellipsis after it (trailing blanks dropped); the one cut of page texts.
inline std::string CutText(std::string_view text, std::size_t cells) {
    if (TextCells(text) <= cells)
        return std::string(text);
    std::size_t kept = cells > 0 ? cells - 1 : 0;
    while (kept > 0 && text[kept - 1] == ' ')
        --kept;
    return std::string(text.substr(0, kept)) + std::string(kEllipsis);
}

} // namespace markwise
