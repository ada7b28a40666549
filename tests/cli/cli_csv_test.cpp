#include "cli_fixture.h"
#include "core/capacity.h"
#include "core/class_file.h"
#include "core/xlsx_export.h"
#include "support/zip_entry.h"

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

// Several classes: one sheet each, named after the files, every cell in its sheet.
TEST_F(CliCsv, WorkbookOfSeveralClasses) {
    auto other = markwise::test::NewClass();
    markwise::test::AddStudent(*other, "Okafor", "Chi", "31");
    markwise::test::AddAssignment(*other, 25, {23.5}, "Essay");
    // A policy class carries its Category row and marks as the markwise CSV does.
    markwise::test::AddAssignment(*other, 10, {0}, "Lab");
    markwise::test::AddAssignment(*other, 10, {MISSING_SCORE}, "Quiz");
    other->m_policy.categories = {{"Written work", 60, 0}, {"Practicals", 40, 0}};
    other->m_assignments[1].m_category = 1;
    other->StoreMarkedScore(1, 0, 0, ScoreMark::MissingWork);
    other->StoreMarkedScore(2, 0, MISSING_SCORE, ScoreMark::Excused);
    const std::string second = dir.File("Period [2]: Algebra and Geometry, Spring.mkw");
    const std::string third = dir.File("sub/" + std::filesystem::path(file).filename().string());
    std::filesystem::create_directory(dir.File("sub"));
    for (const std::string& path : {second, third}) {
        std::string error;
        ASSERT_TRUE(SaveClassFile(path, *other, error)) << error;
    }
    const std::string book = dir.File("book.xlsx");
    const CommandResult xlsx = Run({"export", file, second, "--format", "xlsx", "-o", book, third});
    ASSERT_EQ(xlsx.status, kExitOk) << xlsx.err;
    const std::string bytes = ReadText(book);
    const std::string base = std::filesystem::path(file).stem().string();
    const std::string workbook = markwise::test::ZipEntry(bytes, "xl/workbook.xml");
    EXPECT_TRUE(Has(workbook, "<sheet name=\"" + base + "\" sheetId=\"1\""));
    EXPECT_TRUE(Has(workbook, "<sheet name=\"Period _2__ Algebra and Geometr\" sheetId=\"2\""));
    EXPECT_TRUE(Has(workbook, "<sheet name=\"" + base + " 2\" sheetId=\"3\"")) << workbook;
    const std::string strings = markwise::test::ZipEntry(bytes, "xl/sharedStrings.xml");
    for (const char* text : {"Quiz", "Essay", "Okafor", "Lee", "Points Possible", "<t>Category</t>",
                             "Written work", "Practicals", "<t>EX</t>", "<t>M</t>"})
        EXPECT_TRUE(Has(strings, text)) << text;
    EXPECT_TRUE(Has(markwise::test::ZipEntry(bytes, "xl/worksheets/sheet1.xml"), "<v>9</v>"));
    for (const char* sheet : {"xl/worksheets/sheet2.xml", "xl/worksheets/sheet3.xml"}) {
        const std::string xml = markwise::test::ZipEntry(bytes, sheet);
        EXPECT_TRUE(Has(xml, "<v>25</v>") && Has(xml, "<v>23.5</v>")) << sheet;
        EXPECT_FALSE(Has(xml, "<f>"));
    }

    const std::vector<std::string> names = WorkbookSheetNames(
        {"", "Algebra", "ALGEBRA", "'quoted'", "a\tb*c?d/e\\f", std::string(40, 'x'),
         std::string(40, 'x'), "\xC9t\xE9", "\xC3\xA9" + std::string(35, 'y')});
    EXPECT_EQ(names,
              (std::vector<std::string>{"Class", "Algebra", "ALGEBRA 2", "_quoted_", "a_b_c_d_e_f",
                                        std::string(31, 'x'), std::string(29, 'x') + " 2",
                                        "\xC3\x89t\xC3\xA9", "\xC3\xA9" + std::string(30, 'y')}));
}

// Every refusal of a CSV names the file, the line and (where there is one) the column, and
// says what to do; the class is never written.
TEST_F(CliCsv, EveryRefusalSaysWhereAndWhatToDo) {
    std::string wide = "Name";
    std::string scores = "Lee";
    for (int a = 0; a <= kMaxAssignments; ++a) {
        wide += ",A" + std::to_string(a);
        scores += ",1";
    }
    const std::string points = "Points Possible" + std::string(kMaxAssignments + 1, ',');
    std::string many = "Name,Quiz (1 pt)\n";
    for (int s = 0; s <= kMaxStudents; ++s)
        many += "S" + std::to_string(s) + ",1\n";
    const std::string tall = many + "X,1\nY,1\n";
    const std::string markwise =
        "Last Name,First Name,Student ID,Grade Level,Book Number,Phone,Quiz\nLee,Ann,7,,,,1\n";
    struct Case {
        const char* match; // empty: import
        std::string csv;
        std::string place;
        const char* fix;
    };
    const Case cases[] = {
        {"", "Name,Quiz (10 pts)\nLee,twelve\nAnn,9\n", "line 2, column \"Quiz (10 pts)\"",
         "Change it, or mark the column ignored."},
        {"", "Name,Quiz\nBob,x\"y\"\n", "line 2, column \"Quiz\"", "or remove the stray quote."},
        {"", "Name,Quiz\n\"Bob,2\n", "line 2, column \"Name\"", "Add the closing double quote."},
        {"", markwise, "line 2, column \"Last Name\"", "Move them to lines 2 and 3"},
        {"", "Name" + std::string(4 * (kMaxAssignments + 6), ',') + "\n", "line 1, column 825",
         "Delete the columns the class does not need."},
        {"", wide + "\n" + points + "\n" + scores + "\n", "line 1, column \"A200\"",
         "Mark the columns the class does not need ignored"},
        {"", many, "line 1002", "Split the file into classes of at most 1000."},
        {"", tall, "line 1004", "Split the file into classes of at most 1000 students."},
        {"", "Email,Quiz (1 pt)\nx@y,1\n", "line 1", "Title one \"Name\" or \"Student ID\""},
        {"", "", "line 1", "Start it with a line of column titles"},
        {"", "ID number,Quiz\n7,5\n", "line 1, column \"Quiz\"", "Add a \"Points Possible\" row"},
        {"id", "ID number,Quiz\n7,1\n7,2\n", "line 3, column \"ID number\"",
         "Correct one of the two rows, or delete one."},
        {"id", "ID number,Quiz,QUIZ\n7,1,2\n", "line 1, column \"QUIZ\"",
         "Rename one of them, or mark one ignored."},
        {"id", "Name,Quiz\nAnn Lee,1\n", "line 1", "or match by name."},
        {"name", "ID number,Quiz\n7,1\n", "line 1", "or match by student ID."},
    };
    const std::string before = ReadText(file);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.csv.substr(0, 60));
        WriteBytes(csv, c.csv);
        std::filesystem::remove(out);
        const CommandResult result = *c.match == '\0'
                                         ? Run({"import", csv, "-o", out})
                                         : Run({"merge", file, csv, "--match", c.match, "-o", out});
        EXPECT_EQ(result.status, kExitFile);
        EXPECT_TRUE(result.err.starts_with("markwise-cli: " + csv + ": " + c.place + ": "))
            << result.err;
        EXPECT_TRUE(Has(result.err, c.fix)) << result.err;
        EXPECT_FALSE(std::filesystem::exists(out));
    }
    EXPECT_EQ(ReadText(file), before);
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
        {{"export", file, file, "--format", "canvas", "-o", out},
         kExitUsage,
         "several classes go only into one workbook (--format xlsx)"},
        {{"export", file, absent, "--format", "xlsx", "-o", out},
         kExitFile,
         absent + "\". The file does not exist.\n"},
        {{"import", quoting, "-o", out},
         kExitFile,
         "markwise-cli: " + quoting +
             ": line 2, column \"Name\": a double quote in the wrong place"},
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
