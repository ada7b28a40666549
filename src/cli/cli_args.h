#pragma once

#include "core/csv_layout.h"
#include "core/csv_merge.h"
#include "core/cutoffs.h"
#include "core/desktop_command_line.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace markwise::cli {

enum class Command {
    Help,
    Version,
    Grades,
    Summary,
    Sort,
    Resave,
    Export,
    Import,
    Merge,
    Pdf,
    Policy
};
enum class SortKey { Name, Total, Assignment };

// What the command line asks for. Indices are 0-based slot positions.
struct Options {
    Command command = Command::Help;
    std::string file;                     // the class, or the CSV for import
    std::string csvFile;                  // merge: the CSV merged into the class
    std::string output;                   // -o OUT (sort, resave, export, import, merge)
    std::optional<CGradeCutoffs> cutoffs; // --cutoffs; otherwise the profile's set
    int firstIncluded = 0;                // --first-included
    bool classSummary = false;            // summary --class
    int assignment = -1;                  // summary --assignment N, sort --by assignment:N
    int student = -1;                     // summary --student N
    SortKey sortKey = SortKey::Name;
    CsvLayout layout = CsvLayout::Markwise; // export --format
    bool xlsx = false;                      // export --format xlsx
    bool byteOrderMark = false;             // export --bom
    bool pointsFromHighest = false;         // import, merge --points-from-highest
    MergeMatch match = MergeMatch::Id;      // merge --match
    bool dryRun = false;                    // merge --dry-run
    std::vector<std::string> classes;       // pdf: the classes, after OUT_DIR (in output);
                                            // export: the classes after FILE (xlsx only)
    std::string report = "sheet";           // pdf --report
    PaperSize paper = PaperSize::Locale;    // pdf --page-size
    bool allAssignments = false;            // pdf --all-assignments
    std::string policyFile;                 // policy --set POLICY.ini
    bool clearPolicy = false;               // policy --clear
};

// Fills options from the arguments after the program name. On bad usage returns false
// and sets error to one line saying what is wrong.
bool ParseArguments(const std::vector<std::string>& args, Options& options, std::string& error);

// A non-negative decimal integer that fits in an int: digits only, nothing else.
bool ParseIndex(std::string_view text, int& value);
// Twelve comma-separated integers for A+, A, A-, B+, B, B-, C+, C, C-, D+, D, D-.
bool ParseCutoffList(std::string_view text, CGradeCutoffs& cutoffs);

// The command synopsis, shown after a usage error.
std::string_view UsageText();
// The synopsis with what each command does, for --help.
std::string HelpText();
// "markwise-cli VERSION" and a newline, for --version.
std::string VersionText();

} // namespace markwise::cli
