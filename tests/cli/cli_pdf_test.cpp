#include "cli/cli_args.h"
#include "cli_fixture.h"

#include <cstdio>
#include <filesystem>
#include <fstream>

namespace markwise::cli::test {
namespace {

struct CliPdfTest : CliFixture {
    std::string pdfText(const std::string& pdf) {
        std::string out;
        if (FILE* pipe = popen(("pdftotext -layout '" + pdf + "' - 2>&1").c_str(), "r")) {
            char buffer[4096];
            while (const std::size_t n = std::fread(buffer, 1, sizeof buffer, pipe))
                out.append(buffer, n);
            pclose(pipe);
        }
        return out;
    }
};

TEST(CliPdfArgsTest, OutputFolderClassesAndSwitches) {
    Options options;
    std::string error;
    ASSERT_TRUE(ParseArguments({"pdf", "out", "a.mkw", "--report", "roster", "b.mkw", "--page-size",
                                "A4", "--all-assignments", "--", "-c.mkw"},
                               options, error))
        << error;
    EXPECT_EQ(options.command, Command::Pdf);
    EXPECT_EQ(options.output, "out");
    EXPECT_EQ(options.classes, (std::vector<std::string>{"a.mkw", "b.mkw", "-c.mkw"}));
    EXPECT_EQ(options.report, "roster");
    EXPECT_EQ(options.paper, PaperSize::A4);
    EXPECT_TRUE(options.allAssignments);

    const std::pair<std::vector<std::string>, std::string> bad[] = {
        {{"pdf"}, "missing OUT_DIR"},
        {{"pdf", "out"}, "missing CLASS"},
        {{"pdf", "out", "a.mkw", "--page-size", "Legal"}, "invalid value 'Legal' for --page-size"},
        {{"pdf", "out", "a.mkw", "--report", ""}, "invalid value '' for --report"},
        {{"pdf", "out", "a.mkw", "-o", "x"}, "unknown option '-o'"},
    };
    for (const auto& [args, message] : bad) {
        EXPECT_FALSE(ParseArguments(args, options, error));
        EXPECT_EQ(error, message);
    }
    EXPECT_NE(UsageText().find("markwise-cli pdf OUT_DIR CLASS..."), std::string::npos);
}

TEST_F(CliPdfTest, EveryClassPrintsIntoTheFolderAndFailuresAreNamedOneEach) {
    auto doc = markwise::test::ClassOf(2);
    markwise::test::AddAssignment(*doc, 10, {6, 9}, "Quiz");
    Save(*doc);
    std::error_code ignored;
    std::filesystem::create_directory(dir.File("other"), ignored);
    const std::string second = dir.File("other/Period 3.MKW");
    const std::string same = dir.File("other/class.mkw");
    std::filesystem::copy_file(file, second, ignored);
    std::filesystem::copy_file(file, same, ignored);
    std::filesystem::create_directory(dir.File("out"), ignored);

    CommandResult result = Run({"pdf", dir.File("out"), file, second, dir.File("nothing.mkw"), same,
                                "--report", "roster", "--page-size", "Letter"});
    EXPECT_EQ(result.status, kExitFile);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 2) << result.err;
    EXPECT_TRUE(Has(result.err, dir.File("nothing.mkw") + ": ")) << result.err;
    EXPECT_TRUE(Has(result.err, same + ": an earlier class is printed as " +
                                    dir.File("out/class.pdf") + " already"))
        << result.err;
    EXPECT_TRUE(Has(pdfText(dir.File("out/class.pdf")), "Class roster for class"));
    EXPECT_TRUE(Has(pdfText(dir.File("out/Period 3.pdf")), "Class roster for Period 3"));

    result = Run({"pdf", dir.File("out"), file});
    EXPECT_EQ(result.status, kExitOk) << result.err;
    EXPECT_EQ(result.err, "");
    EXPECT_TRUE(Has(pdfText(dir.File("out/class.pdf")), "Last1, First1"));

    // A folder that is not there: each class says so.
    result = Run({"pdf", dir.File("missing-folder"), file});
    EXPECT_EQ(result.status, kExitFile);
    EXPECT_TRUE(Has(result.err, "cannot write " + dir.File("missing-folder/class.pdf") + ": "))
        << result.err;
}

} // namespace
} // namespace markwise::cli::test
