#include "core/markwise_doc.h"
#include "framework/class_editor.h"
#include "support/full_class.h"

#include <benchmark/benchmark.h>
#include <functional>
#include <memory>
#include <string>

using namespace markwise;

namespace {

// Every score entered but a few, so steps also carry missing scores.
constexpr int kMissingEvery = 17;

// Times Undo and Redo of the one step `make` pushes, each on its own.
void TimeUndoRedo(benchmark::State& state, const std::function<void(CClassEditor&)>& make) {
    auto doc = bench::FullClass(kMissingEvery);
    CClassEditor editor(*doc);
    make(editor);
    const bool undo = state.range(0) == 0;
    for (auto _ : state) {
        if (undo) {
            editor.undo();
            state.PauseTiming();
            editor.redo();
            state.ResumeTiming();
        } else {
            state.PauseTiming();
            editor.undo();
            state.ResumeTiming();
            editor.redo();
        }
    }
    state.SetLabel(undo ? "undo" : "redo");
}

// One Update of Edit Assignment, as the dialog stores it.
void Store(CClassEditor& editor, int session, const AssignmentStore& store, bool fastEdit) {
    editor.apply(fastEdit ? "Fast Edit scores" : "Edit Assignment",
                 AssignmentStoreEdit(editor.data(), store), session);
}

void FastEditRun(CClassEditor& editor) {
    const int session = editor.newSession();
    for (int s = 0; s < kMaxStudents; ++s)
        Store(editor, session, {7, "Test 7", "Chapter 7", 100.0, s, double(s % 100)}, true);
}

void BM_SortByTotal(benchmark::State& state) {
    TimeUndoRedo(
        state, [](CClassEditor& e) { e.apply("Sort by Total Grade", SortEdit(SortKind::Total)); });
}
void BM_SortByName(benchmark::State& state) {
    TimeUndoRedo(state, [](CClassEditor& e) { e.apply("Sort by Name", SortEdit(SortKind::Name)); });
}
void BM_FastEdit1000Scores(benchmark::State& state) {
    TimeUndoRedo(state, FastEditRun);
}
void BM_RemoveFirstStudent(benchmark::State& state) {
    TimeUndoRedo(state, [](CClassEditor& e) { e.apply("Remove Student", RemoveStudentEdit(0)); });
}
void BM_RemoveFirstAssignment(benchmark::State& state) {
    TimeUndoRedo(state,
                 [](CClassEditor& e) { e.apply("Remove Assignment", RemoveAssignmentEdit(0)); });
}
void BM_EditOneScore(benchmark::State& state) {
    TimeUndoRedo(state, [](CClassEditor& e) {
        Store(e, e.newSession(), {3, "Test 3", "Chapter 3", 100.0, 500, 42.0}, false);
    });
}

// The history after 1000 separate score edits and 10 sorts.
void BM_HistoryMemory(benchmark::State& state) {
    auto doc = bench::FullClass(kMissingEvery);
    std::size_t bytes = 0;
    for (auto _ : state) {
        CClassEditor editor(*doc);
        for (int i = 0; i < 1000; ++i)
            Store(editor, editor.newSession(),
                  {i % 200, "Test " + std::to_string(i % 200), "Chapter " + std::to_string(i % 200),
                   100.0, i, 50.0},
                  false);
        for (int i = 0; i < 10; ++i)
            editor.apply("Sort", i % 2 ? SortEdit(SortKind::Name) : ShuffleEdit(unsigned(i)));
        bytes = editor.historyBytes();
        benchmark::DoNotOptimize(bytes);
    }
    state.counters["history_KiB"] = double(bytes) / 1024.0;
}

} // namespace

BENCHMARK(BM_SortByTotal)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SortByName)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FastEdit1000Scores)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RemoveFirstStudent)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RemoveFirstAssignment)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EditOneScore)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HistoryMemory)->Unit(benchmark::kMillisecond)->Iterations(3);

BENCHMARK_MAIN();
