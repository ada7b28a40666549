#include "geometry/histogram_layout.h"

#include <gtest/gtest.h>

namespace markwise {
namespace {

using Counts = std::array<int, kGradeCount>;

// A dialog whose client area starts at screen (500, 300); labels end at screen
// x 540 and their bottoms are 11 pixels apart; W = E - A - 4 = 300.
HistogramMeasure Measure() {
    HistogramMeasure m;
    m.originX = 500;
    m.originY = 300;
    m.labelRight = 540;
    m.barsEnd = 844;
    for (int k = 0; k < kGradeCount; ++k) {
        m.labelBottoms[k] = 300 + 27 + 11 * k;
    }
    return m;
}

std::array<int, kGradeCount> Lengths(const HistogramLayout& layout) {
    std::array<int, kGradeCount> lengths{};
    for (int k = 0; k < kGradeCount; ++k) {
        lengths[k] = layout.bars[k].right - layout.bars[k].left;
    }
    return lengths;
}

TEST(HistogramLayout, ScalesTheLargestBinToTheFullWidth) {
    Counts counts{};
    counts[0] = 2;  // A+
    counts[4] = 7;  // B
    counts[12] = 1; // F
    const HistogramLayout layout = LayoutHistogram(counts, Measure());
    EXPECT_EQ(layout.legend, "represents 0.186667 students.");
    EXPECT_EQ(Lengths(layout), (Counts{85, 0, 0, 0, 300, 0, 0, 0, 0, 0, 0, 0, 42}));
    // Bars start 4 pixels right of the labels, 10 high, bottoms level with their labels.
    EXPECT_EQ(layout.bars[0], (BarRect{44, 17, 129, 27}));
    EXPECT_EQ(layout.bars[12], (BarRect{44, 17 + 132, 86, 27 + 132}));
    EXPECT_EQ(layout.bars[4].right + 500, 844); // the longest ends at the marker's edge
}

TEST(HistogramLayout, LargeCountsEmptyAndDegenerateWidths) {
    Counts large{};
    large[1] = 400;
    large[2] = 200;
    const HistogramLayout scaled = LayoutHistogram(large, Measure());
    EXPECT_EQ(scaled.legend, "represents 10.6667 students.");
    EXPECT_EQ(Lengths(scaled)[1], 300);
    EXPECT_EQ(Lengths(scaled)[2], 150);

    const HistogramLayout empty = LayoutHistogram(Counts{}, Measure());
    EXPECT_EQ(empty.legend, "represents 0 students.");
    EXPECT_EQ(Lengths(empty), Counts{});
    EXPECT_EQ(empty.bars[3].bottom - empty.bars[3].top, 10);

    // No width at all: one pixel per student.
    HistogramMeasure none = Measure();
    none.barsEnd = none.labelRight + 4;
    Counts three{};
    three[5] = 3;
    const HistogramLayout flat = LayoutHistogram(three, none);
    EXPECT_EQ(flat.legend, "represents 8 students.");
    EXPECT_EQ(Lengths(flat)[5], 3);
    // Markers the wrong way round give empty bars, not reversed ones.
    none.barsEnd = none.labelRight - 20;
    EXPECT_EQ(Lengths(LayoutHistogram(three, none))[5], 0);
}

} // namespace
} // namespace markwise
