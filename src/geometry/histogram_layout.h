#pragma once

#include "core/cutoffs.h"
#include "geometry/sheet_words.h"

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
    int countWidth = 0; // room the widest count text and its gap need after a bar
};

// A bar in client coordinates; right - left is its length.
struct BarRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    bool operator==(const BarRect&) const = default;
};

// A bar's count, drawn just after its end, level with the bar.
struct BarCount {
    int left = 0;
    int bottom = 0;
    std::string text;

    bool operator==(const BarCount&) const = default;
};

struct HistogramLayout {
    std::string legend; // "1 square = 2 students" beside the 8-pixel square
    std::array<BarRect, kGradeCount> bars;
    std::array<BarCount, kGradeCount> counts;
};

inline constexpr int kHistogramBarHeight = 10;

// Bars for the thirteen counts (A+ ... F), each followed by its count. The scale is the
// largest that lets the longest bar and its count fit between the labels and the
// right-edge marker while one 8-pixel square stands for a whole number of students or
// one student for a whole number of squares, so the legend reads "1 square = 2 students"
// or "1 square = 1/3 student" (in `words`). All counts 0, or markers the wrong way round:
// empty bars and "1 square = 0 students".
HistogramLayout LayoutHistogram(const std::array<int, kGradeCount>& counts,
                                const HistogramMeasure& measure,
                                const HistogramWords& words = EnglishHistogramWords());

} // namespace markwise
