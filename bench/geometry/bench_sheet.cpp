#include "core/markwise_doc.h"
#include "geometry/sheet_layout.h"
#include "support/full_class.h"

#include <benchmark/benchmark.h>
#include <ctime>
#include <memory>
#include <string>

namespace {

using namespace markwise;

constexpr int kRowHeight = 16;
constexpr int kBandRows = 40;
// A typical window, scrolled half way down and to the middle of the columns.
const SheetView kView{100, 1280, kRowHeight};
constexpr int kBandTop = 500 * kRowHeight + 7;

// The largest class a document holds: 1000 students, 200 assignments, a few scores missing.
const CMarkwiseDoc& FullClass() {
    static const std::unique_ptr<CMarkwiseDoc> doc = [] {
        auto d = std::make_unique<CMarkwiseDoc>();
        for (int s = 0; s < kMaxStudents; ++s) {
            d->m_lastName[s] = "Lastname" + std::to_string(s);
            d->m_firstName[s] = "First" + std::to_string(s);
            d->m_studentId[s] = std::to_string(100000 + s);
        }
        d->m_studentCount = kMaxStudents;
        for (int a = 0; a < kMaxAssignments; ++a) {
            CAssignment& asg = d->m_assignments[a];
            asg.m_title = "Assignment " + std::to_string(a + 1);
            asg.m_description = "Description of assignment " + std::to_string(a + 1);
            asg.m_pointsPossible = 10 + a % 5;
            for (int s = 0; s < kMaxStudents; ++s) {
                asg.SetScore((s + a) % 13 == 0 ? MISSING_SCORE : (s * 7 + a) % 15 * 0.75, s);
            }
        }
        d->m_assignmentCount = kMaxAssignments;
        return d;
    }();
    return *doc;
}

DrawList Band() {
    return LayoutSheetBand(FullClass(), kView, CGradeCutoffs{}, kBandTop,
                           kBandTop + kBandRows * kRowHeight);
}

void BM_SheetVisibleBand(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(Band());
    }
}
BENCHMARK(BM_SheetVisibleBand)->Unit(benchmark::kMicrosecond);

void BM_SheetFullLayout(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(LayoutSheet(FullClass(), kView, CGradeCutoffs{}));
    }
}
BENCHMARK(BM_SheetFullLayout)->Unit(benchmark::kMicrosecond);

// The same band under a 10-category policy with marked scores: the totals column and the
// cells' marks.
void BM_SheetVisibleBandWithPolicy(benchmark::State& state) {
    static const std::unique_ptr<CMarkwiseDoc> doc = [] {
        auto d = std::make_unique<CMarkwiseDoc>(FullClass());
        bench::AddPolicy(*d);
        return d;
    }();
    for (auto _ : state) {
        benchmark::DoNotOptimize(LayoutSheetBand(*doc, kView, CGradeCutoffs{}, kBandTop,
                                                 kBandTop + kBandRows * kRowHeight));
    }
}
BENCHMARK(BM_SheetVisibleBandWithPolicy)->Unit(benchmark::kMicrosecond);

// Both layouts timed in one loop, in processor time so that other work on a
// shared machine does not skew the ratio.
void BM_SheetBandToFullRatio(benchmark::State& state) {
    std::clock_t band = 0;
    std::clock_t full = 0;
    for (auto _ : state) {
        const std::clock_t t0 = std::clock();
        benchmark::DoNotOptimize(Band());
        const std::clock_t t1 = std::clock();
        benchmark::DoNotOptimize(LayoutSheet(FullClass(), kView, CGradeCutoffs{}));
        const std::clock_t t2 = std::clock();
        band += t1 - t0;
        full += t2 - t1;
    }
    const double toUs = 1e6 / CLOCKS_PER_SEC / static_cast<double>(state.iterations());
    state.counters["band_us"] = static_cast<double>(band) * toUs;
    state.counters["full_us"] = static_cast<double>(full) * toUs;
    state.counters["band_to_full"] = static_cast<double>(band) / static_cast<double>(full);
}
BENCHMARK(BM_SheetBandToFullRatio)->Unit(benchmark::kMicrosecond);

} // namespace
