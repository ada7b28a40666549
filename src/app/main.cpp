#include "core/desktop_command_line.h"
#include "dialogs/install_dialogs.h"
#include "framework/file_names.h"
#include "framework/print_job.h"
#include "gradesheet/command_line_print.h"
#include "markwise_app.h"
#include "reports/install_reports.h"
#include "summaries/install_summaries.h"

#include <QApplication>
#include <cstdio>

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
    case markwise::StartAction::Print:
        return markwise::RunCommandLinePrinting(argc, argv, markwise::MakeCommandLineReport);
    case markwise::StartAction::Open:
        break;
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Markwise"));
    QApplication::setDesktopFileName(QStringLiteral("io.github.markwise.Markwise"));

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
    markwise::CMarkwiseApp app;
    markwise::InstallEditingDialogs(app.viewDialogs());
    markwise::InstallSummaryDialogs(app.viewDialogs());
    markwise::InstallReportWindows(app.reportViews());
    if (!app.InitInstance(options)) {
        return 1;
    }
    return QApplication::exec();
}
