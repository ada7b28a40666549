#include "core/markwise_doc.h"
#include "dialogs/dialog_host.h"
#include "dialogs/edit_assignment_dlg.h"
#include "dialogs/import_columns_dlg.h"
#include "framework/class_editor.h"
#include "support/full_class_host.h"

#include <QApplication>
#include <QCheckBox>
#include <benchmark/benchmark.h>
#include <memory>
#include <string>

using namespace markwise;

namespace {

using bench::FullClassHost;

FullClassHost& Host() {
    static FullClassHost host;
    return host;
}

// Built, shown with both lists filled and laid out, and painted once.
void BM_OpenEditAssignmentOnFullClass(benchmark::State& state) {
    for (auto _ : state) {
        CEditAssignmentDlg dialog(Host(), 0, 500);
        dialog.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(dialog.isVisible());
    }
}
BENCHMARK(BM_OpenEditAssignmentOnFullClass)->Unit(benchmark::kMillisecond);

// One Fast Edit score: store, move to the next student, refresh both lists.
void BM_FastEditUpdateOnFullClass(benchmark::State& state) {
    CEditAssignmentDlg dialog(Host(), 0, 0);
    dialog.FastEditBox()->setChecked(true);
    dialog.show();
    QApplication::processEvents();
    for (auto _ : state) {
        dialog.accept();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_FastEditUpdateOnFullClass)->Unit(benchmark::kMillisecond);

// The import preview's column list for a Canvas-shaped file of 205 columns, built, shown
// and painted once.
void BM_OpenImportColumnsForCanvasFile(benchmark::State& state) {
    CsvSheet sheet;
    for (int c = 0; c < kMaxAssignments + 5; ++c)
        sheet.columns.push_back({"Quiz " + std::to_string(c) + " (8810" + std::to_string(c) + ")",
                                 c < 5 ? CsvColumnUse::Ignored : CsvColumnUse::Scores,
                                 c < 5 ? "a profile field, not a score" : "", 10.0, 10.0});
    for (auto _ : state) {
        CImportColumnsDlg dialog(sheet, nullptr, nullptr, QStringLiteral("canvas.csv"));
        dialog.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(dialog.isVisible());
    }
}
BENCHMARK(BM_OpenImportColumnsForCanvasFile)->Unit(benchmark::kMillisecond);

QtMessageHandler g_previousHandler = nullptr;

void QuietOffscreenNotice(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (text == QLatin1String("This plugin does not support propagateSizeHints()"))
        return;
    g_previousHandler(type, context, text);
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    g_previousHandler = qInstallMessageHandler(QuietOffscreenNotice);
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
