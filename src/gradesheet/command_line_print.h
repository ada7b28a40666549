#pragma once

#include <optional>

namespace markwise {

// The command line's printing switches, handled before the application object exists:
//   markwise --print FILE                     the grade sheet on the default printer
//   markwise --print-to-pdf OUT.pdf FILE      the grade sheet printout as a PDF file
//            [--page-size Letter|A4] [--resolution DPI]
//            [--all-assignments]             every assignment, in strips, not only the last
// Neither shows a window or needs a display. Returns the process's exit status when the
// command line asks for printing (errors: one line on stderr, status 1), otherwise nothing
// and the program starts as usual.
std::optional<int> RunCommandLinePrinting(int argc, char** argv);

} // namespace markwise
