#include "cli_fixture.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>

namespace markwise::cli {
namespace {

using markwise::test::ReadText;
using markwise::test::WriteBytes;
using test::Args;
using test::Has;

// Lee, Ann (7) and Smith, Bob (8); Quiz, 10 points: 9 and missing.
struct CliCsv : test::CliFixture {
    std::string csv = dir.File("in.csv");

    void SetUp() override {
        auto doc = markwise::test::NewClass();
        markwise::test::AddStudent(*doc, "Lee", "Ann", "7");
        markwise::test::AddStudent(*doc, "Smith", "Bob", "8");
        markwise::test::AddAssignment(*doc, 10, {9}, "Quiz");
        Save(*doc);
    }
};

TEST_F(CliCsv, ExportImportAndMerge) {
    const CommandResult exported = Run({"export", file, "--format", "moodle"});
    EXPECT_EQ(exported.status, kExitOk);
    EXPECT_EQ(exported.out, "First name,Last name,ID number,Quiz\nAnn,Lee,7,9\nBob,Smith,8,\n");
    const std::string exportFile = dir.File("class.csv");
    EXPECT_EQ(Run({"export", file, "--format=markwise", "-o", exportFile}).out, "");

    const CommandResult imported = Run({"import", exportFile, "-o", out});
    EXPECT_EQ(imported.status, kExitOk) << imported.err;
    EXPECT_EQ(imported.out + imported.err, "");
    EXPECT_EQ(ReadText(out), ReadText(file));

    // Characters Windows-1252 lacks are kept like any other.
    WriteBytes(csv,
               "ID number,Quiz,Bonus,Email\n7,6,1,a@b\n8,,2,\n99,5,,\n\"\xE2\x98\x83\",1,1,\n");
    const std::string before = ReadText(file);
    const auto names = dir.Names();
    const CommandResult dry =
        Run({"merge", file, csv, "--match", "id", "--dry-run", "--points-from-highest"});
    EXPECT_EQ(dry.status, kExitOk) << dry.err;
    EXPECT_EQ(dry.out, "matched=2\nskipped=2\nassignments added=1\nscores changed=3\n"
                       "skipped line 4: 99\nskipped line 5: \u2603\n");
    EXPECT_EQ(dry.err, "markwise-cli: " + csv +
                           ": warning: column \"Email\" was left out: holds text, not scores\n");
    EXPECT_EQ(dir.Names(), names); // a dry run writes nothing
    EXPECT_EQ(ReadText(file), before);

    const CommandResult merged =
        Run({"merge", file, csv, "--match", "id", "--points-from-highest", "-o", out});
    EXPECT_EQ(merged.status, kExitOk) << merged.err;
    EXPECT_EQ(merged.out, dry.out);
    EXPECT_EQ(Run({"export", out, "--format", "moodle"}).out,
              "First name,Last name,ID number,Quiz,Bonus\nAnn,Lee,7,6,1\nBob,Smith,8,,2\n");
}

// A byte-order mark only when asked for; the workbook is a zip file holding the sheet.
TEST_F(CliCsv, ExportForSpreadsheetsAndAsWorkbook) {
    const std::string plain = Run({"export", file, "--format", "canvas"}).out;
    EXPECT_EQ(Run({"export", file, "--format", "canvas", "--bom"}).out, "\xEF\xBB\xBF" + plain);
    EXPECT_FALSE(plain.starts_with("\xEF"));
    const std::string book = dir.File("book.xlsx");
    const CommandResult xlsx = Run({"export", file, "--format", "xlsx", "-o", book});
    EXPECT_EQ(xlsx.status, kExitOk) << xlsx.err;
    const std::string bytes = ReadText(book);
    EXPECT_TRUE(bytes.starts_with("PK\x03\x04"));
    EXPECT_TRUE(Has(bytes, "xl/worksheets/sheet1.xml"));
    EXPECT_TRUE(Has(bytes, "xl/sharedStrings.xml"));
}

TEST_F(CliCsv, GradesCellsAreSafeForSpreadsheets) {
    auto doc = markwise::test::NewClass();
    markwise::test::AddStudent(*doc, "=cmd|' /C calc'!A0", "\x1B[2J", "-1");
    Save(*doc);
    const CommandResult grades = Run({"grades", file});
    EXPECT_TRUE(Has(grades.out, "\n0,'=cmd|' /C calc'!A0,?[2J,'-1,0,0,100%,A+\n")) << grades.out;
}

// File names and cell texts may hold line breaks and escape sequences; the terminal never
// gets them.
TEST_F(CliCsv, ControlCharactersReachNoTerminal) {
    WriteBytes(csv, "ID number,Quiz\n7,5\n\"99\nmatched=5\x1B[2J\",1\n");
    const CommandResult dry = Run({"merge", file, csv, "--match", "id", "--dry-run"});
    EXPECT_EQ(dry.status, kExitOk) << dry.err;
    EXPECT_EQ(dry.out, "matched=1\nskipped=1\nassignments added=0\nscores changed=1\n"
                       "skipped line 3: 99?matched=5?[2J\n");
    const std::string odd = dir.File("a\nmatched=9\x1B[2J.csv");
    const CommandResult absent = Run({"import", odd, "-o", out});
    EXPECT_EQ(absent.err,
              "markwise-cli: " + dir.File("a?matched=9?[2J.csv") + ": The file does not exist.\n");
}

TEST_F(CliCsv, FailuresChangeNothingAndSayOneLine) {
    WriteBytes(csv, "Name,Quiz\n\"Lee, Ann\",twelve\n");
    const std::string bad = csv;
    const std::string quoting = dir.File("quoting.csv");
    WriteBytes(quoting, "Name,Quiz\n\"Lee, Ann\"x,1\n");
    const std::string absent = dir.File("absent.csv");
    const std::string noPoints = dir.File("nopoints.csv");
    WriteBytes(noPoints, "ID number,Quiz,Bonus\n7,5,1\n");
    // A cell larger than any class file: no class is written that could not be read back.
    const std::string huge = dir.File("huge.csv");
    WriteBytes(huge, "First name,Last name,ID number,Quiz (10 pts)\nAnn," +
                         std::string(65 << 20, 'x') + ",7,9\n");
    const test::FailureCase cases[] = {
        {{"merge", file, bad, "--match", "name", "-o", out},
         kExitFile,
         "markwise-cli: " + bad +
             ": line 2, column \"Quiz\": \"twelve\" is not a score. Change it, or mark the column "
             "ignored.\n"},
        // Points possible are never guessed unless asked for.
        {{"merge", file, noPoints, "--match", "id", "-o", out},
         kExitFile,
         "markwise-cli: " + noPoints +
             ": line 1, column \"Bonus\": the file gives no points possible. Add a \"Points "
             "Possible\" row, or the points to the title: \"Bonus (N pts)\".\n"},
        {{"import", noPoints, "-o", out},
         kExitFile,
         "markwise-cli: " + noPoints + ": line 1, column \"Quiz\": the file gives no points"},
        {{"export", file, "--format", "xlsx"},
         kExitUsage,
         "export --format xlsx needs -o OUT.xlsx"},
        {{"export", file, "--format", "xlsx", "--bom", "-o", out},
         kExitUsage,
         "--bom is for CSV, not xlsx"},
        {{"export", file, "--format", "xlsx", "-o", dir.File("no/such/dir.xlsx")},
         kExitFile,
         "no/such/dir.xlsx"},
        {{"import", quoting, "-o", out},
         kExitFile,
         "markwise-cli: " + quoting + ": line 2, column \"Name\": malformed quoting\n"},
        {{"import", absent, "-o", out}, kExitFile, absent + ": The file does not exist.\n"},
        {{"import", huge, "-o", out},
         kExitFile,
         "markwise-cli: Could not save \"" + out +
             "\". The class would take more than the 64 MB a class file may hold.\n"},
        {{"merge", dir.File("absent.mkw"), bad, "--match", "id", "-o", out},
         kExitFile,
         "absent.mkw"},
        {{"export", file, "--format", "moodle", "-o", dir.File("no/such/dir.csv")},
         kExitFile,
         "no/such/dir.csv"},
        {{"export", file}, kExitUsage, "export needs --format"},
        {{"export", file, "--format", "excel"}, kExitUsage, "invalid value 'excel' for --format"},
        {{"import", bad}, kExitUsage, "missing -o OUT"},
        {{"merge", file, "--match", "id", "-o", out}, kExitUsage, "missing IN.csv"},
        {{"merge", file, bad, "-o", out}, kExitUsage, "merge needs --match"},
        {{"merge", file, bad, "--match", "id"}, kExitUsage, "missing -o OUT"},
        {{"import", bad, bad, "-o", out}, kExitUsage, "unexpected argument"},
    };
    const std::string before = ReadText(file);
    ExpectFailures(cases);
    EXPECT_FALSE(std::filesystem::exists(out));
    EXPECT_EQ(ReadText(file), before);
}

} // namespace
} // namespace markwise::cli
