#include "cli/cli_args.h"
#include "cli_fixture.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <tuple>

namespace markwise::cli {
namespace {

using markwise::test::ReadText;
using markwise::test::TempFolder;
using markwise::test::WriteBytes;
using test::Args;
using test::Has;

const std::string kHeader = "slot,last,first,id,received,possible,percent,letter\n";
const std::string kSmith = "0,\"Smith, Jr.\",\"Bob \"\"Bobby\"\"\",1001,";

// Three students, two assignments (Quiz, 10 points; Test, 20 points):
//   slot 0  Smith, Jr. / Bob "Bobby" (1001)   2, 20    22 of 30
//   slot 1  Dupont / Ren\u00E9 (1002)           N/A, 17  17 of 20
//   slot 2  Lee / Ann (7)                      N/A, N/A  0 of 0
struct Cli : test::CliFixture {

    void SetUp() override {
        auto doc = markwise::test::NewClass();
        markwise::test::AddStudent(*doc, "Smith, Jr.", "Bob \"Bobby\"", "1001");
        markwise::test::AddStudent(*doc, "Dupont", "Ren\u00E9", "1002");
        markwise::test::AddStudent(*doc, "Lee", "Ann", "7");
        markwise::test::AddAssignment(*doc, 10, {2}, "Quiz");
        markwise::test::AddAssignment(*doc, 20, {20, 17}, "Test");
        Save(*doc);
    }
};

TEST_F(Cli, GradesOneRowPerStudentInSlotOrderInUtf8) {
    const CommandResult all = Run({"grades", file});
    EXPECT_EQ(all.status, kExitOk);
    EXPECT_EQ(all.err, "");
    EXPECT_EQ(all.out, kHeader + kSmith + "22,30,73.3333%,C-\n" +
                           "1,Dupont,Ren\xC3\xA9,1002,17,20,85%,B\n2,Lee,Ann,7,0,0,100%,A+\n");
    EXPECT_TRUE(
        Has(Run({"grades", file, "--first-included", "1"}).out, kSmith + "20,20,100%,A+\n"));
}

TEST_F(Cli, ProfileValuesItCannotReadAreNamedOnceAndTheProfileKept) {
    const std::string profile = "[Grade Cutoffs]\nA+=70\nC-=NaN\n";
    WriteBytes(dir.File("profile.ini"), profile);
    const CommandResult result = Run({"grades", file});
    EXPECT_EQ(result.status, kExitOk);
    EXPECT_EQ(result.err, "markwise-cli: warning: The grade cutoff C- in the settings (\"NaN\") is "
                          "not a whole number; the default 70 is used.\n");
    EXPECT_TRUE(Has(result.out, ",73.3333%,A+\n"));
    // Cutoffs given on the command line win and leave the profile unread; C at 73 lifts
    // 73.3 percent from C- to C.
    const CommandResult given =
        Run({"grades", file, "--cutoffs=100,94,90,87,84,80,77,73,70,67,64,60"});
    EXPECT_EQ(given.err, "");
    EXPECT_TRUE(Has(given.out, ",73.3333%,C\n"));
    EXPECT_EQ(ReadText(dir.File("profile.ini")), profile);
}

TEST_F(Cli, Summaries) {
    // Test, 20 points: 20 (A+), 17 (B), missing (F); the average divides by all three.
    EXPECT_EQ(Run({"summary", file, "--assignment", "1"}).out,
              "A+=1\nA=0\nA-=0\nB+=0\nB=1\nB-=0\nC+=0\nC=0\nC-=0\nD+=0\nD=0\nD-=0\n"
              "F=1\naverage=12.3333333333333\nhigh=20\nlow=17\n");
    // Only the Test from 1 on: 20 of 20 (A+), 17 of 20 (B), 0 of 0 (A+).
    EXPECT_TRUE(Has(Run({"summary", "--first-included", "1", "--class", file}).out,
                    "A+=2\nA=0\nA-=0\nB+=0\nB=1\n"));
    EXPECT_EQ(Run({"summary", file, "--student", "0"}).out,
              "total=22\npossible=30\npercent=73.3333333333333\ngrade=C-\n");
    // Only the Test counts, under cutoffs where 85 percent is a B+.
    EXPECT_EQ(Run({"summary", file, "--student", "1", "--first-included", "1", "--cutoffs",
                   "100,94,90,85,84,80,77,74,70,67,64,60"})
                  .out,
              "total=17\npossible=20\npercent=85\ngrade=B+\n");

    const std::string noAssignments = dir.File("no-assignments.mkw");
    std::string error;
    ASSERT_TRUE(SaveClassFile(noAssignments, *markwise::test::ClassOf(1), error)) << error;
    auto noStudents = markwise::test::NewClass();
    noStudents->NewAssignment("Quiz", "", 10);
    const std::string empty = dir.File("no-students.mkw");
    ASSERT_TRUE(SaveClassFile(empty, *noStudents, error)) << error;
    const std::string prefix = "markwise-cli: " + file + ": ";
    const test::FailureCase cases[] = {
        {{"summary", file, "--assignment", "2"},
         kExitUsage,
         prefix + "assignment 2 is out of range (the class has 2 assignments)\n"},
        {{"summary", file, "--student", "3"},
         kExitUsage,
         prefix + "student 3 is out of range (the class has 3 students)\n"},
        {{"summary", noAssignments, "--class"}, kExitUsage, "the class has no assignments\n"},
        {{"summary", empty, "--class"}, kExitUsage, empty + ": the class has no students\n"},
    };
    ExpectFailures(cases);
}

TEST_F(Cli, SortAndResaveWriteOut) {
    using Names = std::vector<std::string>;
    const std::pair<Args, Names> cases[] = {
        {{"--by", "name"}, {"Dupont", "Lee", "Smith, Jr."}},
        // Counting only the Test: 100, 85 and 100 (nothing possible).
        {{"--by", "total", "--first-included", "1"}, {"Lee", "Smith, Jr.", "Dupont"}},
        {{"--by=assignment:1"}, {"Smith, Jr.", "Dupont", "Lee"}},
    };
    for (const auto& [options, names] : cases) {
        Args args = {"sort", file, "-o", out};
        args.insert(args.end(), options.begin(), options.end());
        SCOPED_TRACE(options[0]);
        const CommandResult result = Run(args);
        EXPECT_EQ(result.status, kExitOk) << result.err;
        EXPECT_EQ(result.out, "");
        std::string error;
        const auto doc = LoadClassFile(out, error);
        ASSERT_TRUE(doc) << error;
        EXPECT_EQ(Names(doc->m_lastName.begin(), doc->m_lastName.begin() + doc->m_studentCount),
                  names);
    }
    std::string error;
    EXPECT_EQ(LoadClassFile(file, error)->m_lastName[0], "Smith, Jr."); // input untouched

    EXPECT_EQ(Run({"resave", file, "-o", out}).status, kExitOk);
    EXPECT_EQ(ReadText(out), ReadText(file));
}

TEST_F(Cli, FailuresWriteNothingButOneStderrLine) {
    const std::string truncated = dir.File("truncated.mkw");
    WriteBytes(truncated, ReadText(file).substr(0, 40));
    const std::string absent = dir.File("absent.mkw");
    const std::string unwritable = dir.File("no-such-folder/sorted.mkw");
    const std::string cutoffs = "100,94,90,87,84,80,77,74,70,67,64,60";
    // Neither read nor replaced, and no wait for a writer: a pipe in a class's place.
    const std::string fifo = dir.File("fifo.mkw");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
    const test::FailureCase cases[] = {
        {{"grades", absent}, kExitFile, absent},
        {{"summary", truncated, "--class"},
         kExitFile,
         "truncated.mkw is not a Markwise class file, or it is damaged: it ends before"},
        {{"resave", dir.File(""), "-o", out}, kExitFile, dir.File("")},
        {{"sort", file, "--by", "name", "-o", unwritable}, kExitFile, unwritable},
        {{"grades", fifo}, kExitFile, "It is a device or a pipe, not a file."},
        {{"resave", file, "-o", fifo}, kExitFile, "It is a device or a pipe, not a file."},
        {{"sort", file, "--by", "assignment:2", "-o", out},
         kExitUsage,
         "assignment 2 is out of range"},
        {{}, kExitUsage, "Usage:"},
        // Control characters in a named argument neither break the line nor reach the terminal.
        {{"gr\nades\x1b[2J", file}, kExitUsage, "unknown command 'gr?ades?[2J'\nUsage:"},
        {{"grades", file, "--first-included", "1\r"}, kExitUsage, "invalid value '1?'"},
        {{"grades", file, file}, kExitUsage, "Usage:"},
        {{"grades", file, "--cutoffs", "100,94,90"}, kExitUsage, "Usage:"},
        {{"grades", file, "--cutoffs", cutoffs + ",50"}, kExitUsage, "Usage:"},
        {{"grades", file, "--first-included", "1.5"}, kExitUsage, "Usage:"},
        {{"summary", file}, kExitUsage, "Usage:"},
        {{"summary", file, "--student", "0", "--class"}, kExitUsage, "Usage:"},
        {{"summary", file, "--student", "-1"}, kExitUsage, "Usage:"},
        {{"sort", file, "--by", "name"}, kExitUsage, "Usage:"},
        {{"sort", file, "--by", "assignment:-1", "-o", out}, kExitUsage, "Usage:"},
        {{"resave", file, "-o", out, "--cutoffs", cutoffs}, kExitUsage, "Usage:"},
    };
    ExpectFailures(cases);
    EXPECT_FALSE(std::filesystem::exists(out));
    const CommandResult help = Run({"sort", "x.mkw", "-h"});
    EXPECT_EQ(help.status, kExitOk);
    EXPECT_EQ(help.out, HelpText());
}

std::string ShellQuote(const std::string& text) {
    std::string quoted = "'";
    for (char c : text)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

// Runs a built program with its own empty profile, capturing stdout and stderr apart.
CommandResult RunProgram(const TempFolder& dir, const std::string& program,
                         const std::vector<std::string>& args) {
    const std::string out = dir.File("stdout.txt");
    const std::string err = dir.File("stderr.txt");
    std::string command =
        "XDG_CONFIG_HOME=" + ShellQuote(dir.File("config")) + " " + ShellQuote(program);
    for (const std::string& arg : args)
        command += " " + ShellQuote(arg);
    command += " >" + ShellQuote(out) + " 2>" + ShellQuote(err);
    const int status = std::system(command.c_str());
    EXPECT_TRUE(WIFEXITED(status)) << command;
    return {WEXITSTATUS(status), ReadText(out), ReadText(err)};
}

TEST(Executable, StatusesStreamsAndTheSampleClass) {
    TempFolder dir;
    const std::string file = dir.File("it's a class.mkw");
    const CommandResult made = RunProgram(dir, MAKE_SAMPLE_PATH, {file});
    ASSERT_EQ(made.status, 0) << made.err;
    EXPECT_TRUE(ReadText(file) == ReadText(SAMPLE_CLASS_PATH))
        << "examples/sample.mkw differs from what make-sample writes";
    // Read and saved again, the sample keeps every byte.
    std::string error;
    const auto sample = markwise::LoadClassFile(SAMPLE_CLASS_PATH, error);
    ASSERT_TRUE(sample) << error;
    const std::vector<unsigned char> again = markwise::WriteClass(*sample);
    EXPECT_TRUE(std::string(again.begin(), again.end()) == ReadText(SAMPLE_CLASS_PATH));
    // Options are never file names (the program runs in this test's folder).
    for (const auto& [arg, status] : {std::pair<std::string, int>{"--help", 0}, {"-x", 1}}) {
        std::filesystem::remove(arg);
        const CommandResult asked = RunProgram(dir, MAKE_SAMPLE_PATH, {arg});
        EXPECT_EQ(asked.status, status) << arg;
        EXPECT_TRUE(Has(asked.out + asked.err, "usage: make-sample OUT.mkw")) << arg;
        EXPECT_FALSE(std::filesystem::exists(arg)) << arg;
    }

    const CommandResult grades = RunProgram(dir, MARKWISE_CLI_PATH, {"grades", file});
    EXPECT_EQ(grades.status, 0);
    EXPECT_EQ(grades.err, "");
    EXPECT_TRUE(Has(grades.out, kHeader)) << grades.out;
    for (const auto& [args, status] :
         {std::pair<Args, int>{{"summary", file, "--assignment", "12"}, 1},
          {{"grades", dir.File("absent.mkw")}, 2}}) {
        const CommandResult result = RunProgram(dir, MARKWISE_CLI_PATH, args);
        EXPECT_EQ(result.status, status) << args[1];
        EXPECT_EQ(result.out, "");
        EXPECT_NE(result.err, "");
    }
    // --version stands alone, like --help; after a command it is an unknown option.
    const CommandResult version = RunProgram(dir, MARKWISE_CLI_PATH, {"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, "markwise-cli " MARKWISE_PROJECT_VERSION "\n");
    EXPECT_EQ(version.err, "");
    const CommandResult late = RunProgram(dir, MARKWISE_CLI_PATH, {"grades", file, "--version"});
    EXPECT_EQ(late.status, 1);
    EXPECT_TRUE(Has(late.err, "unknown option '--version'")) << late.err;
    EXPECT_TRUE(Has(RunProgram(dir, MARKWISE_CLI_PATH, {"--help"}).out, "--version"));
}

} // namespace
} // namespace markwise::cli
