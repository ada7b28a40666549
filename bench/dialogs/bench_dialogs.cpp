#include "core/csv_sheet.h"
#include "core/markwise_doc.h"
#include "dialogs/dialog_host.h"
#include "dialogs/edit_assignment_dlg.h"
#include "dialogs/import_columns_dlg.h"
#include "framework/class_editor.h"
#include "support/canvas_file.h"
#include "support/full_class.h"
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

// File > Import of a Canvas export of 1000 students and 200 assignments, its whole path: the
// file read, its columns sorted out and shown in the column list (built, shown and painted),
// the list's choices taken, and the class built from them.
void BM_ImportCanvasFileThroughColumnList(benchmark::State& state) {
    const bench::CanvasImport file(*bench::FullClass());
    for (auto _ : state) {
        CsvTable cells;
        CsvSheet sheet;
        Message error;
        if (!file.ReadForColumnList(cells, sheet, error)) {
            state.SkipWithError(English(error).c_str());
            break;
        }
        std::vector<CsvColumnChoice> choices;
        std::vector<int> targets;
        {
            CImportColumnsDlg dialog(sheet, nullptr, nullptr, QStringLiteral("canvas.csv"));
            dialog.show();
            QApplication::processEvents();
            QString refusal;
            if (!dialog.Choices(choices, targets, refusal)) {
                state.SkipWithError("the column list refused its own proposal");
                break;
            }
        }
        auto imported = bench::CanvasImport::NewClass(cells, sheet, choices, error);
        if (!imported) {
            state.SkipWithError(English(error).c_str());
            break;
        }
        benchmark::DoNotOptimize(imported.get());
    }
}
BENCHMARK(BM_ImportCanvasFileThroughColumnList)->Unit(benchmark::kMillisecond);

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
