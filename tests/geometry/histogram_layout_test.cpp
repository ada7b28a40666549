#include "geometry/histogram_layout.h"

#include <gtest/gtest.h>

namespace markwise {
namespace {

using Counts = std::array<int, kGradeCount>;

Counts Lengths(const HistogramLayout& layout) {
    Counts lengths{};
    for (int k = 0; k < kGradeCount; ++k)
        lengths[k] = layout.bars[k].right - layout.bars[k].left;
    return lengths;
}

// A dialog whose client area starts at screen (500, 300); labels end at screen x 540 and
// their bottoms are 11 pixels apart; bars may end at barsEnd (W = E - A - 4 = 300 by default).
HistogramLayout Layout(const Counts& counts, int barsEnd = 844) {
    HistogramMeasure m;
    m.originX = 500;
    m.originY = 300;
    m.labelRight = 540;
    m.barsEnd = barsEnd;
    for (int k = 0; k < kGradeCount; ++k)
        m.labelBottoms[k] = 300 + 27 + 11 * k;
    return LayoutHistogram(counts, m);
}

TEST(HistogramLayout, ScalesTheLargestBinToTheFullWidth) {
    const HistogramLayout layout = Layout({2, 0, 0, 0, 7, 0, 0, 0, 0, 0, 0, 0, 1});
    EXPECT_EQ(layout.legend, "represents 0.186667 students.");
    EXPECT_EQ(Lengths(layout), (Counts{85, 0, 0, 0, 300, 0, 0, 0, 0, 0, 0, 0, 42}));
    // Bars start 4 pixels right of the labels, 10 high, bottoms level with their labels.
    EXPECT_EQ(layout.bars[0], (BarRect{44, 17, 129, 27}));
    EXPECT_EQ(layout.bars[12], (BarRect{44, 17 + 132, 86, 27 + 132}));

    EXPECT_EQ(Layout(Counts{}).legend, "represents 0 students.");
    // No width at all: one pixel per student; markers the wrong way round: empty bars.
    const Counts three = {0, 0, 0, 0, 0, 3};
    EXPECT_EQ(Layout(three, 544).legend, "represents 8 students.");
    EXPECT_EQ(Lengths(Layout(three, 544))[5], 3);
    EXPECT_EQ(Lengths(Layout(three, 520))[5], 0);
}

} // namespace
} // namespace markwise
