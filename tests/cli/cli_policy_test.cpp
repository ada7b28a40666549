#include "cli_fixture.h"
#include "core/number_text.h"

#include <gtest/gtest.h>

namespace markwise::cli {
namespace {

using markwise::test::WriteBytes;
using test::FailureCase;
using test::Has;

// Seven 10-point assignments; the student has 10, 2, 6, 8 on the homework, 5 of 10 on
// the lab and 9, 7 on the tests.
struct CliPolicy : test::CliFixture {
    void SetUp() override {
        auto doc = markwise::test::ClassOf(1);
        for (double score : {10.0, 2.0, 6.0, 8.0, 5.0, 9.0, 7.0})
            markwise::test::AddAssignment(*doc, 10, {score});
        Save(*doc);
    }
};

const std::string kPolicy = "[Category 1]\nname=Homework\nweight=30\ndrop lowest=1\n"
                            "assignments=1-4\n\n[Category 2]\nname=Labs\nweight=20.5\n"
                            "drop lowest=0\nassignments=5\n\n[Category 3]\nname=Tests\n"
                            "weight=50\ndrop lowest=0\nassignments=6-7\n";

TEST_F(CliPolicy, PrintSetPrintAgainAndGradesFollow) {
    EXPECT_EQ(Run({"policy", file}).out, "");
    const std::string ini = dir.File("policy.ini");
    WriteBytes(ini, kPolicy);
    const CommandResult set = Run({"policy", file, "--set", ini, "-o", out});
    ASSERT_EQ(set.status, kExitOk) << set.err;
    const CommandResult printed = Run({"policy", out});
    EXPECT_EQ(printed.out, kPolicy);
    // The homework drops the 2: 24 of 30 (80), labs 50, tests 80.
    const std::string percent = FormatPercentG(
        (30 * (24.0 / 30.0 * 100.0) + 20.5 * (5.0 / 10.0 * 100.0) + 50 * (16.0 / 20.0 * 100.0)) /
        100.5);
    EXPECT_TRUE(Has(Run({"grades", out}).out, ",45,60," + percent + ",")) << percent;
    // A membership written in any order and with spaces prints back in the one form.
    WriteBytes(ini, "[Category 1]\nname = All\nweight = 1\nassignments = 7, 1-3,4-6\n");
    ASSERT_EQ(Run({"policy", out, "--set", ini, "-o", out}).status, kExitOk);
    EXPECT_EQ(Run({"policy", out}).out,
              "[Category 1]\nname=All\nweight=1\ndrop lowest=0\nassignments=1-7\n");
    ASSERT_EQ(Run({"policy", out, "--clear", "-o", out}).status, kExitOk);
    EXPECT_EQ(Run({"policy", out}).out, "");
    EXPECT_EQ(markwise::test::ReadText(out), markwise::test::ReadText(file));
}

TEST_F(CliPolicy, RefusalsNameTheCategoryOrTheAssignment) {
    const auto policy = [this](const std::string& name, const std::string& text) {
        const std::string path = dir.File(name);
        WriteBytes(path, text);
        return path;
    };
    std::string many;
    for (int c = 1; c <= 21; ++c)
        many += "[Category " + std::to_string(c) +
                "]\nname=C\nweight=1\nassignments=" + (c == 1 ? "1-7" : "") + "\n";
    const std::string head = "[Category 1]\nname=H\nweight=1\n";
    const FailureCase cases[] = {
        {{"policy", file, "--set", policy("a", head + "assignments=1-6\n"), "-o", out},
         kExitFile,
         "assignment 7 is in no category"},
        {{"policy", file, "--set", policy("b", head + "assignments=1-7,3\n"), "-o", out},
         kExitFile,
         "assignment 3 is in category 1 and again"},
        {{"policy", file, "--set",
          policy("c", head + "assignments=1-7\n[Category 2]\nname=T\nweight=1\nassignments=2\n"),
          "-o", out},
         kExitFile,
         "assignment 2 is in category 1 and category 2"},
        {{"policy", file, "--set", policy("d", head + "assignments=1-8\n"), "-o", out},
         kExitFile,
         "assignment 8 is out of range (the class has 7 assignments)"},
        {{"policy", file, "--set", policy("e", many), "-o", out},
         kExitFile,
         "21 categories (at most 20)"},
        {{"policy", file, "--set",
          policy("f",
                 "[Category 1]\nname=" + std::string(41, 'x') + "\nweight=1\nassignments=1-7\n"),
          "-o", out},
         kExitFile,
         "category 1's name is longer than 40 characters"},
        {{"policy", file, "--set",
          policy("g", "[Category 1]\nname=H\nweight=-1\nassignments=1-7\n"), "-o", out},
         kExitFile,
         "category 1's weight must be a number of 0 or more"},
        {{"policy", file, "--set", policy("h", head + "drop lowest=-1\nassignments=1-7\n"), "-o",
          out},
         kExitFile,
         "category 1's drop lowest must be a whole number"},
        {{"policy", file, "--set", policy("i", head + "assignments=1-x\n"), "-o", out},
         kExitFile,
         "category 1's assignments are not a list such as 1-4,7"},
        {{"policy", file, "--set", policy("j", ""), "-o", out}, kExitFile, "no [Category 1]"},
        {{"policy", file, "--set", policy("k", "[Category 2]\nname=H\nweight=1\n"), "-o", out},
         kExitFile,
         "no [Category 1] section"},
        {{"policy", file, "--set", "x.ini", "--clear", "-o", out}, kExitUsage, "not both"},
        {{"policy", file, "--set", "x.ini"}, kExitUsage, "missing -o OUT"},
        {{"policy", file, "-o", out}, kExitUsage, "-o OUT needs --set or --clear"},
    };
    ExpectFailures(cases);
}

} // namespace
} // namespace markwise::cli
