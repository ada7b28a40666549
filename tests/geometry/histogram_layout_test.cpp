#include "geometry/histogram_layout.h"

#include <algorithm>
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

TEST(HistogramLayout, WholeSquaresOrStudentsAndACountAfterEachBar) {
    // 300 pixels for 7 students: 5 squares (40 pixels) a student.
    const HistogramLayout layout = Layout({2, 0, 0, 0, 7, 0, 0, 0, 0, 0, 0, 0, 1});
    EXPECT_EQ(layout.legend, "1 square = 1/5 student");
    EXPECT_EQ(Lengths(layout), (Counts{80, 0, 0, 0, 280, 0, 0, 0, 0, 0, 0, 0, 40}));
    // Bars start 4 pixels right of the labels, 10 high, bottoms level with their labels;
    // the count 4 pixels after the bar's end, an empty bar's too.
    EXPECT_EQ(layout.bars[0], (BarRect{44, 17, 124, 27}));
    EXPECT_EQ(layout.bars[12], (BarRect{44, 17 + 132, 84, 27 + 132}));
    EXPECT_EQ(layout.counts[0], (BarCount{128, 27, "2"}));
    EXPECT_EQ(layout.counts[1], (BarCount{48, 38, "0"}));

    struct Case {
        Counts counts;
        int barsEnd;
        int countWidth;
        std::string legend;
        int longest; // length of the largest bin's bar
    };
    const Case cases[] = {
        {{37}, 844, 0, "1 square = 1 student", 296},      // 8 pixels a student
        {{38}, 844, 0, "1 square = 2 students", 152},     // 304 > 300: half a square each
        {{100}, 844, 0, "1 square = 3 students", 266},    // 800 / 300 rounded up
        {{1000}, 844, 20, "1 square = 29 students", 275}, // room kept for "1000"
        {{}, 844, 0, "1 square = 0 students", 0},
        {{0, 0, 0, 0, 0, 3}, 544, 0, "1 square = 8 students", 3}, // no width: a pixel each
        {{0, 0, 0, 0, 0, 3}, 520, 0, "1 square = 0 students", 0}, // markers reversed
    };
    for (const Case& c : cases) {
        HistogramMeasure m;
        m.originX = 500;
        m.labelRight = 540;
        m.barsEnd = c.barsEnd;
        m.countWidth = c.countWidth;
        const HistogramLayout laid = LayoutHistogram(c.counts, m);
        EXPECT_EQ(laid.legend, c.legend) << c.counts[0];
        const Counts lengths = Lengths(laid);
        EXPECT_EQ(*std::max_element(lengths.begin(), lengths.end()), c.longest) << c.counts[0];
        EXPECT_LE(c.longest, std::max(c.barsEnd - 544 - c.countWidth, 3));
    }
}

} // namespace
} // namespace markwise
