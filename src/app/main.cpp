#include "dialogs/install_dialogs.h"
#include "framework/file_names.h"
#include "framework/print_job.h"
#include "gradesheet/command_line_print.h"
#include "markwise_app.h"
#include "reports/install_reports.h"
#include "summaries/install_summaries.h"

#include <QApplication>
#include <cstdio>
#include <cstring>

namespace {

constexpr char kUsage[] =
    "Usage: markwise [--no-splash] [class-file]\n"
    "       markwise --print [--page-size Letter|A4] class-file\n"
    "       markwise --print-to-pdf OUT.pdf [--page-size Letter|A4] [--resolution DPI]\n"
    "                [--all-assignments] [--report REPORT] class-file\n"
    "       markwise --help | --version\n"
    "\n"
    "Without a class file Markwise starts on a new class.\n"
    "\n"
    "  --no-splash          start without the splash screen\n"
    "  --print              print the class on the default printer, then exit\n"
    "  --print-to-pdf FILE  print the class to the PDF file FILE, then exit;\n"
    "                       needs no display\n"
    "  --page-size SIZE     the paper: Letter or A4 (default: the locale's)\n"
    "  --resolution DPI     the PDF's dots per inch, 72 to 9600 (default: 300)\n"
    "  --all-assignments    print every assignment, in strips of as many as fit across\n"
    "                       the page (default: the last assignments that fit)\n"
    "  --report REPORT      what --print-to-pdf prints: sheet (the grade sheet, the\n"
    "                       default), roster, progress:CUTOFF, student:N or students\n"
    "  --help               show this text and exit\n"
    "  --version            show the version and exit\n";

// --help and --version are answered before anything needs a window system, so they work
// without a display. Null when neither is asked for.
const char* earlyAnswer(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0)
            return kUsage;
        if (std::strcmp(argv[i], "--version") == 0)
            return "Markwise " MARKWISE_VERSION "\n";
    }
    return nullptr;
}

} // namespace

int main(int argc, char* argv[]) {
    if (const char* answer = earlyAnswer(argc, argv)) {
        std::fputs(answer, stdout);
        return 0;
    }
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
        std::fprintf(stderr, "markwise: %s\n%s", qPrintable(error), kUsage);
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
