#pragma once

#include "core/cutoffs.h"

#include <functional>
#include <memory>
#include <string>

namespace markwise {

// The command line's printing switches, handled before the application object exists:
//   markwise --print FILE                     the grade sheet on the default printer
//   markwise --print-to-pdf OUT.pdf FILE      the grade sheet printout as a PDF file
//            [--page-size Letter|A4] [--resolution DPI]
//            [--all-assignments]             every assignment, in strips, not only the last
//            [--report REPORT]               "sheet" (the default) or a report makeReport knows
// Neither shows a window or needs a display. For a command line whose start action is
// Print; returns the process's exit status (errors: one line on stderr, status 1).
class CMarkwiseDoc;
class PrintJob;
struct DesktopCommandLine;

// The printout of a report other than the grade sheet; null with a one-line reason.
using CommandLineReportMaker = std::function<std::unique_ptr<PrintJob>(
    const std::string& report, const CMarkwiseDoc& doc, const std::string& title,
    const CGradeCutoffs& cutoffs, std::string& error)>;

int RunCommandLinePrinting(int argc, char** argv, const CommandLineReportMaker& makeReport = {});

// `markwise --print-to-pdf ...` in the language the desktop would show: a translated
// language takes a core application object for its translator; English needs none, so its
// PDF is written as fast as the command line's.
int RunPdfPrinting(const DesktopCommandLine& request, int argc, char** argv);

} // namespace markwise
