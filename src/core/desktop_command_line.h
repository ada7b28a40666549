#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace markwise {

// What the desktop program's command line asks for. Decided from the arguments as given,
// before any window system starts, so help, version and printing need no display.
enum class StartAction {
    Open,    // the main window, on a class file or a new class
    Print,   // --print or --print-to-pdf: print, then exit
    Help,    // --help or -h, wherever it stands and whatever else is there
    Version, // --version
};

enum class PaperSize { Locale, Letter, A4 };

struct DesktopCommandLine {
    StartAction action = StartAction::Open;
    // Empty when the arguments make sense, else one line saying what is wrong.
    std::string error{};
    // As the file system spells it: a name that is not UTF-8 survives. Empty: a new class.
    std::string classFile{};
    // The main window only: the files after the first, each opened in its own window.
    std::vector<std::string> moreClassFiles{};
    bool splash = true;
    // Benchmarks only: the program ends once its main window has painted.
    bool quitAfterFirstPaint = false;
    // Printing only.
    bool toPdf = false;
    std::string pdfFile{};
    PaperSize paper = PaperSize::Locale;
    int resolution = 300;
    std::string report = "sheet";
    bool allAssignments = false;
};

// argv[1] to argv[argc - 1]; none when there are none, even with argc 0.
std::vector<std::string> ArgumentsAfterProgramName(int argc, const char* const* argv);

// The first of help and version asked for, else printing when asked for, else Open.
StartAction StartActionOf(const std::vector<std::string>& args);

// The arguments after the program name (the window system's own options already taken out).
DesktopCommandLine ParseDesktopCommandLine(const std::vector<std::string>& args);

// What --help shows and a usage error is followed by.
const char* DesktopUsage();

} // namespace markwise
