#include "cli/cli_args.h"
#include "cli/cli_run.h"
#include "cli/csv.h"
#include "core/class_file.h"
#include "core/profile.h"
#include "core/summary.h"
#include "support/class_builder.h"
#include "support/temp_folder.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/wait.h>

namespace markwise::cli {
namespace {

using Args = std::vector<std::string>;
using markwise::test::ReadText;
using markwise::test::TempFolder;
using markwise::test::WriteBytes;

const std::string kHeader = "slot,last,first,id,received,possible,percent,letter\n";
const std::string kSmith = "0,\"Smith, Jr.\",\"Bob \"\"Bobby\"\"\",1001,";

bool Has(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// Three students, two assignments (Quiz, 10 points; Test, 20 points):
//   slot 0  Smith, Jr. / Bob "Bobby" (1001)   2, 20    22 of 30
//   slot 1  Dupont / Ren\xE9 (1002)            N/A, 17  17 of 20
//   slot 2  Lee / Ann (7)                      N/A, N/A  0 of 0
struct Cli : ::testing::Test {
    TempFolder dir;
    std::string file = dir.File("class.mkw");
    std::string out = dir.File("out.mkw");

    void SetUp() override {
        auto doc = markwise::test::NewClass();
        markwise::test::AddStudent(*doc, "Smith, Jr.", "Bob \"Bobby\"", "1001");
        markwise::test::AddStudent(*doc, "Dupont", "Ren\xE9", "1002");
        markwise::test::AddStudent(*doc, "Lee", "Ann", "7");
        markwise::test::AddAssignment(*doc, 10, {2}, "Quiz");
        markwise::test::AddAssignment(*doc, 20, {20, 17}, "Test");
        Save(*doc);
    }
    void Save(const CMarkwiseDoc& doc) {
        std::string error;
        ASSERT_TRUE(SaveClassFile(file, doc, error)) << error;
    }
    // The tool in-process, with a profile of its own (absent: default cutoffs).
    CommandResult Run(const Args& args) { return RunCli(args, CProfile(dir.File("profile.ini"))); }
    // Last names of the saved OUT after a successful sort.
    std::vector<std::string> SortedNames(const Args& args) {
        const CommandResult result = Run(args);
        EXPECT_EQ(result.status, kExitOk) << result.err;
        EXPECT_EQ(result.out, "");
        std::string error;
        auto doc = LoadClassFile(out, error);
        if (!doc)
            return {error};
        return {doc->m_lastName.begin(), doc->m_lastName.begin() + doc->m_studentCount};
    }
};

TEST(Csv, QuotesFieldsWithLineBreaksToo) {
    // Commas and quotes are quoted in the grades output below.
    EXPECT_EQ(CsvField("two\nlines"), "\"two\nlines\"");
    EXPECT_EQ(CsvField("c\rr"), "\"c\rr\"");
    std::string row;
    AppendCsvRow(row, {"1", ""});
    EXPECT_EQ(row, "1,\n");
}

TEST_F(Cli, GradesOneRowPerStudentInSlotOrderInUtf8) {
    const CommandResult all = Run({"grades", file});
    EXPECT_EQ(all.status, kExitOk);
    EXPECT_EQ(all.err, "");
    EXPECT_EQ(all.out, kHeader + kSmith + "22,30,73.3333%,C-\n" +
                           "1,Dupont,Ren\xC3\xA9,1002,17,20,85%,B\n2,Lee,Ann,7,0,0,100%,A+\n");
    EXPECT_TRUE(Has(Run({"grades", file, "--first-included", "1"}).out,
                    kSmith + "20,20,100%,A+\n1,Dupont,Ren\xC3\xA9,1002,17,20,85%,B\n"));
    // Past the last assignment nothing counts.
    EXPECT_TRUE(Has(Run({"grades", file, "--first-included", "5"}).out, ",1002,0,0,100%,A+\n"));

    Save(CMarkwiseDoc());
    EXPECT_EQ(Run({"grades", file}).out, kHeader);
}

TEST_F(Cli, CutoffsComeFromTheOptionElseFromTheProfile) {
    // C at 73 lifts 73.3 percent from C- to C; B at 86 drops 85 to B-.
    const std::string out =
        Run({"grades", file, "--cutoffs=100,94,90,87,86,80,77,73,70,67,64,60"}).out;
    EXPECT_TRUE(Has(out, ",73.3333%,C\n") && Has(out, ",85%,B-\n")) << out;

    CGradeCutoffs lenient;
    lenient.m_cutoffAPlus = 70;
    ASSERT_TRUE(CProfile(dir.File("profile.ini")).WriteCutoffs(lenient));
    EXPECT_TRUE(Has(Run({"grades", file}).out, ",73.3333%,A+\n"));
    EXPECT_TRUE(Has(Run({"grades", "--cutoffs", "100,94,90,87,84,80,77,74,70,67,64,60", file}).out,
                    ",73.3333%,C-\n"));
}

TEST_F(Cli, Summaries) {
    // Test, 20 points: 20 (A+), 17 (B), missing (F); the average divides by all three.
    const CommandResult test = Run({"summary", file, "--assignment", "1"});
    EXPECT_EQ(test.status, kExitOk);
    EXPECT_EQ(test.out, "A+=1\nA=0\nA-=0\nB+=0\nB=1\nB-=0\nC+=0\nC=0\nC-=0\nD+=0\nD=0\nD-=0\n"
                        "F=1\naverage=12.3333333333333\nhigh=20\nlow=17\n");
    // Totals 22 of 30 (C-), 17 of 20 (B), 0 of 0 (A+).
    EXPECT_EQ(Run({"summary", file, "--class"}).out,
              "A+=1\nA=0\nA-=0\nB+=0\nB=1\nB-=0\nC+=0\nC=0\nC-=1\nD+=0\nD=0\nD-=0\n"
              "F=0\naverage=13\nhigh=22\nlow=0\n");
    // Counting only the Test: 20, 17 and 0 of 0; C at 73 plays no part.
    const std::string later = Run({"summary", "--first-included", "1", "--class", file, "--cutoffs",
                                   "100,94,90,87,84,80,77,73,70,67,64,60"})
                                  .out;
    EXPECT_TRUE(Has(later, "A+=2\n") && Has(later, "\nC-=0\n")) << later;
    EXPECT_TRUE(Has(later, "average=12.3333333333333\nhigh=20\nlow=0\n")) << later;
}

TEST_F(Cli, SummariesTheClassCannotGiveAreRefused) {
    const std::string prefix = "markwise-cli: " + file + ": ";
    EXPECT_EQ(Run({"summary", file, "--assignment", "2"}).err,
              prefix + "assignment 2 is out of range (the class has 2 assignments)\n");

    auto noAssignments = markwise::test::ClassOf(1);
    Save(*noAssignments);
    for (const Args& args :
         {Args{"summary", file, "--class"}, {"summary", file, "--assignment", "0"}}) {
        const CommandResult result = Run(args);
        EXPECT_EQ(result.status, kExitUsage);
        EXPECT_EQ(result.out, "");
        EXPECT_EQ(result.err, prefix + "the class has no assignments\n");
    }
    // Assignments but no students: no class summary, an assignment summary averaging 0.
    auto noStudents = markwise::test::NewClass();
    noStudents->NewAssignment("Quiz", "", 10);
    Save(*noStudents);
    const CommandResult classResult = Run({"summary", file, "--class"});
    EXPECT_EQ(classResult.status, kExitUsage);
    EXPECT_EQ(classResult.err, prefix + "the class has no students\n");
    EXPECT_TRUE(Has(Run({"summary", file, "--assignment", "0"}).out, "average=0\n"));
}

TEST_F(Cli, SortWritesEachOrderWithFieldsAndScoresAlong) {
    using Names = std::vector<std::string>;
    const std::pair<Args, Names> cases[] = {
        {{"--by", "name"}, {"Dupont", "Lee", "Smith, Jr."}},
        // Percents 73.3, 85 and 100 (nothing possible).
        {{"--by", "total"}, {"Lee", "Dupont", "Smith, Jr."}},
        // Counting only the Test, Smith and Lee tie at 100; the later one moves up first.
        {{"--by", "total", "--first-included", "1"}, {"Lee", "Smith, Jr.", "Dupont"}},
        // The Test's scores 20, 17 and N/A, descending, the missing score last.
        {{"--by=assignment:1"}, {"Smith, Jr.", "Dupont", "Lee"}},
    };
    for (const auto& [options, names] : cases) {
        Args args = {"sort", file, "-o", out};
        args.insert(args.end(), options.begin(), options.end());
        EXPECT_EQ(SortedNames(args), names) << options[0];
    }
    std::string error;
    const auto sorted = LoadClassFile(out, error);
    ASSERT_TRUE(sorted) << error;
    EXPECT_EQ(sorted->m_studentId[0], "1001");
    EXPECT_EQ(sorted->m_gradeLevel[0], "G0");
    EXPECT_EQ(sorted->m_assignments[0].m_scores[0], 2);
    EXPECT_EQ(sorted->m_assignments[1].m_scores[2], MISSING_SCORE);
    EXPECT_EQ(LoadClassFile(file, error)->m_lastName[0], "Smith, Jr."); // input untouched
}

TEST_F(Cli, FailedSortCreatesNoOutput) {
    const CommandResult range = Run({"sort", file, "--by", "assignment:2", "-o", out});
    EXPECT_EQ(range.status, kExitUsage);
    EXPECT_TRUE(Has(range.err, "assignment 2 is out of range"));
    const std::string absent = dir.File("absent.mkw");
    const CommandResult missing = Run({"sort", absent, "--by", "name", "-o", out});
    EXPECT_EQ(missing.status, kExitFile);
    EXPECT_TRUE(Has(missing.err, absent));
    EXPECT_FALSE(std::filesystem::exists(out));

    const std::string unwritable = dir.File("no-such-folder/sorted.mkw");
    const CommandResult badOut = Run({"sort", file, "--by", "name", "-o", unwritable});
    EXPECT_EQ(badOut.status, kExitFile);
    EXPECT_EQ(badOut.out, "");
    EXPECT_TRUE(Has(badOut.err, unwritable)) << badOut.err;
}

TEST_F(Cli, ResaveReproducesLeftoversAndReservedText) {
    std::string error;
    auto doc = LoadClassFile(file, error);
    ASSERT_TRUE(doc) << error;
    doc->RemoveStudent(0);
    doc->m_reservedText[13] = "kept";
    Save(*doc);
    const CommandResult result = Run({"resave", file, "-o", out});
    EXPECT_EQ(result.status, kExitOk) << result.err;
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(ReadText(out), ReadText(file));
}

TEST_F(Cli, BadUsageIsStatusOneWithTheUsageOnStderr) {
    const std::string cutoffs = "100,94,90,87,84,80,77,74,70,67,64,60";
    const Args cases[] = {
        {},
        {"frobnicate", file},
        {"grades"},
        {"grades", file, file},
        {"grades", file, "--bogus"},
        {"grades", file, "--cutoffs"},
        {"grades", file, "--cutoffs", "100,94,90"},
        {"grades", file, "--cutoffs", cutoffs + ",50"},
        {"grades", file, "--cutoffs", "100,94,90,87,84,80,77,74,70,67,64,"},
        {"grades", file, "--cutoffs", "100,94,90,87,84,80,77,74,70,67,64,6O"},
        {"grades", file, "--cutoffs", cutoffs, "--cutoffs", cutoffs},
        {"grades", file, "--first-included", "-1"},
        {"grades", file, "--first-included", "1.5"},
        {"grades", file, "--first-included", "99999999999"},
        {"grades", file, "--class"},
        {"summary", file},
        {"summary", file, "--class", "--assignment", "0"},
        {"summary", file, "--assignment", "x"},
        {"summary", file, "--class=yes"},
        {"sort", file, "-o", out},
        {"sort", file, "--by", "name"},
        {"sort", file, "--by", "grade", "-o", out},
        {"sort", file, "--by", "assignment:-1", "-o", out},
        {"sort", file, "--by", "assignment:", "-o", out},
        {"resave", file},
        {"resave", file, "-o", out, "--cutoffs", cutoffs},
    };
    for (const Args& args : cases) {
        SCOPED_TRACE(::testing::PrintToString(args));
        const CommandResult result = Run(args);
        EXPECT_EQ(result.status, kExitUsage);
        EXPECT_EQ(result.out, "");
        EXPECT_TRUE(Has(result.err, "Usage:")) << result.err;
    }
    EXPECT_FALSE(std::filesystem::exists(out));

    for (const Args& args : {Args{"--help"}, {"grades", "--help"}, {"sort", "x.mkw", "-h"}}) {
        const CommandResult help = Run(args);
        EXPECT_EQ(help.status, kExitOk);
        EXPECT_EQ(help.out, HelpText());
        EXPECT_EQ(help.err, "");
    }
}

TEST(CutoffList, TwelveIntegersFromAPlusDown) {
    CGradeCutoffs cutoffs;
    ASSERT_TRUE(ParseCutoffList("99,93,89,86,83,79,76,73,69,66,63,-5", cutoffs));
    EXPECT_EQ(cutoffs.InGradeOrder(),
              (std::array<int, 12>{99, 93, 89, 86, 83, 79, 76, 73, 69, 66, 63, -5}));
    for (const char* bad :
         {"", "99,93,89,86,83,79,76,73,69,66,63, 5", "99,93,89,86,83,79,76,73,69,66,63,+5"})
        EXPECT_FALSE(ParseCutoffList(bad, cutoffs)) << bad;
}

TEST_F(Cli, UnreadableOrDamagedFilesAreStatusTwo) {
    const std::string truncated = dir.File("truncated.mkw");
    WriteBytes(truncated, ReadText(file).substr(0, 40));
    const std::string hostile = dir.File("hostile.mkw");
    WriteBytes(hostile, std::string("\xFF\xFF\xFF\x7F\0\0\0\0", 8)); // two billion students

    for (const std::string& bad : {dir.File("absent.mkw"), truncated, hostile, dir.File("")}) {
        for (const Args& args :
             {Args{"grades", bad}, {"summary", bad, "--class"}, {"resave", bad, "-o", out}}) {
            SCOPED_TRACE(::testing::PrintToString(args));
            const CommandResult result = Run(args);
            EXPECT_EQ(result.status, kExitFile);
            EXPECT_EQ(result.out, "");
            EXPECT_TRUE(Has(result.err, bad)) << result.err;
            EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1) << result.err;
        }
    }
    EXPECT_FALSE(std::filesystem::exists(out));
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

TEST(Executable, StatusesAndStreams) {
    TempFolder dir;
    const std::string file = dir.File("it's a class.mkw");
    auto doc = markwise::test::ClassOf(3);
    markwise::test::AddAssignment(*doc, 10, {2, MISSING_SCORE, 10});
    std::string error;
    ASSERT_TRUE(SaveClassFile(file, *doc, error)) << error;

    const CommandResult grades = RunProgram(dir, MARKWISE_CLI_PATH, {"grades", file});
    EXPECT_EQ(grades.status, 0);
    EXPECT_EQ(grades.err, "");
    EXPECT_NE(grades.out.find("\n1,Last1,First1,ID1,0,0,100%,A+\n"), std::string::npos);

    const CommandResult help = RunProgram(dir, MARKWISE_CLI_PATH, {"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("Usage:"), std::string::npos);

    const std::pair<std::vector<std::string>, int> failures[] = {
        {{"grades", file, "--first-included", "-2"}, 1},
        {{"summary", file, "--assignment", "7"}, 1},
        {{"grades", dir.File("absent.mkw")}, 2},
    };
    for (const auto& [args, status] : failures) {
        const CommandResult result = RunProgram(dir, MARKWISE_CLI_PATH, args);
        EXPECT_EQ(result.status, status) << args[1];
        EXPECT_EQ(result.out, "");
        EXPECT_NE(result.err, "");
    }
}

TEST(SampleClass, RegeneratesToTheCommittedBytesAndSpreadsOverEveryLetter) {
    TempFolder dir;
    const std::string regenerated = dir.File("sample.mkw");
    const CommandResult made = RunProgram(dir, MAKE_SAMPLE_PATH, {regenerated});
    ASSERT_EQ(made.status, 0) << made.err;
    const std::string committed = ReadText(SAMPLE_CLASS_PATH);
    ASSERT_FALSE(committed.empty());
    EXPECT_TRUE(ReadText(regenerated) == committed)
        << "examples/sample.mkw differs from what make-sample writes";

    std::string error;
    const auto doc = LoadClassFile(SAMPLE_CLASS_PATH, error);
    ASSERT_TRUE(doc) << error;
    EXPECT_EQ(doc->m_studentCount, 30);
    EXPECT_EQ(doc->m_assignmentCount, 12);
    const SummaryFigures figures = ClassSummary(*doc, CGradeCutoffs());
    for (int g = 0; g < kGradeCount; ++g)
        EXPECT_GT(figures.distribution[g], 0) << kGradeNames[g];
    int missing = 0;
    for (int a = 0; a < doc->m_assignmentCount; ++a)
        missing += std::count(doc->m_assignments[a].m_scores.begin(),
                              doc->m_assignments[a].m_scores.begin() + 30, MISSING_SCORE);
    EXPECT_GT(missing, 0);
}

} // namespace
} // namespace markwise::cli
