#include "desktop_command_line.h"

#include "number_text.h"

#include <algorithm>
#include <cctype>

namespace markwise {

namespace {

constexpr char kUsage[] =
    "Usage: markwise [--no-splash] [class-file...]\n"
    "       markwise --print [--page-size Letter|A4] class-file\n"
    "       markwise --print-to-pdf OUT.pdf [--page-size Letter|A4] [--resolution DPI]\n"
    "                [--all-assignments] [--report REPORT] class-file\n"
    "       markwise --help | --version\n"
    "\n"
    "Without a class file Markwise starts on a new class; it opens each file given.\n"
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

constexpr int kLowestResolution = 72;
constexpr int kHighestResolution = 9600;

bool sameIgnoringCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

// Empty when the switch (and its value, if it takes one) is taken, else the reason.
using Setter = std::string (*)(const std::string& value, DesktopCommandLine& options);

struct Switch {
    std::string_view name;
    bool forPrinting; // only a printing command line knows it
    bool takesValue;  // the next argument, whatever it looks like
    Setter set;
};

constexpr Switch kSwitches[] = {
    {"--no-splash", false, false,
     [](const std::string&, DesktopCommandLine& o) {
         o.splash = false;
         return std::string();
     }},
    {"--print", true, false, [](const std::string&, DesktopCommandLine&) { return std::string(); }},
    // For timing a start as a whole process; not in the usage text.
    {"--quit-after-first-paint", false, false,
     [](const std::string&, DesktopCommandLine& o) {
         o.quitAfterFirstPaint = true;
         return std::string();
     }},
    {"--all-assignments", true, false,
     [](const std::string&, DesktopCommandLine& o) {
         o.allAssignments = true;
         return std::string();
     }},
    {"--print-to-pdf", true, true,
     [](const std::string& value, DesktopCommandLine& o) {
         o.toPdf = true;
         o.pdfFile = value;
         return std::string();
     }},
    {"--page-size", true, true,
     [](const std::string& value, DesktopCommandLine& o) {
         if (sameIgnoringCase(value, "Letter"))
             o.paper = PaperSize::Letter;
         else if (sameIgnoringCase(value, "A4"))
             o.paper = PaperSize::A4;
         else
             return "unknown page size " + value + " (Letter or A4)";
         return std::string();
     }},
    {"--resolution", true, true,
     [](const std::string& value, DesktopCommandLine& o) {
         if (!ParseCommandLineInteger(value, o.resolution) || o.resolution < kLowestResolution ||
             o.resolution > kHighestResolution)
             return std::string("the resolution must be 72 to 9600 dots per inch");
         return std::string();
     }},
    {"--report", true, true,
     [](const std::string& value, DesktopCommandLine& o) {
         o.report = value;
         return std::string();
     }},
};

const Switch* findSwitch(std::string_view name, bool printing) {
    for (const Switch& s : kSwitches) {
        if (s.name == name && (printing || !s.forPrinting))
            return &s;
    }
    return nullptr;
}

// The two kinds of start word their complaints differently: a printing run answers a
// script in one plain line; a desktop start is followed by the usage text.
std::string unknownOption(const std::string& arg, bool printing) {
    return printing ? "unexpected argument " + arg : "Unknown option " + arg + ".";
}

// Empty when the arguments make sense, else the reason.
std::string parseInto(const std::vector<std::string>& args, DesktopCommandLine& options) {
    const bool printing = options.action == StartAction::Print;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        // A lone "-" is a file name, as it is to most programs.
        if (arg.size() > 1 && arg.front() == '-') {
            const Switch* s = findSwitch(arg, printing);
            if (!s || (s->takesValue && i + 1 == args.size()))
                return unknownOption(arg, printing);
            const std::string none;
            if (std::string error = s->set(s->takesValue ? args[++i] : none, options);
                !error.empty())
                return error;
        } else if (!options.classFile.empty()) {
            // A desktop opens every file chosen in the file manager; a print run prints one.
            if (printing)
                return "unexpected argument " + arg;
            options.moreClassFiles.push_back(arg);
        } else {
            options.classFile = arg;
        }
    }
    if (printing && options.classFile.empty())
        return "no class file to print";
    return {};
}

} // namespace

std::vector<std::string> ArgumentsAfterProgramName(int argc, const char* const* argv) {
    if (argc < 2)
        return {};
    return {argv + 1, argv + argc};
}

StartAction StartActionOf(const std::vector<std::string>& args) {
    bool printing = false;
    for (const std::string& arg : args) {
        if (arg == "--help" || arg == "-h")
            return StartAction::Help;
        if (arg == "--version")
            return StartAction::Version;
        printing = printing || arg == "--print" || arg == "--print-to-pdf";
    }
    return printing ? StartAction::Print : StartAction::Open;
}

DesktopCommandLine ParseDesktopCommandLine(const std::vector<std::string>& args) {
    DesktopCommandLine options;
    options.action = StartActionOf(args);
    if (options.action == StartAction::Open || options.action == StartAction::Print)
        options.error = parseInto(args, options);
    return options;
}

const char* DesktopUsage() {
    return kUsage;
}

} // namespace markwise
