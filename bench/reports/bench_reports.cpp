// The three report windows on a full class (1000 students, 200 assignments): made, shown
// and painted once (after the dialog that chooses what they show), and one repaint. The
// targets are 16 ms and 4 ms.
#include "core/markwise_doc.h"
#include "core/profile.h"
#include "framework/document.h"
#include "framework/win_app.h"
#include "reports/progress_reports_dlg.h"
#include "reports/progress_view.h"
#include "reports/roster_view.h"
#include "reports/stu_view.h"
#include "support/full_class.h"

#include <QApplication>
#include <QWindow>
#include <benchmark/benchmark.h>
#include <memory>

using namespace markwise;

namespace {

CDocument& Document() {
    static CWinApp app(CProfile("/dev/null"));
    static CDocument document(app.docManager(), bench::FullClass(), QString(),
                              QStringLiteral("Full.MKW"));
    return document;
}

// Every student found, as a search at 100% finds them.
std::unique_ptr<CReportView> MakeProgress() {
    auto view = std::make_unique<CProgressView>(Document());
    auto& state = const_cast<ProgressReportState&>(view->state());
    FindProgressStudents(*view->GetDocument(), 100, state);
    return view;
}
std::unique_ptr<CReportView> MakeRoster() {
    return std::make_unique<CRosterView>(Document());
}
std::unique_ptr<CReportView> MakeStudentReport() {
    auto view = std::make_unique<CStuView>(Document());
    view->m_studentIndex = 500;
    return view;
}

// An exposed top-level window for the views: a window that is not yet exposed skips its
// paints, which would time nothing.
QWidget& Host() {
    static QWidget host;
    if (!host.isVisible()) {
        host.resize(1200, 700);
        host.show();
        while (!host.windowHandle() || !host.windowHandle()->isExposed())
            QApplication::processEvents();
    }
    return host;
}

void Show(CReportView& view) {
    view.setParent(&Host());
    view.resize(1200, 700);
    view.show();
    view.OnInitialUpdate();
    view.viewport()->repaint();
}

template <auto Make> void BM_OpenAndPaint(benchmark::State& state) {
    for (auto _ : state) {
        std::unique_ptr<CReportView> view = Make();
        Show(*view);
        benchmark::DoNotOptimize(view->m_rowHeight);
        state.PauseTiming();
        view.reset();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}

template <auto Make> void BM_Repaint(benchmark::State& state) {
    std::unique_ptr<CReportView> view = Make();
    Show(*view);
    if (view->m_rowHeight == 0) {
        state.SkipWithError("the window did not paint");
        return;
    }
    for (auto _ : state)
        view->viewport()->repaint();
}

BENCHMARK(BM_OpenAndPaint<MakeProgress>)
    ->Name("ProgressList/OpenAndPaint")
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Repaint<MakeProgress>)->Name("ProgressList/Repaint")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenAndPaint<MakeRoster>)->Name("Roster/OpenAndPaint")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Repaint<MakeRoster>)->Name("Roster/Repaint")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenAndPaint<MakeStudentReport>)
    ->Name("StudentReport/OpenAndPaint")
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Repaint<MakeStudentReport>)
    ->Name("StudentReport/Repaint")
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The offscreen platform's one notice per shown window says nothing here.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
