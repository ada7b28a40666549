#pragma once

#include <string>
#include <vector>

namespace markwise {

// One text to draw, by its top-left corner, in the unit of its layout (pixels on
// screen, twips on paper with y growing downward from the top of the printable area).
// Text is the document's Windows-1252 bytes, unconverted.
struct DrawText {
    int x = 0;
    int y = 0;
    std::string text;

    bool operator==(const DrawText&) const = default;
};

using DrawList = std::vector<DrawText>;

} // namespace markwise
