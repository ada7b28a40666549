#include "cli_test_support.h"
#include "core/summary.h"

#include <sys/wait.h>

namespace markwise::cli::test {
namespace {

std::string ShellQuote(const std::string& text) {
    std::string quoted = "'";
    for (char c : text) {
        if (c == '\'')
            quoted += "'\\''";
        else
            quoted += c;
    }
    return quoted + "'";
}

// Runs a built program with its own empty profile, capturing stdout and stderr apart.
CommandResult RunProgram(const TempDir& dir, const std::string& program,
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
    return {WEXITSTATUS(status), ReadBytes(out), ReadBytes(err)};
}

CommandResult RunTool(const TempDir& dir, const std::vector<std::string>& args) {
    return RunProgram(dir, MARKWISE_CLI_PATH, args);
}

TEST(ExecutableTest, StatusesAndStreams) {
    TempDir dir;
    const std::string file = dir.File("it's a class.mkw");
    SaveOrFail(file, MakeSmallClass());

    const CommandResult grades = RunTool(dir, {"grades", file});
    EXPECT_EQ(grades.status, 0);
    EXPECT_EQ(grades.err, "");
    EXPECT_EQ(grades.out.substr(0, grades.out.find('\n')),
              "slot,last,first,id,received,possible,percent,letter");
    EXPECT_NE(grades.out.find("\n2,Lee,Ann,7,0,0,100%,A+\n"), std::string::npos);

    const CommandResult help = RunTool(dir, {"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("Usage:"), std::string::npos);

    const CommandResult usage = RunTool(dir, {"grades", file, "--first-included", "-2"});
    EXPECT_EQ(usage.status, 1);
    EXPECT_EQ(usage.out, "");
    EXPECT_NE(usage.err.find("Usage:"), std::string::npos);

    const CommandResult summary = RunTool(dir, {"summary", file, "--assignment", "7"});
    EXPECT_EQ(summary.status, 1);
    EXPECT_EQ(summary.out, "");

    WriteBytes(file, ReadBytes(file).substr(0, 30));
    const CommandResult truncated = RunTool(dir, {"grades", file});
    EXPECT_EQ(truncated.status, 2);
    EXPECT_EQ(truncated.out, "");
    EXPECT_NE(truncated.err.find(file), std::string::npos) << truncated.err;
}

TEST(SampleClassTest, RegeneratesToTheCommittedBytes) {
    TempDir dir;
    const std::string regenerated = dir.File("sample.mkw");
    const CommandResult made = RunProgram(dir, MAKE_SAMPLE_PATH, {regenerated});
    ASSERT_EQ(made.status, 0) << made.err;
    const std::string committed = ReadBytes(SAMPLE_CLASS_PATH);
    ASSERT_FALSE(committed.empty());
    EXPECT_TRUE(ReadBytes(regenerated) == committed)
        << "examples/sample.mkw differs from what make-sample writes";
}

TEST(SampleClassTest, LoadsAndSpreadsGradesOverEveryLetter) {
    const auto doc = LoadOrFail(SAMPLE_CLASS_PATH);
    ASSERT_TRUE(doc);
    EXPECT_EQ(doc->m_studentCount, 30);
    EXPECT_EQ(doc->m_assignmentCount, 12);
    const SummaryFigures figures = ClassSummary(*doc, CGradeCutoffs());
    for (int g = 0; g < kGradeCount; ++g)
        EXPECT_GT(figures.distribution[g], 0) << kGradeNames[g];

    int missing = 0;
    for (int a = 0; a < doc->m_assignmentCount; ++a) {
        for (int s = 0; s < doc->m_studentCount; ++s)
            missing += doc->m_assignments[a].m_scores[s] == MISSING_SCORE ? 1 : 0;
    }
    EXPECT_GT(missing, 0);

    TempDir dir;
    const CommandResult grades = RunTool(dir, {"grades", SAMPLE_CLASS_PATH});
    EXPECT_EQ(grades.status, 0) << grades.err;
    EXPECT_EQ(std::count(grades.out.begin(), grades.out.end(), '\n'), 31);
}

} // namespace
} // namespace markwise::cli::test
