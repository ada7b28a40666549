#include "core/desktop_command_line.h"

#include <gtest/gtest.h>
#include <string>
#include <tuple>
#include <vector>

namespace markwise {
namespace {

auto fields(const DesktopCommandLine& c) {
    return std::tie(c.action, c.error, c.classFile, c.moreClassFiles, c.splash,
                    c.quitAfterFirstPaint, c.toPdf, c.pdfFile, c.paper, c.resolution, c.report,
                    c.allAssignments);
}

constexpr auto kOpen = StartAction::Open;
constexpr auto kPrint = StartAction::Print;
constexpr auto kHelp = StartAction::Help;
constexpr auto kVersion = StartAction::Version;
const std::string kBadResolution = "the resolution must be 72 to 9600 dots per inch";

struct Row {
    std::vector<std::string> args;
    DesktopCommandLine expected;
};

TEST(DesktopCommandLine, EveryArgumentAndItsComplaint) {
    const Row rows[] = {
        // Help and version win wherever they stand, over printing and over mistakes.
        {{"--help"}, {.action = kHelp}},
        {{"-h"}, {.action = kHelp}},
        {{"--version"}, {.action = kVersion}},
        {{"--print-to-pdf", "out.pdf", "--help", "class.mkw"}, {.action = kHelp}},
        {{"--frobnicate", "a", "b", "--version"}, {.action = kVersion}},
        {{"--version", "--help"}, {.action = kVersion}},
        {{"--resolution", "1", "--print", "-h"}, {.action = kHelp}},

        // The main window.
        {{}, {.action = kOpen}},
        {{"a.mkw"}, {.action = kOpen, .classFile = "a.mkw"}},
        {{"--no-splash", "a.mkw"}, {.action = kOpen, .classFile = "a.mkw", .splash = false}},
        {{"a.mkw", "--quit-after-first-paint"},
         {.action = kOpen, .classFile = "a.mkw", .quitAfterFirstPaint = true}},
        {{"--quit-after-first-paint", "--print", "a.mkw"},
         {.action = kPrint, .classFile = "a.mkw", .quitAfterFirstPaint = true}},
        {{"Cours\xe9.MKW"}, {.action = kOpen, .classFile = "Cours\xe9.MKW"}},
        {{"-"}, {.action = kOpen, .classFile = "-"}},
        {{"--frobnicate"}, {.action = kOpen, .error = "Unknown option --frobnicate."}},
        {{"-x", "a.mkw"}, {.action = kOpen, .error = "Unknown option -x."}},
        // Every file the file manager hands over, in order; a print run prints one.
        {{"a.mkw", "b.mkw", "--no-splash", "a.mkw"},
         {.action = kOpen,
          .classFile = "a.mkw",
          .moreClassFiles = {"b.mkw", "a.mkw"},
          .splash = false}},

        // Printing switches mean nothing without printing.
        {{"--page-size", "A4", "a.mkw"}, {.action = kOpen, .error = "Unknown option --page-size."}},
        {{"a.mkw", "--all-assignments"},
         {.action = kOpen, .error = "Unknown option --all-assignments.", .classFile = "a.mkw"}},

        // Printing.
        {{"--print", "a.mkw"}, {.action = kPrint, .classFile = "a.mkw"}},
        {{"a.mkw", "--no-splash", "--print"},
         {.action = kPrint, .classFile = "a.mkw", .splash = false}},
        {{"--print-to-pdf", "out.pdf", "a.mkw"},
         {.action = kPrint, .classFile = "a.mkw", .toPdf = true, .pdfFile = "out.pdf"}},
        // A value is the next argument, whatever it looks like.
        {{"--print-to-pdf", "-o.pdf", "--report", "--print", "a.mkw"},
         {.action = kPrint,
          .classFile = "a.mkw",
          .toPdf = true,
          .pdfFile = "-o.pdf",
          .report = "--print"}},
        {{"--page-size", "letter", "--print", "a.mkw"},
         {.action = kPrint, .classFile = "a.mkw", .paper = PaperSize::Letter}},
        {{"--print", "a.mkw", "--page-size", "A4", "--page-size", "a4"},
         {.action = kPrint, .classFile = "a.mkw", .paper = PaperSize::A4}},
        {{"--print", "--page-size", "Legal", "a.mkw"},
         {.action = kPrint, .error = "unknown page size Legal (Letter or A4)"}},
        {{"--print", "--resolution", "72", "a.mkw"},
         {.action = kPrint, .classFile = "a.mkw", .resolution = 72}},
        {{"--print", "--resolution", "9600", "a.mkw"},
         {.action = kPrint, .classFile = "a.mkw", .resolution = 9600}},
        {{"--print", "--report", "student:3", "--all-assignments", "a.mkw"},
         {.action = kPrint, .classFile = "a.mkw", .report = "student:3", .allAssignments = true}},
        {{"--print"}, {.action = kPrint, .error = "no class file to print"}},
        {{"--print", "a.mkw", "b.mkw"},
         {.action = kPrint, .error = "unexpected argument b.mkw", .classFile = "a.mkw"}},
        {{"--print", "--frobnicate", "a.mkw"},
         {.action = kPrint, .error = "unexpected argument --frobnicate"}},
        {{"--print", "-x", "a.mkw"}, {.action = kPrint, .error = "unexpected argument -x"}},
        // A switch that wants a value and has none.
        {{"--print", "a.mkw", "--resolution"},
         {.action = kPrint, .error = "unexpected argument --resolution", .classFile = "a.mkw"}},
        {{"a.mkw", "--print-to-pdf"},
         {.action = kPrint, .error = "unexpected argument --print-to-pdf", .classFile = "a.mkw"}},
    };
    for (const auto& [args, expected] : rows) {
        std::string shown;
        for (const std::string& arg : args)
            shown += arg + ' ';
        EXPECT_EQ(StartActionOf(args), expected.action) << shown;
        EXPECT_EQ(fields(ParseDesktopCommandLine(args)), fields(expected)) << shown;
    }
}

TEST(DesktopCommandLine, ResolutionIsAWholeNumberInRange) {
    for (const char* bad : {"71", "9601", "0", "-300", "+300", " 300", "300 ", "300dpi", "3e2", "",
                            "99999999999", "0x12c"}) {
        const DesktopCommandLine parsed =
            ParseDesktopCommandLine({"--print", "--resolution", bad, "a.mkw"});
        EXPECT_EQ(parsed.error, kBadResolution) << '"' << bad << '"';
    }
    EXPECT_EQ(ParseDesktopCommandLine({"--print", "--resolution", "0300", "a"}).resolution, 300);
}

TEST(DesktopCommandLine, ArgumentsAfterTheProgramName) {
    const char* argv[] = {"markwise", "--print", "a.mkw", nullptr};
    EXPECT_EQ(ArgumentsAfterProgramName(3, argv), (std::vector<std::string>{"--print", "a.mkw"}));
    EXPECT_TRUE(ArgumentsAfterProgramName(1, argv).empty());
    const char* none[] = {nullptr};
    EXPECT_TRUE(ArgumentsAfterProgramName(0, none).empty());
}

TEST(DesktopCommandLine, UsageNamesEverySwitch) {
    const std::string usage = DesktopUsage();
    EXPECT_EQ(usage.rfind("Usage: markwise [--no-splash] [class-file...]\n", 0), 0u);
    for (const char* name :
         {"--no-splash", "--print ", "--print-to-pdf", "--page-size", "--resolution",
          "--all-assignments", "--report", "--help", "--version"})
        EXPECT_NE(usage.find(name), std::string::npos) << name;
    EXPECT_EQ(usage.back(), '\n');
    // A benchmark's switch, not the user's.
    EXPECT_EQ(usage.find("--quit-after-first-paint"), std::string::npos);
}

} // namespace
} // namespace markwise
