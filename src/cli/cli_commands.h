#pragma once

#include "cli_args.h"
#include "core/cutoffs.h"

#include <string>

namespace markwise {
class CMarkwiseDoc;
}

namespace markwise::cli {

// Exit statuses of the tool.
inline constexpr int kExitOk = 0;
inline constexpr int kExitUsage = 1; // bad usage, or a summary the class cannot give
inline constexpr int kExitFile = 2;  // a file that cannot be read, is refused or cannot be written

// What a command produced. Output is printed only when the status is kExitOk.
struct CommandResult {
    int status = kExitOk;
    std::string out;
    std::string err;
};

// The commands, on a loaded class whose m_firstIncluded is already set.
// "markwise-cli: " and text on one line, control characters shown as '?': file names and
// cell texts in a message may hold anything.
std::string ErrorLine(const std::string& text);

CommandResult RunGrades(const CMarkwiseDoc& doc, const CGradeCutoffs& cutoffs);
CommandResult RunSummary(const Options& options, const CMarkwiseDoc& doc,
                         const CGradeCutoffs& cutoffs);
CommandResult RunSort(const Options& options, CMarkwiseDoc& doc);
CommandResult RunResave(const Options& options, const CMarkwiseDoc& doc);
CommandResult RunExport(const Options& options, const CMarkwiseDoc& doc);
// Reads options.file as CSV; no class is loaded first.
CommandResult RunImport(const Options& options);
// pdf: every class as OUT_DIR/NAME.pdf with one set of fonts; a class that cannot be printed
// is named on its own line and the others still print. Two classes of one name are refused.
CommandResult RunPdf(const Options& options, const CGradeCutoffs& cutoffs);
CommandResult RunMerge(const Options& options, CMarkwiseDoc& doc);
// Prints the grading policy as INI, or applies one (--set) or removes it (--clear) and saves.
CommandResult RunPolicy(const Options& options, CMarkwiseDoc& doc);

} // namespace markwise::cli
