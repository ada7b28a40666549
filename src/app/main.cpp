#include "core/desktop_command_line.h"
#include "dialogs/install_dialogs.h"
#include "framework/file_names.h"
#include "framework/print_job.h"
#include "framework/ui_language.h"
#include "gradesheet/command_line_print.h"
#include "gradesheet/markwise_view.h"
#include "markwise_app.h"
#include "reports/install_reports.h"
#include "summaries/install_summaries.h"

#include <QApplication>
#include <QTimer>
#include <cstdio>

namespace {

// Ends the program once a grade sheet has painted, so a benchmark can time a start, from
// process start to the class on screen, as a whole process.
class QuitAfterFirstPaint : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !m_painted &&
            dynamic_cast<markwise::CMarkwiseView*>(watched->parent()) != nullptr) {
            m_painted = true;
            QTimer::singleShot(0, qApp, &QApplication::quit); // once this paint is done
        }
        return false;
    }

private:
    bool m_painted = false;
};

} // namespace

int main(int argc, char* argv[]) {
    // Help, version and printing are told apart before anything needs a window system, so
    // they work without a display.
    switch (markwise::StartActionOf(markwise::ArgumentsAfterProgramName(argc, argv))) {
    case markwise::StartAction::Help:
        std::fputs(markwise::DesktopUsage(), stdout);
        return 0;
    case markwise::StartAction::Version:
        std::fputs("Markwise " MARKWISE_VERSION "\n", stdout);
        return 0;
    case markwise::StartAction::Print: {
        // A PDF needs no window system at all; arguments only the toolkit understands
        // take the way through it.
        const markwise::DesktopCommandLine request =
            markwise::ParseDesktopCommandLine(markwise::ArgumentsAfterProgramName(argc, argv));
        if (request.error.empty() && request.toPdf)
            return markwise::RunPdfPrinting(request, argc, argv);
        markwise::KeepHeapForPrinting();
        return markwise::RunCommandLinePrinting(argc, argv, markwise::MakeCommandLineReport);
    }
    case markwise::StartAction::Open:
        break;
    }
    markwise::KeepHeapForPrinting();
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Markwise"));
    QApplication::setDesktopFileName(QStringLiteral("io.github.markwise.Markwise"));
    const markwise::UiLanguage language;

    // What is left once QApplication has taken its own options out.
    const markwise::DesktopCommandLine command =
        markwise::ParseDesktopCommandLine(markwise::ArgumentsAfterProgramName(argc, argv));
    if (!command.error.empty()) {
        std::fprintf(stderr, "markwise: %s\n%s", command.error.c_str(), markwise::DesktopUsage());
        return 2;
    }
    markwise::CMarkwiseApp::Options options;
    options.splash = command.splash;
    // From the bytes: a class file's name need not be UTF-8.
    options.file = markwise::pathFromBytes(command.classFile);
    for (const std::string& file : command.moreClassFiles)
        options.moreFiles.append(markwise::pathFromBytes(file));
    QuitAfterFirstPaint quitAfterFirstPaint;
    if (command.quitAfterFirstPaint)
        application.installEventFilter(&quitAfterFirstPaint);
    markwise::CMarkwiseApp app;
    markwise::InstallEditingDialogs(app.viewDialogs());
    markwise::InstallSummaryDialogs(app.viewDialogs());
    markwise::InstallReportWindows(app.reportViews());
    if (!app.InitInstance(options)) {
        return 1;
    }
    return QApplication::exec();
}
