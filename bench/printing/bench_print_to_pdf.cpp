// `markwise --print-to-pdf` on the largest class, from process start to exit; the target
// is under 300 ms for the grade sheet, under 3 s for every student's report (4000 pages).
#include "core/class_file.h"
#include "core/markwise_doc.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <spawn.h>
#include <string>
#include <sys/wait.h>

extern char** environ;

namespace {

using namespace markwise;

// 1000 students, 200 assignments, a few scores missing, saved to a temporary folder.
std::filesystem::path FullClassFile() {
    static const std::filesystem::path path = [] {
        auto doc = std::make_unique<CMarkwiseDoc>();
        for (int s = 0; s < kMaxStudents; ++s)
            doc->AddStudent({"First" + std::to_string(s), "Lastname" + std::to_string(s),
                             std::to_string(100000 + s), "", "", ""});
        for (int a = 0; a < kMaxAssignments; ++a) {
            doc->NewAssignment("Assignment " + std::to_string(a + 1),
                               "Description of assignment " + std::to_string(a + 1), 10 + a % 5);
            for (int s = 0; s < kMaxStudents; ++s)
                doc->m_assignments[a].SetScore(
                    (s + a) % 13 == 0 ? MISSING_SCORE : (s * 7 + a) % 15 * 0.75, s);
        }
        const auto folder = std::filesystem::temp_directory_path() / "markwise-bench-printing";
        std::filesystem::create_directories(folder);
        std::string error;
        SaveClassFile((folder / "Full.MKW").string(), *doc, error);
        return folder / "Full.MKW";
    }();
    return path;
}

// Runs `markwise --print-to-pdf Full.pdf --page-size Letter Full.MKW --report report`.
void RunPrintToPdf(benchmark::State& state, std::string report) {
    const std::string classFile = FullClassFile().string();
    const std::string pdf = (FullClassFile().parent_path() / "Full.pdf").string();
    const std::string exe = MARKWISE_EXECUTABLE;
    std::string a0 = exe, a1 = "--print-to-pdf", a3 = "--page-size", a4 = "Letter";
    std::string a2 = pdf, a5 = classFile, a6 = "--report";
    char* argv[] = {a0.data(), a1.data(), a2.data(),     a3.data(), a4.data(),
                    a5.data(), a6.data(), report.data(), nullptr};
    for (auto _ : state) {
        pid_t pid = 0;
        if (posix_spawn(&pid, exe.c_str(), nullptr, nullptr, argv, environ) != 0) {
            state.SkipWithError("cannot start markwise");
            return;
        }
        int status = 0;
        waitpid(pid, &status, 0);
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            state.SkipWithError("markwise failed");
            return;
        }
    }
}
void BM_PrintToPdfProcess(benchmark::State& state) {
    RunPrintToPdf(state, "sheet");
}
BENCHMARK(BM_PrintToPdfProcess)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(20);

void BM_PrintStudentReportsToPdfProcess(benchmark::State& state) {
    RunPrintToPdf(state, "students");
}
BENCHMARK(BM_PrintStudentReportsToPdfProcess)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(3);

} // namespace
