// Whole processes, from start to exit: `markwise --print-to-pdf` on the largest class (the
// targets: under 50 ms for the grade sheet, under 0.5 s for every student's report, 4000
// pages), `markwise-cli pdf` over a school year of 100 small classes in one run, and the
// desktop program's start up to the grade sheet's first paint.
#include "core/class_file.h"
#include "core/markwise_doc.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <vector>

extern char** environ;

namespace {

using namespace markwise;

const std::filesystem::path& Folder() {
    static const std::filesystem::path folder = [] {
        auto path = std::filesystem::temp_directory_path() / "markwise-bench-printing";
        std::filesystem::create_directories(path / "year");
        return path;
    }();
    return folder;
}

// students x assignments, a few scores missing.
std::unique_ptr<CMarkwiseDoc> ClassOf(int students, int assignments) {
    auto doc = std::make_unique<CMarkwiseDoc>();
    for (int s = 0; s < students; ++s)
        doc->AddStudent({"First" + std::to_string(s), "Lastname" + std::to_string(s),
                         std::to_string(100000 + s), "", "", ""});
    for (int a = 0; a < assignments; ++a) {
        doc->NewAssignment("Assignment " + std::to_string(a + 1),
                           "Description of assignment " + std::to_string(a + 1), 10 + a % 5);
        for (int s = 0; s < students; ++s)
            doc->m_assignments[a].SetScore(
                (s + a) % 13 == 0 ? MISSING_SCORE : (s * 7 + a) % 15 * 0.75, s);
    }
    return doc;
}

// 1000 students, 200 assignments, saved to a temporary folder.
std::string FullClassFile() {
    static const std::string path = [] {
        const std::string file = (Folder() / "Full.MKW").string();
        std::string error;
        SaveClassFile(file, *ClassOf(kMaxStudents, kMaxAssignments), error);
        return file;
    }();
    return path;
}

// A school year: 100 classes of 30 students and 20 assignments.
std::vector<std::string> YearClassFiles() {
    static const std::vector<std::string> files = [] {
        std::vector<std::string> names;
        const auto doc = ClassOf(30, 20);
        for (int c = 0; c < 100; ++c) {
            names.push_back((Folder() / "year" / ("Class" + std::to_string(c) + ".MKW")).string());
            std::string error;
            SaveClassFile(names.back(), *doc, error);
        }
        return names;
    }();
    return files;
}

void RunProcess(benchmark::State& state, std::vector<std::string> args) {
    std::vector<char*> argv;
    for (std::string& arg : args)
        argv.push_back(arg.data());
    argv.push_back(nullptr);
    for (auto _ : state) {
        pid_t pid = 0;
        if (posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0) {
            state.SkipWithError("cannot start the program");
            return;
        }
        int status = 0;
        waitpid(pid, &status, 0);
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            state.SkipWithError("the program failed");
            return;
        }
    }
}

// `markwise --print-to-pdf Full.pdf --page-size Letter Full.MKW --report report`.
void RunPrintToPdf(benchmark::State& state, const std::string& report) {
    RunProcess(state, {MARKWISE_EXECUTABLE, "--print-to-pdf", (Folder() / "Full.pdf").string(),
                       "--page-size", "Letter", FullClassFile(), "--report", report});
}

void BM_PrintToPdfProcess(benchmark::State& state) {
    RunPrintToPdf(state, "sheet");
}
BENCHMARK(BM_PrintToPdfProcess)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_PrintStudentReportsToPdfProcess(benchmark::State& state) {
    RunPrintToPdf(state, "students");
}
BENCHMARK(BM_PrintStudentReportsToPdfProcess)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_PrintSchoolYearProcess(benchmark::State& state) {
    std::vector<std::string> args = {MARKWISE_CLI_EXECUTABLE, "pdf", (Folder() / "year").string()};
    for (const std::string& file : YearClassFiles())
        args.push_back(file);
    RunProcess(state, args);
}
BENCHMARK(BM_PrintSchoolYearProcess)->Unit(benchmark::kMillisecond)->UseRealTime();

// The desktop program on the full class, until its grade sheet has painted.
void BM_OpenToFirstPaintProcess(benchmark::State& state) {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr)
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    RunProcess(state,
               {MARKWISE_EXECUTABLE, "--no-splash", "--quit-after-first-paint", FullClassFile()});
}
BENCHMARK(BM_OpenToFirstPaintProcess)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
