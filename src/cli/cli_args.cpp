#include "cli_args.h"

#include "core/number_text.h"

#include <array>

namespace markwise::cli {

namespace {

constexpr std::string_view kUsage =
    "Usage:\n"
    "  markwise-cli grades FILE [--cutoffs LIST] [--first-included N]\n"
    "  markwise-cli summary FILE (--assignment N | --class) [--cutoffs LIST]"
    " [--first-included N]\n"
    "  markwise-cli summary FILE --student N [--cutoffs LIST] [--first-included N]\n"
    "  markwise-cli sort FILE --by name|total|assignment:N [--first-included N] -o OUT\n"
    "  markwise-cli resave FILE -o OUT\n"
    "  markwise-cli export FILE --format markwise|canvas|moodle [--bom] [-o OUT.csv]\n"
    "  markwise-cli export FILE... --format xlsx -o OUT.xlsx\n"
    "  markwise-cli import IN.csv [--points-from-highest] -o OUT.MKW\n"
    "  markwise-cli merge CLASS.MKW IN.csv --match id|name [--points-from-highest] [--dry-run]"
    " -o OUT.MKW\n"
    "  markwise-cli pdf OUT_DIR CLASS... [--report REPORT] [--page-size Letter|A4]\n"
    "               [--all-assignments] [--cutoffs LIST]\n"
    "  markwise-cli policy FILE [--set POLICY.ini -o OUT | --clear -o OUT]\n"
    "  markwise-cli --help | --version\n";

constexpr std::string_view kHelpDetails =
    "\n"
    "grades   prints each student's totals, percent and letter grade as CSV.\n"
    "summary  prints the grade distribution with average, high and low of one\n"
    "         assignment's scores or of the class's totals; with --student, one\n"
    "         student's total, possible points, percent and letter grade.\n"
    "sort     sorts the students and saves the class to OUT.\n"
    "resave   loads the class and saves it to OUT.\n"
    "export   writes the class as CSV in a spreadsheet's or learning platform's layout,\n"
    "         to OUT.csv or the standard output; --bom starts it with the byte-order mark\n"
    "         spreadsheets on Windows need. xlsx writes an Excel workbook with one\n"
    "         sheet per class, named after its file.\n"
    "import   reads a CSV (a markwise, canvas or moodle export, or a roster) as a new class.\n"
    "merge    merges a CSV's scores into the class, matching students by ID or by\n"
    "         name; blank cells keep scores, rows matching no student are listed and\n"
    "         skipped, new titles become assignments. --dry-run only prints the summary.\n"
    "         A new assignment needs its points possible from the file (a \"Points\n"
    "         Possible\" row or \"Title (10 pts)\"); --points-from-highest takes the\n"
    "         highest score instead, for import as well.\n"
    "pdf      prints each class as OUT_DIR/NAME.pdf (NAME: the class file's name\n"
    "         without its ending), the pages the desktop program prints: REPORT is\n"
    "         sheet (the default), roster, progress:CUTOFF, student:N or students.\n"
    "policy   prints the class's grading policy as INI, one [Category N] section per\n"
    "         category with name, weight, drop lowest and assignments (numbered from\n"
    "         1, such as 1-4,7); --set applies a policy read from such a file, every\n"
    "         assignment in exactly one category; --clear removes it. Both save to OUT.\n"
    "\n"
    "N is a 0-based index; --first-included N counts only assignments N onward.\n"
    "LIST is twelve comma-separated whole percents for A+,A,A-,B+,B,B-,C+,C,C-,D+,D,D-;\n"
    "by default the cutoffs come from the user's Markwise profile.\n";

struct OptionSpec {
    std::string_view name;
    bool takesValue;
};

// The options each command accepts.
std::vector<OptionSpec> AllowedOptions(Command command) {
    switch (command) {
    case Command::Grades:
        return {{"--cutoffs", true}, {"--first-included", true}};
    case Command::Summary:
        return {{"--assignment", true},
                {"--class", false},
                {"--student", true},
                {"--cutoffs", true},
                {"--first-included", true}};
    case Command::Sort:
        return {{"--by", true}, {"--first-included", true}, {"-o", true}};
    case Command::Resave:
        return {{"-o", true}};
    case Command::Import:
        return {{"--points-from-highest", false}, {"-o", true}};
    case Command::Export:
        return {{"--format", true}, {"--bom", false}, {"-o", true}};
    case Command::Merge:
        return {{"--match", true},
                {"--points-from-highest", false},
                {"--dry-run", false},
                {"-o", true}};
    case Command::Pdf:
        return {{"--report", true},
                {"--page-size", true},
                {"--all-assignments", false},
                {"--cutoffs", true}};
    case Command::Policy:
        return {{"--set", true}, {"--clear", false}, {"-o", true}};
    case Command::Help:
    case Command::Version:
        break;
    }
    return {};
}

bool ParseCommand(std::string_view word, Command& command) {
    static constexpr std::array<std::pair<std::string_view, Command>, 9> kCommands = {{
        {"grades", Command::Grades},
        {"summary", Command::Summary},
        {"sort", Command::Sort},
        {"resave", Command::Resave},
        {"export", Command::Export},
        {"import", Command::Import},
        {"merge", Command::Merge},
        {"pdf", Command::Pdf},
        {"policy", Command::Policy},
    }};
    for (const auto& [name, value] : kCommands) {
        if (word == name) {
            command = value;
            return true;
        }
    }
    return false;
}

bool ParseSortKey(std::string_view text, Options& options) {
    constexpr std::string_view kAssignmentPrefix = "assignment:";
    if (text == "name") {
        options.sortKey = SortKey::Name;
        return true;
    }
    if (text == "total") {
        options.sortKey = SortKey::Total;
        return true;
    }
    if (text.starts_with(kAssignmentPrefix)) {
        options.sortKey = SortKey::Assignment;
        return ParseIndex(text.substr(kAssignmentPrefix.size()), options.assignment);
    }
    return false;
}

bool ApplyOption(std::string_view name, const std::string& value, Options& options,
                 std::string& error) {
    bool ok = true;
    if (name == "--cutoffs") {
        CGradeCutoffs cutoffs;
        ok = ParseCutoffList(value, cutoffs);
        options.cutoffs = cutoffs;
    } else if (name == "--first-included") {
        ok = ParseIndex(value, options.firstIncluded);
    } else if (name == "--assignment") {
        ok = ParseIndex(value, options.assignment);
    } else if (name == "--student") {
        ok = ParseIndex(value, options.student);
    } else if (name == "--class") {
        options.classSummary = true;
    } else if (name == "--by") {
        ok = ParseSortKey(value, options);
    } else if (name == "--format") {
        const auto layout = CsvLayoutFromName(value);
        options.xlsx = value == "xlsx";
        ok = layout.has_value() || options.xlsx;
        options.layout = layout.value_or(CsvLayout::Markwise);
    } else if (name == "--bom") {
        options.byteOrderMark = true;
    } else if (name == "--points-from-highest") {
        options.pointsFromHighest = true;
    } else if (name == "--match") {
        ok = value == "id" || value == "name";
        options.match = value == "name" ? MergeMatch::Name : MergeMatch::Id;
    } else if (name == "--report") {
        ok = !value.empty();
        options.report = value;
    } else if (name == "--page-size") {
        ok = value == "Letter" || value == "A4";
        options.paper = value == "A4" ? PaperSize::A4 : PaperSize::Letter;
    } else if (name == "--all-assignments") {
        options.allAssignments = true;
    } else if (name == "--set") {
        ok = !value.empty();
        options.policyFile = value;
    } else if (name == "--clear") {
        options.clearPolicy = true;
    } else if (name == "--dry-run") {
        options.dryRun = true;
    } else if (name == "-o") {
        ok = !value.empty();
        options.output = value;
    }
    if (!ok)
        error = "invalid value '" + std::string(value) + "' for " + std::string(name);
    return ok;
}

bool CheckComplete(const Options& options, const std::vector<std::string_view>& seen,
                   std::string& error) {
    auto given = [&seen](std::string_view name) {
        for (std::string_view s : seen) {
            if (s == name)
                return true;
        }
        return false;
    };
    const bool merge = options.command == Command::Merge;
    if (options.command == Command::Pdf)
        error = options.output.empty()    ? "missing OUT_DIR"
                : options.classes.empty() ? "missing CLASS"
                                          : "";
    else if (options.file.empty())
        error = merge ? "missing CLASS.MKW" : "missing FILE";
    else if (merge && options.csvFile.empty())
        error = "missing IN.csv";
    else if (options.command == Command::Export && !given("--format"))
        error = "export needs --format";
    else if (!options.classes.empty() && !options.xlsx)
        error = "several classes go only into one workbook (--format xlsx)";
    else if (options.xlsx && options.output.empty())
        error = "export --format xlsx needs -o OUT.xlsx";
    else if (options.xlsx && options.byteOrderMark)
        error = "--bom is for CSV, not xlsx";
    else if (merge && !given("--match"))
        error = "merge needs --match";
    else if (options.command == Command::Summary &&
             given("--assignment") + given("--class") + given("--student") != 1)
        error = "summary needs one of --assignment N, --class or --student N";
    else if (options.command == Command::Sort && !given("--by"))
        error = "sort needs --by";
    else if (given("--set") && given("--clear"))
        error = "policy takes --set or --clear, not both";
    else if (options.command == Command::Policy &&
             given("-o") != (given("--set") || given("--clear")))
        error = given("-o") ? "-o OUT needs --set or --clear" : "missing -o OUT";
    else if ((options.command == Command::Sort || options.command == Command::Resave ||
              options.command == Command::Import || (merge && !options.dryRun)) &&
             !given("-o"))
        error = "missing -o OUT";
    return error.empty();
}

} // namespace

std::string_view UsageText() {
    return kUsage;
}

std::string HelpText() {
    return std::string(kUsage) + std::string(kHelpDetails);
}

std::string VersionText() {
    return "markwise-cli " MARKWISE_VERSION "\n";
}

bool ParseIndex(std::string_view text, int& value) {
    return !text.empty() && text.front() != '-' && ParseCommandLineInteger(text, value);
}

bool ParseCutoffList(std::string_view text, CGradeCutoffs& cutoffs) {
    std::array<int, kGradeCount - 1> values{};
    std::size_t start = 0;
    for (std::size_t i = 0; i < values.size(); ++i) {
        const std::size_t comma = text.find(',', start);
        const bool last = i + 1 == values.size();
        // The last value runs to the end; every other one ends at a comma.
        if (last != (comma == std::string_view::npos))
            return false;
        const std::size_t end = last ? text.size() : comma;
        if (!ParseCommandLineInteger(text.substr(start, end - start), values[i]))
            return false;
        start = end + 1;
    }
    cutoffs = CGradeCutoffs::FromGradeOrder(values);
    return true;
}

bool ParseArguments(const std::vector<std::string>& args, Options& options, std::string& error) {
    options = Options{};
    error.clear();
    if (args.empty()) {
        error = "missing command";
        return false;
    }
    if (args[0] == "--help" || args[0] == "-h")
        return true;
    if (args[0] == "--version") {
        options.command = Command::Version;
        return true;
    }
    if (!ParseCommand(args[0], options.command)) {
        error = "unknown command '" + args[0] + "'";
        return false;
    }

    const std::vector<OptionSpec> allowed = AllowedOptions(options.command);
    std::vector<std::string_view> seen;
    bool optionsEnded = false;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (!optionsEnded && (arg == "--help" || arg == "-h")) {
            options.command = Command::Help;
            return true;
        }
        if (!optionsEnded && arg == "--") {
            optionsEnded = true;
            continue;
        }
        if ((optionsEnded || arg.size() < 2 || arg.front() != '-') &&
            options.command == Command::Pdf) {
            (options.output.empty() ? options.output : options.classes.emplace_back()) = arg;
            continue;
        }
        if ((optionsEnded || arg.size() < 2 || arg.front() != '-') &&
            options.command == Command::Export && !options.file.empty()) {
            options.classes.push_back(arg);
            continue;
        }
        if (optionsEnded || arg.size() < 2 || arg.front() != '-') {
            std::string& slot = options.file.empty() ? options.file : options.csvFile;
            if (!slot.empty() || (&slot == &options.csvFile && options.command != Command::Merge)) {
                error = "unexpected argument '" + std::string(arg) + "'";
                return false;
            }
            slot = arg;
            continue;
        }

        // "--name=value" and "--name value" are both accepted for long options.
        const std::size_t equals = arg.starts_with("--") ? arg.find('=') : std::string::npos;
        const std::string_view name = std::string_view(arg).substr(0, equals);
        const OptionSpec* option = nullptr;
        for (const OptionSpec& candidate : allowed) {
            if (candidate.name == name)
                option = &candidate;
        }
        if (option == nullptr) {
            error = "unknown option '" + std::string(name) + "'";
            return false;
        }
        for (std::string_view s : seen) {
            if (s == option->name) {
                error = "option " + std::string(option->name) + " given twice";
                return false;
            }
        }
        seen.push_back(option->name);

        std::string value;
        if (equals != std::string::npos) {
            if (!option->takesValue) {
                error = "option " + std::string(option->name) + " takes no value";
                return false;
            }
            value = arg.substr(equals + 1);
        } else if (option->takesValue) {
            if (i + 1 == args.size()) {
                error = "option " + std::string(option->name) + " needs a value";
                return false;
            }
            value = args[++i];
        }
        if (!ApplyOption(option->name, value, options, error))
            return false;
    }
    return CheckComplete(options, seen, error);
}

} // namespace markwise::cli
