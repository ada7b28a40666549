#include "cli/cli_args.h"
#include "cli_test_support.h"

#include <filesystem>

namespace markwise::cli::test {
namespace {

TEST(UsageTest, BadUsageIsStatusOneWithTheUsageOnStderr) {
    TempDir dir;
    const std::string file = dir.File("class.mkw");
    const std::string out = dir.File("out.mkw");
    SaveOrFail(file, MakeSmallClass());
    const std::string cutoffs = "100,94,90,87,84,80,77,74,70,67,64,60";

    const std::vector<std::vector<std::string>> cases = {
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
    for (const auto& args : cases) {
        SCOPED_TRACE(::testing::PrintToString(args));
        ExpectUsageError(RunIn(dir, args));
    }
    EXPECT_FALSE(std::filesystem::exists(out));
}

TEST(UsageTest, HelpGoesToStdout) {
    TempDir dir;
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"--help"}, {"grades", "--help"}, {"sort", "x.mkw", "-h"}}) {
        const CommandResult result = RunIn(dir, args);
        EXPECT_EQ(result.status, kExitOk);
        EXPECT_EQ(result.out, HelpText());
        EXPECT_EQ(result.err, "");
    }
}

TEST(UsageTest, CutoffListIsTwelveIntegersFromAPlusDown) {
    CGradeCutoffs cutoffs;
    ASSERT_TRUE(ParseCutoffList("99,93,89,86,83,79,76,73,69,66,63,-5", cutoffs));
    EXPECT_EQ(cutoffs.m_cutoffAPlus, 99);
    EXPECT_EQ(cutoffs.m_cutoffA, 93);
    EXPECT_EQ(cutoffs.m_cutoffAMinus, 89);
    EXPECT_EQ(cutoffs.m_cutoffBPlus, 86);
    EXPECT_EQ(cutoffs.m_cutoffDMinus, -5);
    EXPECT_FALSE(ParseCutoffList("", cutoffs));
    EXPECT_FALSE(ParseCutoffList("99,93,89,86,83,79,76,73,69,66,63, 5", cutoffs));
    EXPECT_FALSE(ParseCutoffList("99,93,89,86,83,79,76,73,69,66,63,+5", cutoffs));
}

TEST(FileErrorTest, UnreadableOrDamagedFilesAreStatusTwo) {
    TempDir dir;
    const std::string good = dir.File("good.mkw");
    SaveOrFail(good, MakeSmallClass());
    const std::string truncated = dir.File("truncated.mkw");
    WriteBytes(truncated, ReadBytes(good).substr(0, 40));
    const std::string hostile = dir.File("hostile.mkw");
    WriteBytes(hostile, std::string("\xFF\xFF\xFF\x7F\0\0\0\0", 8)); // two billion students

    for (const std::string& file : {dir.File("absent.mkw"), truncated, hostile, dir.File("")}) {
        for (const std::vector<std::string>& args : {std::vector<std::string>{"grades", file},
                                                     {"summary", file, "--class"},
                                                     {"resave", file, "-o", dir.File("out.mkw")}}) {
            SCOPED_TRACE(::testing::PrintToString(args));
            const CommandResult result = RunIn(dir, args);
            EXPECT_EQ(result.status, kExitFile);
            EXPECT_EQ(result.out, "");
            EXPECT_NE(result.err.find(file), std::string::npos) << result.err;
            EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1) << result.err;
        }
    }
    EXPECT_FALSE(std::filesystem::exists(dir.File("out.mkw")));
}

} // namespace
} // namespace markwise::cli::test
