#pragma once

#include "core/encoding.h"
#include "geometry/text_fit.h"

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

// The character cells a text takes in the printouts' fixed-pitch font: the one measure of a
// text's width that page layouts use. A character with a Windows-1252 byte is one cell; any
// other (CJK and the like, which the font's fallback draws about twice as wide) takes two, so
// a column after it is placed far enough.
inline std::size_t TextCells(std::string_view text) {
    // Most texts are ASCII, a cell a byte, and are counted without decoding.
    std::size_t ascii = 0;
    while (ascii < text.size() && static_cast<unsigned char>(text[ascii]) < 0x80)
        ++ascii;
    if (ascii == text.size())
        return ascii;
    return ascii + static_cast<std::size_t>(TextWidth(text.substr(ascii), PageCellMeasure{}));
}

// The text as it is when it takes at most `cells` cells, else the longest beginning that
// leaves room for the ellipsis after it (whole characters, trailing blanks dropped); the one
// cut of page texts.
inline std::string CutText(std::string_view text, std::size_t cells) {
    if (TextCells(text) <= cells)
        return std::string(text);
    return CutToFit(text, static_cast<double>(cells), PageCellMeasure{});
}
// No cut: a number of cells no text reaches.
inline constexpr std::size_t kUncut = static_cast<std::size_t>(-1);

} // namespace markwise
