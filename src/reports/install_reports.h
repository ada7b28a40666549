#pragma once

#include "core/cutoffs.h"

#include <memory>
#include <string>

namespace markwise {

class CMarkwiseDoc;
class PrintJob;
struct ReportViewFactories;

// Makes the three report windows available to the main frame's report commands.
void InstallReportWindows(ReportViewFactories& factories);

// The printout a command line's `--report` value asks for: "roster", "progress:CUTOFF"
// (empty comments), "student:N" (0-based class position) or "students" (every student's
// report, each from a new page), in the program's language. title: the window title a class
// window would carry.
// Null with a one-line reason for anything else.
std::unique_ptr<PrintJob> MakeCommandLineReport(const std::string& report, const CMarkwiseDoc& doc,
                                                const std::string& title,
                                                const CGradeCutoffs& cutoffs, std::string& error);

} // namespace markwise
