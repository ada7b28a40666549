#include "cli/cli_commands.h"
#include "core/class_file.h"
#include "core/summary.h"
#include "support/class_builder.h"
#include "support/temp_folder.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <sys/wait.h>

namespace markwise::cli {
namespace {

using markwise::test::ReadText;
using markwise::test::TempFolder;

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
