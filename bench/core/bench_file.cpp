// Loading and saving a full class: 1000 students, 200 assignments, every score entered.
#include "core/class_file.h"
#include "support/full_class.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <filesystem>
#include <stdlib.h>

namespace {

using markwise::CMarkwiseDoc;

const CMarkwiseDoc& SharedClass() {
    static const auto doc = markwise::bench::FullClass();
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
