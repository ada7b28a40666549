// The three report windows on a full class (1000 students, 200 assignments): made, shown
// and painted once (after the dialog that chooses what they show), and one repaint. The
// targets are 16 ms and 4 ms.
#include "core/markwise_doc.h"
#include "core/profile.h"
#include "framework/document.h"
#include "framework/win_app.h"
#include "geometry/progress_layout.h"
#include "reports/progress_view.h"
#include "reports/roster_view.h"
#include "reports/stu_view.h"
#include "support/full_class.h"

#include <QApplication>
#include <QWindow>
#include <benchmark/benchmark.h>
#include <functional>
#include <memory>
#include <string>

using namespace markwise;

namespace {

std::unique_ptr<CMarkwiseDoc> WithPolicy(std::unique_ptr<CMarkwiseDoc> doc, bool policy) {
    if (policy)
        bench::AddPolicy(*doc);
    return doc;
}

// What every benchmark shares, made after the application object and gone before it.
struct ReportBench {
    CWinApp app{CProfile("/dev/null")};
    CDocument document;
    // An exposed top-level window for the views: a window that is not yet exposed skips its
    // paints, which would time nothing.
    QWidget host;

    explicit ReportBench(bool policy = false)
        : document(app.docManager(), WithPolicy(bench::FullClass(), policy), QString(),
                   QStringLiteral("Full.MKW")) {
        host.resize(1200, 700);
        host.show();
        while (!host.windowHandle() || !host.windowHandle()->isExposed())
            QApplication::processEvents();
    }
};

using MakeView = std::unique_ptr<CReportView> (*)(CDocument& document);

// Every student found, as a search at 100% finds them.
std::unique_ptr<CReportView> MakeProgress(CDocument& document) {
    auto view = std::make_unique<CProgressView>(document);
    auto& state = const_cast<ProgressReportState&>(view->state());
    FindProgressStudents(*view->GetDocument(), 100, state);
    return view;
}
std::unique_ptr<CReportView> MakeRoster(CDocument& document) {
    return std::make_unique<CRosterView>(document);
}
std::unique_ptr<CReportView> MakeStudentReport(CDocument& document) {
    auto view = std::make_unique<CStuView>(document);
    view->m_studentIndex = 500;
    return view;
}

void Show(CReportView& view, QWidget& host) {
    view.setParent(&host);
    view.resize(1200, 700);
    view.show();
    view.OnInitialUpdate();
    view.viewport()->repaint();
}

void OpenAndPaint(benchmark::State& state, ReportBench& bench, MakeView make) {
    for (auto _ : state) {
        std::unique_ptr<CReportView> view = make(bench.document);
        Show(*view, bench.host);
        benchmark::DoNotOptimize(view->m_rowHeight);
        state.PauseTiming();
        view.reset();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}

void Repaint(benchmark::State& state, ReportBench& bench, MakeView make) {
    std::unique_ptr<CReportView> view = make(bench.document);
    Show(*view, bench.host);
    if (view->m_rowHeight == 0) {
        state.SkipWithError("the window did not paint");
        return;
    }
    for (auto _ : state)
        view->viewport()->repaint();
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The offscreen platform's one notice per shown window says nothing here.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    {
        ReportBench bench;
        const std::pair<const char*, MakeView> views[] = {
            {"ProgressList", MakeProgress},
            {"Roster", MakeRoster},
            {"StudentReport", MakeStudentReport},
        };
        for (const auto& [name, make] : views) {
            benchmark::RegisterBenchmark((std::string(name) + "/OpenAndPaint").c_str(),
                                         OpenAndPaint, std::ref(bench), make)
                ->Unit(benchmark::kMillisecond);
            benchmark::RegisterBenchmark((std::string(name) + "/Repaint").c_str(), Repaint,
                                         std::ref(bench), make)
                ->Unit(benchmark::kMillisecond);
        }
        // The student report with its per-category breakdown (10 categories).
        ReportBench policyBench(true);
        benchmark::RegisterBenchmark("StudentReportWithPolicy/OpenAndPaint", OpenAndPaint,
                                     std::ref(policyBench), MakeStudentReport)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark("StudentReportWithPolicy/Repaint", Repaint,
                                     std::ref(policyBench), MakeStudentReport)
            ->Unit(benchmark::kMillisecond);
        benchmark::RunSpecifiedBenchmarks();
    }
    benchmark::Shutdown();
    return 0;
}
