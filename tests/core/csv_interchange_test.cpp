#include "core/class_file.h"
#include "core/csv_layout.h"
#include "core/csv_read.h"
#include "core/csv_sheet.h"
#include "core/csv_write.h"
#include "core/encoding.h"
#include "core/number_text.h"
#include "support/class_builder.h"

#include <gtest/gtest.h>
#include <random>

namespace markwise {
namespace {

using test::AddAssignment;
using test::AddStudent;
using test::NewClass;

// Texts a class may hold and a CSV carries unchanged: printable ASCII, with every character
// CSV and spreadsheets treat specially weighted up, the printable upper half of Windows-1252
// (its undefined bytes are C1 controls, written as '?') and characters beyond it.
std::string RandomText(std::mt19937& rng, std::size_t maxLength) {
    static const std::vector<std::string> kAlphabet = [] {
        std::vector<std::string> all;
        for (int round = 0; round < 3; ++round) {
            for (const char c : std::string_view(",;\"' \t\r\n=+-@\x80\xE9\xFF\x9F"))
                all.push_back(Cp1252ToUtf8(std::string(1, c)));
            for (const char* other : {"\u0141", "\u1EC5", "\u738B", "\U0001F600", "\u0418"})
                all.push_back(other);
        }
        for (int c = 0x20; c <= 0xFF; ++c)
            if (c < 0x7F || c >= 0xA0)
                all.push_back(Cp1252ToUtf8(std::string(1, static_cast<char>(c))));
        return all;
    }();
    std::uniform_int_distribution<std::size_t> pick(0, kAlphabet.size() - 1);
    std::string text;
    for (std::size_t n = std::uniform_int_distribution<std::size_t>(0, maxLength)(rng); n > 0; --n)
        text += kAlphabet[pick(rng)];
    return text;
}

double RandomNumber(std::mt19937& rng) {
    static const double kChosen[] = {17.5, 0.1, -2, 1e+300, 0, 1e-5, 7.333333333333333, 100};
    const int kind = std::uniform_int_distribution<int>(0, 2)(rng);
    if (kind == 0)
        return kChosen[std::uniform_int_distribution<int>(0, 7)(rng)];
    if (kind == 1)
        return std::uniform_int_distribution<int>(-5, 120)(rng) / 2.0;
    return std::uniform_real_distribution<double>(-1e6, 1e6)(rng);
}

// A random class; plainNames keeps names and IDs free of commas and apostrophes so that the
// platforms' "Last, First" cell can be split again.
std::unique_ptr<CMarkwiseDoc> RandomClass(std::mt19937& rng, int students, int assignments,
                                          bool plainNames) {
    auto doc = NewClass();
    auto name = [&rng, plainNames]() {
        std::string text = RandomText(rng, 12);
        if (plainNames)
            std::erase(text, ',');
        return "N" + text; // never empty, so no row is blank
    };
    for (int s = 0; s < students; ++s) {
        doc->AddStudent({name(), name(), RandomText(rng, 8), RandomText(rng, 6),
                         RandomText(rng, 10), RandomText(rng, 6)});
    }
    for (int a = 0; a < assignments; ++a) {
        std::vector<double> scores;
        for (int s = 0; s < students; ++s)
            scores.push_back(rng() % 5 == 0 ? MISSING_SCORE : RandomNumber(rng));
        AddAssignment(*doc, RandomNumber(rng), scores, "T" + std::to_string(a) + RandomText(rng, 9),
                      RandomText(rng, 30));
    }
    return doc;
}

std::unique_ptr<CMarkwiseDoc> Import(const std::string& csv, std::string& error,
                                     CsvSheet* sheetOut = nullptr) {
    CsvSheet sheet;
    auto doc = ImportCsvClass(csv, sheet, error);
    if (sheetOut)
        *sheetOut = sheet;
    return doc;
}

TEST(CsvInterchange, RandomClassesRoundTripThroughEveryLayout) {
    std::mt19937 rng(20261207);
    // Filled again and again, larger and smaller: always as a new class would be.
    CMarkwiseDoc reused;
    for (const CsvLayout layout : {CsvLayout::Markwise, CsvLayout::Canvas, CsvLayout::Moodle}) {
        for (int round = 0; round < 12; ++round) {
            SCOPED_TRACE(std::string(CsvLayoutName(layout)) + " round " + std::to_string(round));
            auto doc = RandomClass(rng, round * 3, round % 5 * 2, layout != CsvLayout::Markwise);
            const std::string csv = ExportCsv(*doc, layout);
            std::string error;
            auto back = Import(csv, error);
            ASSERT_TRUE(back) << error << "\n" << csv;
            // The written layouts are pinned below, so reading back what was written and
            // writing it again gives the same text only if every carried field came back.
            EXPECT_EQ(ExportCsv(*back, layout), csv);
            CsvSheet sheet;
            ASSERT_TRUE(ImportCsvClassInto(csv, sheet, error, reused)) << error;
            EXPECT_TRUE(WriteClass(reused) == WriteClass(*back));
        }
    }
    // A text longer than a 16-bit length prefix holds, with spaces at both ends.
    auto doc = NewClass();
    const std::string longText = "  " + std::string(70000, 'x') + "\n\"y\" ";
    AddStudent(*doc, longText, " First ", " 007 ");
    AddAssignment(*doc, 10, {MISSING_SCORE}, " Quiz ", longText);
    const std::string csv = ExportCsv(*doc, CsvLayout::Markwise);
    std::string error;
    auto back = Import(csv, error);
    ASSERT_TRUE(back) << error;
    EXPECT_EQ(back->m_lastName[0], longText);
    EXPECT_EQ(ExportCsv(*back, CsvLayout::Markwise), csv);
}

TEST(CsvInterchange, LayoutsAndNumbersAsWritten) {
    auto doc = NewClass();
    AddStudent(*doc, "Smith", "Ann", "1001");
    AddStudent(*doc, "O'Neil, Jr.", "Bob", "1002");
    AddAssignment(*doc, 20, {17.5, MISSING_SCORE}, "Quiz 1", "Units");
    AddAssignment(*doc, 1e+300, {0.1, -2}, "Big");
    EXPECT_EQ(ExportCsv(*doc, CsvLayout::Markwise),
              "Last Name,First Name,Student ID,Grade Level,Book Number,Phone,Quiz 1,Big\n"
              "Points Possible,,,,,,20,1e+300\n"
              "Description,,,,,,Units,\n"
              "Smith,Ann,1001,G0,B0,555-0,17.5,0.1\n"
              "\"O'Neil, Jr.\",Bob,1002,G1,B1,555-1,,-2\n");
    EXPECT_EQ(ExportCsv(*doc, CsvLayout::Canvas),
              "Student,ID,SIS User ID,SIS Login ID,Section,Quiz 1,Big\n"
              "Points Possible,,,,,20,1e+300\n"
              "\"Smith, Ann\",,1001,,,17.5,0.1\n"
              "\"O'Neil, Jr., Bob\",,1002,,,,-2\n");
    EXPECT_EQ(ExportCsv(*doc, CsvLayout::Moodle), "First name,Last name,ID number,Quiz 1,Big\n"
                                                  "Ann,Smith,1001,17.5,0.1\n"
                                                  "Bob,\"O'Neil, Jr.\",1002,,-2\n");
    EXPECT_EQ(FormatShortest(7.0 / 3), "2.3333333333333335");
    EXPECT_EQ(FormatShortest(1e-5), "1e-05");
}

TEST(CsvInterchange, EveryWrittenCellIsSafeForSpreadsheetsAndTerminals) {
    CsvWriter csv;
    for (const char* text : {"=SUM(A1)", "+1", "-x", "@cmd", "\tx", "\rx", "'=x", "''@", "a=b",
                             "'plain", "esc\x1B bell\x07 del\x7F nul"})
        csv.Text(text);
    csv.Text(std::string("nul\0", 4));
    csv.Text("c1 \xC2\x85 \xC2\x9F kept \xC2\xA0");
    csv.Number("-2");
    csv.EndRow();
    EXPECT_EQ(csv.Data(), "'=SUM(A1),'+1,'-x,'@cmd,'\tx,\"'\rx\",''=x,'''@,a=b,'plain,"
                          "esc? bell? del? nul,nul?,c1 ? ? kept \xC2\xA0,-2\n");

    // A class's own texts: a C1 control (an undefined Windows-1252 byte in a file) is hidden.
    auto doc = NewClass();
    AddStudent(*doc, "=HYPERLINK(\"http://x\")", "\u0081", "-5");
    const std::string canvas = ExportCsv(*doc, CsvLayout::Canvas);
    EXPECT_NE(canvas.find("\"'=HYPERLINK(\"\"http://x\"\"), ?\",,'-5,"), std::string::npos)
        << canvas;
    // The random round trips show the apostrophe goes again on import; a roster keeps it.
    std::string error;
    auto back = Import("Name,Student ID\n'=x,'-5\n", error);
    ASSERT_TRUE(back) << error;
    EXPECT_EQ(back->m_lastName[0], "'=x");
    EXPECT_EQ(back->m_studentId[0], "'-5");
}

TEST(CsvInterchange, EncodingsSeparatorsAndRosters) {
    std::string error;
    CsvSheet sheet;
    // UTF-8 with a byte-order mark keeps every character, those Windows-1252 lacks too.
    auto doc =
        Import("\xEF\xBB\xBFSurname,Given Name,Quiz\n\u738B,\u20AC\U0001F600 \u0141ukasz,3\n",
               error, &sheet);
    ASSERT_TRUE(doc) << error;
    EXPECT_EQ(doc->m_lastName[0], "\u738B");
    EXPECT_EQ(doc->m_firstName[0], "\u20AC\U0001F600 \u0141ukasz");
    // Bytes that are not UTF-8 are read as Windows-1252.
    doc = Import("last name;first name;Quiz 1;Quiz 2\nZo\xEB;\x80;17,5;\"1,25\"\n", error, &sheet);
    ASSERT_TRUE(doc) << error;
    EXPECT_EQ(doc->m_lastName[0], "Zo\u00EB");
    ASSERT_TRUE(doc) << error;
    // Decimal commas in semicolon files.
    EXPECT_EQ(ExportCsv(*doc, CsvLayout::Moodle),
              "First name,Last name,ID number,Quiz 1,Quiz 2\n\xE2\x82\xAC,Zo\xC3\xAB,,17.5,1.25\n");

    // A roster: a "name" column either way round, a points row, text columns left out,
    // number columns become assignments worth their highest score, CR LF line ends.
    doc = Import("Student,Email,ID Number,Grade,Lab,Extra\r\n"
                 "Points Possible,,,,50,\r\n"
                 "\"Lee, Ann\",a@x,7,10,40,3\r\n"
                 "Bob Di Marco,b@x,8,11,,4.5\r\n",
                 error, &sheet);
    ASSERT_TRUE(doc) << error;
    EXPECT_EQ(sheet.kind, CsvKind::Roster);
    EXPECT_EQ(sheet.ignoredColumns, std::vector<std::string>{"Email"});
    EXPECT_EQ(ExportCsv(*doc, CsvLayout::Markwise),
              "Last Name,First Name,Student ID,Grade Level,Book Number,Phone,Lab,Extra\n"
              "Points Possible,,,,,,50,4.5\nDescription,,,,,,,\n"
              "Lee,Ann,7,10,,,40,3\nMarco,Bob Di,8,11,,,,4.5\n");
    // The platform's read-only columns (text in the points row) are left out.
    doc = Import("Student,ID,SIS User ID,SIS Login ID,Section,Quiz,Current Score\n"
                 "    Points Possible,,,,,10,(read only)\n\"Lee, Ann\",55,7,ann,S1,9,90\n",
                 error, &sheet);
    ASSERT_TRUE(doc) << error;
    EXPECT_EQ(sheet.kind, CsvKind::Canvas);
    EXPECT_EQ(doc->m_assignmentCount, 1);
    EXPECT_EQ(doc->m_studentId[0], "7");
}

TEST(CsvInterchange, BadInputIsRefusedSayingWhere) {
    const std::string header =
        "Last Name,First Name,Student ID,Grade Level,Book Number,Phone,Quiz 3\n"
        "Points Possible,,,,,,10\nDescription,,,,,,\n";
    std::string many = "Name,Quiz\n";
    for (int s = 0; s <= kMaxStudents; ++s)
        many += "S" + std::to_string(s) + ",1\n";
    std::string wide = "Name";
    for (int a = 0; a <= kMaxAssignments; ++a)
        wide += ",A" + std::to_string(a);
    wide += "\n";
    const std::string kQuote =
        ": a double quote in the wrong place. Quote the whole cell and double each quote inside it "
        "(\"say \"\"hi\"\"\"), or remove the stray quote.";
    const std::pair<std::string, std::string> cases[] = {
        {header + "Lee,Ann,7,,,,twelve\n",
         "line 4, column \"Quiz 3\": \"twelve\" is not a score. Change it, or mark the column "
         "ignored."},
        // Messages stay one line and short.
        {header + "Lee,Ann,7,,,,\"two\nlines" + std::string(50, 'x') + "\"\n",
         "line 4, column \"Quiz 3\": \"two?lines" + std::string(31, 'x') +
             "...\" is not a score. Change it, or mark the column ignored."},
        {"Name,Quiz\n\"Lee, Ann\",1\nBob,\"x\"y\n", "line 3, column \"Quiz\"" + kQuote},
        {"Name,Quiz\nBob,x\"y\"\n", "line 2, column \"Quiz\"" + kQuote},
        {"Name,Quiz\n\"Lee\nAnn\",1\n\"Bob,2\n",
         "line 4, column \"Name\": a quoted cell is not closed. Add the closing double quote."},
        {"Last Name,First Name,Student ID,Grade Level,Book Number,Phone\nLee,Ann,,,,\n",
         "line 2, column \"Last Name\": the \"Points Possible\" and \"Description\" rows must "
         "follow the header. Move them to lines 2 and 3, as Markwise exports them."},
        {many, "line 1002: more than 1000 students. Split the file into classes of at most 1000."},
        {wide, "line 1, column \"A200\": more than 200 assignments. Mark the columns the class "
               "does not need ignored, or split the file."},
        {"Email,Quiz\nx@y,1\n",
         "line 1: no column holds names or student IDs. Title one \"Name\" or \"Student ID\", or "
         "make a column a name or ID in the import's preview."},
        {"", "line 1: the file holds no header row. Start it with a line of column titles, such as "
             "\"Name,Quiz 1\"."},
    };
    for (const auto& [csv, message] : cases) {
        SCOPED_TRACE(csv.substr(0, 80));
        std::string error;
        CsvSheet sheet;
        sheet.ignoredColumns = {"stale"};
        EXPECT_EQ(Import(csv, error, &sheet), nullptr);
        EXPECT_EQ(error, message);
        EXPECT_TRUE(sheet.students.empty());
        EXPECT_TRUE(sheet.ignoredColumns.empty());
    }
    // Line numbers count the lines of the file, quoted line breaks included.
    std::string error;
    EXPECT_FALSE(Import("Name,Quiz\n\"A\r\nB\",1\n\n\"C\",x\"\n", error));
    EXPECT_EQ(error, "line 5, column \"Quiz\"" + kQuote);
}

} // namespace
} // namespace markwise
