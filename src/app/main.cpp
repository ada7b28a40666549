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
    // Printing from the command line needs no window; it runs before any application object.
    if (const auto status =
            markwise::RunCommandLinePrinting(argc, argv, markwise::MakeCommandLineReport)) {
        return *status;
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Markwise"));
    QApplication::setDesktopFileName(QStringLiteral("markwise"));

    markwise::CMarkwiseApp::Options options;
    QString error;
    // From the bytes, which QApplication has rid of its own options: a class file's name
    // need not be UTF-8.
    QStringList arguments;
    for (int i = 1; i < argc; ++i) {
        arguments << markwise::pathFromBytes(argv[i]);
    }
    if (!markwise::CMarkwiseApp::ParseCommandLine(arguments, options, error)) {
        std::fprintf(stderr, "markwise: %s\nUsage: markwise [--no-splash] [class-file]\n",
                     qPrintable(error));
        return 2;
    }
    markwise::InstallEditingDialogs();
    markwise::InstallReportWindows();
    markwise::InstallSummaryDialogs();
    markwise::CMarkwiseApp app;
    if (!app.InitInstance(options)) {
        return 1;
    }
    return QApplication::exec();
}
