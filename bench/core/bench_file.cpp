// Loading and saving a full class: 1000 students, 200 assignments, every score entered.
#include "core/class_file.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <filesystem>
#include <random>
#include <stdlib.h>

namespace {

using markwise::CMarkwiseDoc;

std::unique_ptr<CMarkwiseDoc> FullClass() {
    static const char* const kFirst[] = {"Ann",   "Bartholomew", "Chloe",   "Dmitri", "Esperanza",
                                         "Farid", "Grace",       "Hiroshi", "Ingrid", "Jamal"};
    static const char* const kLast[] = {
        "Lee",    "Okonkwo",   "Martinez-Garcia", "Smith",   "Van Houten",
        "Nguyen", "Abernathy", "Kowalski",        "O'Brien", "Schwarzenegger"};
    std::mt19937 rng(7);
    auto doc = std::make_unique<CMarkwiseDoc>();
    doc->m_studentCount = markwise::kMaxStudents;
    doc->m_assignmentCount = markwise::kMaxAssignments;
    for (int s = 0; s < markwise::kMaxStudents; ++s) {
        doc->m_firstName[s] = kFirst[rng() % 10];
        doc->m_lastName[s] = kLast[rng() % 10];
        doc->m_studentId[s] = "S" + std::to_string(100000 + s);
        doc->m_bookNumber[s] = "BK-" + std::to_string(rng() % 9000 + 1000);
        doc->m_phone[s] = "(555) 01" + std::to_string(rng() % 90 + 10) + "-" +
                          std::to_string(rng() % 9000 + 1000);
        doc->m_gradeLevel[s] = std::to_string(rng() % 4 + 9);
    }
    for (int a = 0; a < markwise::kMaxAssignments; ++a) {
        markwise::CAssignment& record = doc->m_assignments[a];
        const double points = 10.0 * (rng() % 10 + 1);
        record.SetDetails("Quiz " + std::to_string(a + 1),
                          "Chapter " + std::to_string(a / 10 + 1) + " review questions", points);
        for (int s = 0; s < markwise::kMaxStudents; ++s) {
            record.SetScore(double(rng() % 1000) * points / 1000.0, s);
        }
    }
    return doc;
}

const CMarkwiseDoc& SharedClass() {
    static const auto doc = FullClass();
    return *doc;
}

void BM_WriteClass(benchmark::State& state) {
    const CMarkwiseDoc& doc = SharedClass();
    for (auto _ : state) {
        benchmark::DoNotOptimize(markwise::WriteClass(doc));
    }
    state.SetBytesProcessed(state.iterations() * markwise::WriteClass(doc).size());
}
BENCHMARK(BM_WriteClass)->Unit(benchmark::kMillisecond);

void BM_ReadClass(benchmark::State& state) {
    const std::vector<unsigned char> bytes = markwise::WriteClass(SharedClass());
    std::string error;
    for (auto _ : state) {
        auto doc = markwise::ReadClass(bytes.data(), bytes.size(), error);
        if (!doc) {
            state.SkipWithError(error.c_str());
        }
        benchmark::DoNotOptimize(doc);
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
}
BENCHMARK(BM_ReadClass)->Unit(benchmark::kMillisecond);

// On disk: saving includes fsync, so its figure depends on the file system.
class TempPath {
public:
    TempPath() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "markwise-bench-XXXXXX").string();
        m_folder = ::mkdtemp(pattern.data()) ? pattern : std::string();
    }
    ~TempPath() {
        std::error_code ec;
        std::filesystem::remove_all(m_folder, ec);
    }
    std::string File() const { return m_folder + "/Full.MKW"; }

private:
    std::string m_folder;
};

void BM_SaveClassFile(benchmark::State& state) {
    TempPath temp;
    std::string error;
    for (auto _ : state) {
        if (!markwise::SaveClassFile(temp.File(), SharedClass(), error)) {
            state.SkipWithError(error.c_str());
        }
    }
}
BENCHMARK(BM_SaveClassFile)->Unit(benchmark::kMillisecond);

void BM_LoadClassFile(benchmark::State& state) {
    TempPath temp;
    std::string error;
    if (!markwise::SaveClassFile(temp.File(), SharedClass(), error)) {
        state.SkipWithError(error.c_str());
        return;
    }
    for (auto _ : state) {
        auto doc = markwise::LoadClassFile(temp.File(), error);
        if (!doc) {
            state.SkipWithError(error.c_str());
        }
        benchmark::DoNotOptimize(doc);
    }
}
BENCHMARK(BM_LoadClassFile)->Unit(benchmark::kMillisecond);

} // namespace
