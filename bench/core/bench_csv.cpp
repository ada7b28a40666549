// CSV interchange on a full class: 1000 students, 200 assignments, every score entered.
#include "core/csv_layout.h"
#include "core/csv_merge.h"
#include "core/csv_sheet.h"
#include "support/canvas_file.h"
#include "support/full_class.h"

#include <benchmark/benchmark.h>

namespace {

using namespace markwise;

void BM_ExportCsv(benchmark::State& state) {
    const auto doc = bench::FullClass();
    const auto layout = static_cast<CsvLayout>(state.range(0));
    std::size_t bytes = 0;
    for (auto _ : state) {
        const std::string csv = ExportCsv(*doc, layout);
        bytes = csv.size();
        benchmark::DoNotOptimize(csv.data());
    }
    state.SetLabel(std::string(CsvLayoutName(layout)));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
}
BENCHMARK(BM_ExportCsv)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

void BM_ImportCsvAsNewClass(benchmark::State& state) {
    const std::string csv = ExportCsv(*bench::FullClass(), CsvLayout::Markwise);
    for (auto _ : state) {
        CsvSheet sheet;
        std::string error;
        auto doc = ImportCsvClass(csv, sheet, error);
        if (!doc)
            state.SkipWithError(error.c_str());
        benchmark::DoNotOptimize(doc.get());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * csv.size()));
}
BENCHMARK(BM_ImportCsvAsNewClass)->Unit(benchmark::kMillisecond);

// Reads the CSV, plans the merge (everything the preview shows) and applies it. Two CSVs
// take turns, so every round changes every score.
void BM_MergeWithPreview(benchmark::State& state) {
    auto doc = bench::FullClass();
    auto other = bench::FullClass();
    for (int a = 0; a < kMaxAssignments; ++a) {
        for (int s = 0; s < kMaxStudents; ++s)
            other->m_assignments[a].m_scores[s] += 0.5;
    }
    const std::string csvs[2] = {ExportCsv(*other, CsvLayout::Markwise),
                                 ExportCsv(*doc, CsvLayout::Markwise)};
    std::size_t changes = 0;
    int turn = 0;
    for (auto _ : state) {
        CsvSheet sheet;
        MergePlan plan;
        std::string error;
        if (!ReadCsvSheet(csvs[turn], sheet, error, AssignmentTitles(*doc)) ||
            !PlanMerge(*doc, sheet, MergeMatch::Id, plan, error)) {
            state.SkipWithError(error.c_str());
            break;
        }
        ApplyMergePlan(*doc, plan);
        changes = plan.changes.size();
        turn = 1 - turn;
    }
    state.counters["scores_changed"] = static_cast<double>(changes);
}
BENCHMARK(BM_MergeWithPreview)->Unit(benchmark::kMillisecond);

// A Canvas export of 1000 students and 200 assignments with the platform's total columns,
// through File > Import's whole path: the file read, its columns sorted out for the preview,
// built again with the columns as the preview hands them back, into a new class.
void BM_ImportCanvasWithPreview(benchmark::State& state) {
    const bench::CanvasImport file(*bench::FullClass());
    for (auto _ : state) {
        CsvTable cells;
        CsvSheet sheet;
        Message error;
        if (!file.ReadForColumnList(cells, sheet, error)) {
            state.SkipWithError(English(error).c_str());
            break;
        }
        std::vector<CsvColumnChoice> choices = sheet.columns;
        for (CsvColumnChoice& choice : choices) // as the column list hands them back
            if (choice.use == CsvColumnUse::Scores)
                choice.points = choice.points.value_or(choice.proposedPoints);
        auto imported = bench::CanvasImport::NewClass(cells, sheet, choices, error);
        if (!imported) {
            state.SkipWithError(English(error).c_str());
            break;
        }
        benchmark::DoNotOptimize(imported.get());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * file.FileSize()));
}
BENCHMARK(BM_ImportCanvasWithPreview)->Unit(benchmark::kMillisecond);

} // namespace
