#pragma once

#include "core/cutoffs.h"

#include <array>
#include <string>

namespace markwise {

// What the histogram dialog measures once it is laid out, in screen pixels.
struct HistogramMeasure {
    int originX = 0; // top-left of the origin marker: the client area's corner
    int originY = 0;
    int barsEnd = 0;    // right edge of the right-edge marker, where the longest bar ends
    int labelRight = 0; // right edge of the "A+:" label; every bar starts 4 pixels after it
    std::array<int, kGradeCount> labelBottoms{}; // bottom edge of each bin's label
};

// A bar in client coordinates; right - left is its length.
struct BarRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    bool operator==(const BarRect&) const = default;
};

struct HistogramLayout {
    std::string legend; // "represents <8 / scale> students." beside the 8-pixel square
    std::array<BarRect, kGradeCount> bars;
};

inline constexpr int kHistogramBarHeight = 10;

// Bars for the thirteen counts (A+ ... F), scaled so the largest fills the width
// between the labels and the right-edge marker. All counts 0: empty bars and a
// legend of 0. A bar never gets a negative length.
HistogramLayout LayoutHistogram(const std::array<int, kGradeCount>& counts,
                                const HistogramMeasure& measure);

} // namespace markwise
