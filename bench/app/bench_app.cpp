// The desktop program on a full class (1000 students, 200 assignments): opening it until
// the grade sheet's first paint, and one repaint of the grade sheet.
#include "app/main_frame.h"
#include "app/markwise_app.h"
#include "core/class_file.h"
#include "core/markwise_doc.h"
#include "core/policy_edit.h"
#include "framework/child_frame.h"
#include "framework/class_editor.h"
#include "framework/commands.h"
#include "framework/document.h"
#include "gradesheet/markwise_view.h"
#include "gradesheet/sheet_cell_editor.h"
#include "gradesheet/sheet_keyboard.h"
#include "support/full_class.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace markwise;

namespace {

QTemporaryDir* g_dir = nullptr;

QString fullClassPath() {
    return g_dir->filePath("full.mkw");
}
CProfile profile() {
    return CProfile(g_dir->filePath("Markwise.ini").toStdString());
}

// The same class under a 10-category policy with drops, excused and missing work.
QString policyClassPath() {
    return g_dir->filePath("policy.mkw");
}

void writeFullClass() {
    const auto doc = bench::FullClass();
    const auto withPolicy = bench::FullClass();
    bench::AddPolicy(*withPolicy);
    std::string error;
    if (!SaveClassFile(fullClassPath().toStdString(), *doc, error) ||
        !SaveClassFile(policyClassPath().toStdString(), *withPolicy, error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        std::exit(1);
    }
}

CMarkwiseView* activeSheet(CMarkwiseApp& app) {
    return static_cast<CMarkwiseView*>(app.docManager().activeFrame()->view());
}

// Counts the paints a widget receives.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget* widget) { widget->installEventFilter(this); }
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        paints += event->type() == QEvent::Paint;
        return false;
    }
};

// Runs the event loop until the grade sheet has been painted once more.
void waitForPaint(CMarkwiseView* view) {
    PaintCounter counter(view->viewport());
    while (counter.paints == 0) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
}

void OpenFullClassUntilFirstPaint(benchmark::State& state) {
    for (auto _ : state) {
        auto app = std::make_unique<CMarkwiseApp>(profile());
        if (!app->InitInstance({false, fullClassPath()})) {
            state.SkipWithError("the class did not open");
            return;
        }
        waitForPaint(activeSheet(*app));
        state.PauseTiming();
        app.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(OpenFullClassUntilFirstPaint)->Unit(benchmark::kMillisecond)->Iterations(10);

void RepaintFullClass(benchmark::State& state) {
    CMarkwiseApp app(profile());
    app.InitInstance({false, fullClassPath()});
    app.mainFrame()->showNormal();
    app.mainFrame()->resize(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    CMarkwiseView* view = activeSheet(app);
    waitForPaint(view);
    PaintCounter counter(view->viewport());
    for (auto _ : state) {
        view->viewport()->repaint();
    }
    if (counter.paints != static_cast<int>(state.iterations())) {
        state.SkipWithError("repaint() did not paint");
    }
    state.counters["columns"] = view->VisibleColumnCount();
}
BENCHMARK(RepaintFullClass)->Args({1280, 800})->Args({1920, 1200})->Unit(benchmark::kMicrosecond);

// One category's weight changed through the edit path, then the sheet repainted with
// every total, percent and letter grade anew.
void ChangeAWeightAndRepaint(benchmark::State& state) {
    CMarkwiseApp app(profile());
    app.InitInstance({false, policyClassPath()});
    app.mainFrame()->showNormal();
    app.mainFrame()->resize(1920, 1200);
    CMarkwiseView* view = activeSheet(app);
    waitForPaint(view);
    CClassEditor& editor = view->frameworkDocument().editor();
    std::vector<int> categoryOf;
    for (int a = 0; a < editor.data().AssignmentsInUse(); ++a)
        categoryOf.push_back(editor.data().m_assignments[a].m_category);
    PaintCounter counter(view->viewport());
    int round = 0;
    for (auto _ : state) {
        GradingPolicy policy = editor.data().m_policy;
        policy.categories[0].weight = 5.0 + ++round % 7;
        editor.apply(QStringLiteral("Grading Policy"), PolicyEdit(std::move(policy), categoryOf));
        view->viewport()->repaint();
    }
    if (!editor.data().HasPolicy() || counter.paints < static_cast<int>(state.iterations())) {
        state.SkipWithError("the policy did not hold or the sheet did not paint");
    }
}
BENCHMARK(ChangeAWeightAndRepaint)->Unit(benchmark::kMicrosecond);

void sendKey(QWidget* to, Qt::Key key) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(to, &press);
}

// A grade sheet on the full class in a 1280 x 800 window, painted once, focused.
CMarkwiseView* openForKeys(CMarkwiseApp& app) {
    app.InitInstance({false, fullClassPath()});
    app.mainFrame()->showNormal();
    app.mainFrame()->resize(1280, 800);
    CMarkwiseView* view = activeSheet(app);
    waitForPaint(view);
    view->setFocus();
    sendKey(view, Qt::Key_Right);
    sendKey(view, Qt::Key_Down);
    waitForPaint(view);
    return view;
}

// One arrow key: the current cell moves and the two cells it touched repaint.
void MoveCurrentCell(benchmark::State& state) {
    CMarkwiseApp app(profile());
    CMarkwiseView* view = openForKeys(app);
    bool down = true;
    for (auto _ : state) {
        sendKey(view, down ? Qt::Key_Down : Qt::Key_Up);
        waitForPaint(view);
        down = !down;
    }
}
BENCHMARK(MoveCurrentCell)->Unit(benchmark::kMicrosecond);

// A score typed in place and stored with Enter, until the sheet has repainted.
void StoreTypedScore(benchmark::State& state) {
    CMarkwiseApp app(profile());
    CMarkwiseView* view = openForKeys(app);
    SheetKeyboard& keys = view->keyboard();
    int stored = 0;
    for (auto _ : state) {
        keys.openEditor(QStringLiteral("7.5"));
        sendKey(keys.editor(), Qt::Key_Return);
        waitForPaint(view);
        ++stored;
        state.PauseTiming();
        sendKey(view, Qt::Key_Up);
        waitForPaint(view);
        state.ResumeTiming();
    }
    if (keys.editor() || stored == 0)
        state.SkipWithError("the score was not stored");
}
BENCHMARK(StoreTypedScore)->Unit(benchmark::kMicrosecond);

// A column of 1000 scores pasted from the clipboard onto the first student: stored as one
// step and repainted. Two columns take turns, so every round changes every score.
void PasteThousandScores(benchmark::State& state) {
    CMarkwiseApp app(profile());
    CMarkwiseView* view = openForKeys(app);
    view->keyboard().setCell({0, 0});
    QString columns[2];
    for (int s = 0; s < kMaxStudents; ++s) {
        columns[0] += QStringLiteral("%1\n").arg(s % 10 + 0.5);
        columns[1] += QStringLiteral("%1\n").arg(s % 9);
    }
    int turn = 0;
    for (auto _ : state) {
        state.PauseTiming();
        QGuiApplication::clipboard()->setText(columns[turn]);
        turn = 1 - turn;
        state.ResumeTiming();
        view->runCommand(ID_EDIT_PASTE);
        waitForPaint(view);
    }
    if (view->GetDocument()->m_assignments[0].m_scores[1] != (turn == 1 ? 1.5 : 1.0))
        state.SkipWithError("the scores were not pasted");
}
BENCHMARK(PasteThousandScores)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    QTemporaryDir dir;
    g_dir = &dir;
    writeFullClass();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
