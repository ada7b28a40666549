#include "geometry/histogram_layout.h"

#include "geometry/report_texts.h"

#include <algorithm>

namespace markwise {
namespace {

constexpr int kBarGap = 4;
constexpr int kLegendSquare = 8;

} // namespace

HistogramLayout LayoutHistogram(const std::array<int, kGradeCount>& counts,
                                const HistogramMeasure& measure, const HistogramWords& words) {
    const int largest = *std::max_element(counts.begin(), counts.end());
    const int width = measure.barsEnd - measure.labelRight - kBarGap - measure.countWidth;
    const int square = kLegendSquare;
    int pixels = 0; // a student takes pixels / per pixels
    int per = 1;
    std::string legend = words.noStudents;
    if (largest > 0) {
        if (width >= square * largest) {
            // Whole squares per student.
            const int squares = width / (square * largest);
            pixels = square * squares;
            legend = squares == 1 ? words.oneStudent
                                  : FillInReportText(words.studentPart, std::to_string(squares));
        } else if (width > 0) {
            // Whole students per square, at least two here.
            const int students = (square * largest + width - 1) / width;
            pixels = square;
            per = students;
            legend = FillInReportText(words.students, std::to_string(students));
        } else if (width == 0) {
            // No width at all: one pixel a student.
            pixels = 1;
            legend = FillInReportText(words.students, std::to_string(square));
        }
    }

    HistogramLayout out;
    out.legend = legend;
    const int left = measure.labelRight - measure.originX + kBarGap;
    for (int k = 0; k < kGradeCount; ++k) {
        const int length = std::max(counts[k], 0) * pixels / per;
        const int bottom = measure.labelBottoms[k] - measure.originY;
        out.bars[k] = {left, bottom - kHistogramBarHeight, left + length, bottom};
        out.counts[k] = {left + length + kBarGap, bottom, std::to_string(counts[k])};
    }
    return out;
}

} // namespace markwise
