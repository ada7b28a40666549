#include "geometry/histogram_layout.h"

#include "core/number_text.h"

#include <algorithm>

namespace markwise {
namespace {

constexpr int kBarGap = 4;
constexpr double kLegendSquare = 8.0;

} // namespace

HistogramLayout LayoutHistogram(const std::array<int, kGradeCount>& counts,
                                const HistogramMeasure& measure) {
    const int largest = *std::max_element(counts.begin(), counts.end());
    const int width = measure.barsEnd - measure.labelRight - kBarGap;
    double scale = 0.0; // pixels per student
    double studentsPerSquare = 0.0;
    if (largest > 0) {
        scale = static_cast<double>(width) / largest;
        if (scale == 0.0) {
            scale = 1.0;
        }
        studentsPerSquare = kLegendSquare / scale;
    }

    HistogramLayout out;
    out.legend = "represents " + FormatG(studentsPerSquare) + " students.";
    const int left = measure.labelRight - measure.originX + kBarGap;
    for (int k = 0; k < kGradeCount; ++k) {
        const int length = std::max(static_cast<int>(counts[k] * scale), 0);
        const int bottom = measure.labelBottoms[k] - measure.originY;
        out.bars[k] = {left, bottom - kHistogramBarHeight, left + length, bottom};
    }
    return out;
}

} // namespace markwise
