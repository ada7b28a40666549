// Sorts and summaries on a full class: 1000 students, 200 assignments, every score entered.
#include "core/markwise_doc.h"
#include "core/sort.h"
#include "core/summary.h"

#include <benchmark/benchmark.h>
#include <memory>
#include <string>

namespace {

using markwise::CMarkwiseDoc;

// Scores repeat with a short period, so many students share a percent and the tie
// order of the sort by total matters.
std::unique_ptr<CMarkwiseDoc> FullClass() {
    auto doc = std::make_unique<CMarkwiseDoc>();
    std::uint32_t state = 12345;
    auto next = [&state] {
        state = state * 1103515245u + 12345u;
        return (state >> 16) & 0x7fff;
    };
    for (int s = 0; s < markwise::kMaxStudents; ++s) {
        const std::string n = std::to_string(next() % 600);
        doc->AddStudent({"First" + n, "Last" + std::to_string(next() % 400), "ID" + n, "B" + n,
                         "555-" + n, "9"});
    }
    for (int a = 0; a < markwise::kMaxAssignments; ++a) {
        doc->NewAssignment("Assignment " + std::to_string(a + 1), "", 10);
        for (int s = 0; s < markwise::kMaxStudents; ++s)
            doc->m_assignments[a].m_scores[s] = (s % 37 + a % 5) % 11;
    }
    return doc;
}

const CMarkwiseDoc& Unsorted() {
    static const std::unique_ptr<CMarkwiseDoc> doc = FullClass();
    return *doc;
}

// Each iteration sorts the same unsorted class; restoring it is not timed.
template <typename Operation> void RunOnFreshCopy(benchmark::State& state, Operation operation) {
    const CMarkwiseDoc& unsorted = Unsorted();
    auto work = std::make_unique<CMarkwiseDoc>(unsorted);
    for (auto _ : state) {
        state.PauseTiming();
        *work = unsorted;
        state.ResumeTiming();
        operation(*work);
        benchmark::DoNotOptimize(work->m_studentId[0].data());
    }
}

void BM_SortByName(benchmark::State& state) {
    RunOnFreshCopy(state, [](CMarkwiseDoc& doc) { markwise::SortByName(doc); });
}
void BM_SortByTotal(benchmark::State& state) {
    RunOnFreshCopy(state, [](CMarkwiseDoc& doc) { markwise::SortByTotal(doc); });
}
void BM_SortByAssignment(benchmark::State& state) {
    RunOnFreshCopy(state, [](CMarkwiseDoc& doc) { markwise::SortByAssignment(doc, 3); });
}
void BM_ShuffleStudents(benchmark::State& state) {
    RunOnFreshCopy(state, [](CMarkwiseDoc& doc) { markwise::ShuffleStudents(doc, 20240901u); });
}

void BM_AssignmentSummary(benchmark::State& state) {
    const CMarkwiseDoc& doc = Unsorted();
    const markwise::CGradeCutoffs cutoffs;
    for (auto _ : state)
        benchmark::DoNotOptimize(markwise::AssignmentSummary(doc, 7, cutoffs));
}
void BM_ClassSummary(benchmark::State& state) {
    const CMarkwiseDoc& doc = Unsorted();
    const markwise::CGradeCutoffs cutoffs;
    for (auto _ : state)
        benchmark::DoNotOptimize(markwise::ClassSummary(doc, cutoffs));
}

void BM_ConstructDocument(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(std::make_unique<CMarkwiseDoc>());
}

} // namespace

BENCHMARK(BM_SortByName)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SortByTotal)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SortByAssignment)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ShuffleStudents)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AssignmentSummary)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ClassSummary)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ConstructDocument)->Unit(benchmark::kMillisecond);
