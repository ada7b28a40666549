#include "core/markwise_doc.h"
#include "dialogs/dialog_host.h"
#include "framework/class_editor.h"
#include "summaries/assignment_summary_dlg.h"
#include "summaries/class_summary_dlg.h"
#include "summaries/histogram_dlg.h"

#include <QApplication>
#include <QListWidget>
#include <benchmark/benchmark.h>
#include <memory>
#include <string>

using namespace markwise;

namespace {

// A class at both capacities, 1000 students and 200 assignments, every score entered
// but a few, spread over the whole range of grades.
class FullClassHost : public DialogHost {
public:
    FullClassHost() : m_doc(std::make_unique<CMarkwiseDoc>()) {
        for (int s = 0; s < kMaxStudents; ++s) {
            const std::string n = std::to_string(s);
            m_doc->AddStudent({"First" + n, "Last" + n, n, "", "", ""});
        }
        for (int a = 0; a < kMaxAssignments; ++a) {
            m_doc->NewAssignment("Test " + std::to_string(a), "", 100.0);
            for (int s = 0; s < kMaxStudents; ++s) {
                const double score = (s * 7 + a * 13) % 101;
                m_doc->m_assignments[a].SetScore((s + a) % 17 == 0 ? MISSING_SCORE : score, s);
            }
        }
    }

    const CMarkwiseDoc& Document() override { return *m_doc; }
    CClassEditor& Editor() override { return m_editor; }
    QWidget* Widget() override { return nullptr; }
    void ShowLastAssignment() override {}
    CGradeCutoffs CurrentCutoffs() const override { return {}; }
    bool ApplyCutoffs(const CGradeCutoffs&, std::string*) override { return true; }

private:
    std::unique_ptr<CMarkwiseDoc> m_doc;
    CClassEditor m_editor{*m_doc};
};

// Built, computed, shown and painted once.
void OpenClassSummary(benchmark::State& state, FullClassHost& host) {
    for (auto _ : state) {
        CClassSummaryDlg dialog(host);
        dialog.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(dialog.isVisible());
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
    const GradeDistribution counts = ClassSummary(host.Document(), {}).distribution;
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
    FullClassHost host;
    benchmark::RegisterBenchmark("BM_OpenClassSummaryOnFullClass", OpenClassSummary, std::ref(host))
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("BM_AssignmentSummarySelectionChangeOnFullClass",
                                 ChangeAssignmentSelection, std::ref(host))
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("BM_OpenHistogramOnFullClass", OpenHistogram, std::ref(host))
        ->Unit(benchmark::kMillisecond);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
