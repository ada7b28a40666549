#include "core/markwise_doc.h"
#include "dialogs/dialog_host.h"
#include "framework/class_editor.h"
#include "summaries/assignment_summary_dlg.h"
#include "summaries/class_summary_dlg.h"
#include "summaries/histogram_dlg.h"
#include "summaries/student_summary_dlg.h"
#include "support/full_class_host.h"

#include <QApplication>
#include <QListWidget>
#include <benchmark/benchmark.h>
#include <memory>
#include <string>

using namespace markwise;

namespace {

// Every score entered but a few, so the summaries also skip missing ones.
constexpr int kMissingEvery = 17;
using bench::FullClassHost;

// Built, computed, shown and painted once.
void OpenClassSummary(benchmark::State& state, FullClassHost& host) {
    for (auto _ : state) {
        CClassSummaryDlg dialog(host);
        dialog.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(dialog.isVisible());
    }
}

// The Student Summary with its category lines, shown and painted, then every student in
// turn selected, as the teacher walks the list.
void OpenStudentSummary(benchmark::State& state, FullClassHost& host) {
    for (auto _ : state) {
        CStudentSummaryDlg dialog(host);
        dialog.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(dialog.isVisible());
    }
}

void ChangeStudentSelection(benchmark::State& state, FullClassHost& host) {
    CStudentSummaryDlg dialog(host);
    dialog.show();
    QApplication::processEvents();
    int row = 0;
    for (auto _ : state) {
        row = (row + 1) % kMaxStudents;
        dialog.List()->setCurrentRow(row);
        QApplication::processEvents();
    }
}

// Another assignment selected: its summary computed, every box refreshed and repainted.
void ChangeAssignmentSelection(benchmark::State& state, FullClassHost& host) {
    CAssignmentSummaryDlg dialog(host);
    dialog.show();
    QApplication::processEvents();
    int row = 0;
    for (auto _ : state) {
        row = (row + 1) % kMaxAssignments;
        dialog.List()->setCurrentRow(row);
        QApplication::processEvents();
    }
}

// The histogram of the class's distribution, laid out, shown and painted once.
void OpenHistogram(benchmark::State& state, FullClassHost& host) {
    const GradeDistribution counts = ClassSummary(host.data(), {}).distribution;
    for (auto _ : state) {
        CHistogramDlg dialog(counts);
        dialog.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(dialog.isVisible());
    }
}

void QuietOffscreenNotice(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (text == QLatin1String("This plugin does not support propagateSizeHints()"))
        return;
    qt_message_output(type, context, text);
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(QuietOffscreenNotice);
    QApplication application(argc, argv);
    FullClassHost host(kMissingEvery);
    benchmark::RegisterBenchmark("BM_OpenClassSummaryOnFullClass", OpenClassSummary, std::ref(host))
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("BM_AssignmentSummarySelectionChangeOnFullClass",
                                 ChangeAssignmentSelection, std::ref(host))
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("BM_OpenHistogramOnFullClass", OpenHistogram, std::ref(host))
        ->Unit(benchmark::kMillisecond);
    // The same class under a 10-category policy with drops, excused and missing work.
    FullClassHost withPolicy(kMissingEvery, true);
    benchmark::RegisterBenchmark("BM_OpenClassSummaryWithPolicy", OpenClassSummary,
                                 std::ref(withPolicy))
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("BM_OpenStudentSummaryWithPolicy", OpenStudentSummary,
                                 std::ref(withPolicy))
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("BM_StudentSummarySelectionChangeWithPolicy",
                                 ChangeStudentSelection, std::ref(withPolicy))
        ->Unit(benchmark::kMillisecond);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
