#include "dialogs/install_dialogs.h"
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
    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();
    if (!markwise::CMarkwiseApp::ParseCommandLine(arguments, options, error)) {
        std::fprintf(stderr, "markwise: %s\nUsage: markwise [--no-splash] [class-file]\n",
                     qPrintable(error));
        return 2;
    }
    markwise::CMarkwiseApp app;
    markwise::InstallEditingDialogs(app.viewDialogs());
    markwise::InstallSummaryDialogs(app.viewDialogs());
    markwise::InstallReportWindows(app.reportViews());
    if (!app.InitInstance(options)) {
        return 1;
    }
    return QApplication::exec();
}
