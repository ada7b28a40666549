#include "cli/csv.h"
#include "cli_test_support.h"

namespace markwise::cli::test {
namespace {

class GradesTest : public ::testing::Test {
protected:
    void SetUp() override { SaveOrFail(m_file, MakeSmallClass()); }

    TempDir m_dir;
    std::string m_file = m_dir.File("class.mkw");
};

TEST(CsvTest, QuotesOnlyFieldsThatNeedIt) {
    EXPECT_EQ(CsvField("plain text"), "plain text");
    EXPECT_EQ(CsvField(""), "");
    EXPECT_EQ(CsvField("a,b"), "\"a,b\"");
    EXPECT_EQ(CsvField("say \"hi\""), "\"say \"\"hi\"\"\"");
    EXPECT_EQ(CsvField("two\nlines"), "\"two\nlines\"");
    EXPECT_EQ(CsvField("carriage\rreturn"), "\"carriage\rreturn\"");

    std::string row;
    AppendCsvRow(row, {"1", "a,b", ""});
    EXPECT_EQ(row, "1,\"a,b\",\n");
}

TEST_F(GradesTest, OneRowPerStudentInSlotOrderWithQuotingAndUtf8) {
    const CommandResult result = RunIn(m_dir, {"grades", m_file});
    EXPECT_EQ(result.status, kExitOk);
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(result.out, "slot,last,first,id,received,possible,percent,letter\n"
                          "0,\"Smith, Jr.\",\"Bob \"\"Bobby\"\"\",1001,22,30,73.3333%,C-\n"
                          "1,Dupont,Ren\xC3\xA9,1002,17,20,85%,B\n"
                          "2,Lee,Ann,7,0,0,100%,A+\n");
}

TEST_F(GradesTest, FirstIncludedLeavesEarlierAssignmentsOut) {
    const CommandResult result = RunIn(m_dir, {"grades", m_file, "--first-included", "1"});
    EXPECT_EQ(result.status, kExitOk);
    EXPECT_EQ(result.out, "slot,last,first,id,received,possible,percent,letter\n"
                          "0,\"Smith, Jr.\",\"Bob \"\"Bobby\"\"\",1001,20,20,100%,A+\n"
                          "1,Dupont,Ren\xC3\xA9,1002,17,20,85%,B\n"
                          "2,Lee,Ann,7,0,0,100%,A+\n");

    // Past the last assignment nothing counts: every student stands at 100 percent.
    const CommandResult none = RunIn(m_dir, {"grades", m_file, "--first-included", "5"});
    EXPECT_EQ(none.status, kExitOk);
    EXPECT_NE(none.out.find("1,Dupont,Ren\xC3\xA9,1002,0,0,100%,A+\n"), std::string::npos);
}

TEST_F(GradesTest, CutoffsComeFromTheOptionElseFromTheProfile) {
    // C at 73 instead of 74 lifts 73.3 percent from C- to C; B at 86 drops 85 to B-.
    const CommandResult option =
        RunIn(m_dir, {"grades", m_file, "--cutoffs=100,94,90,87,86,80,77,73,70,67,64,60"});
    EXPECT_EQ(option.status, kExitOk);
    EXPECT_NE(option.out.find(",73.3333%,C\n"), std::string::npos) << option.out;
    EXPECT_NE(option.out.find(",85%,B-\n"), std::string::npos) << option.out;

    CGradeCutoffs lenient;
    lenient.m_cutoffAPlus = 70;
    ASSERT_TRUE(CProfile(m_dir.File("profile.ini")).WriteCutoffs(lenient));
    const CommandResult profile = RunIn(m_dir, {"grades", m_file});
    EXPECT_NE(profile.out.find(",73.3333%,A+\n"), std::string::npos) << profile.out;
    EXPECT_NE(profile.out.find(",85%,A+\n"), std::string::npos) << profile.out;

    // The option wins over the profile.
    const CommandResult both =
        RunIn(m_dir, {"grades", "--cutoffs", "100,94,90,87,84,80,77,74,70,67,64,60", m_file});
    EXPECT_NE(both.out.find(",73.3333%,C-\n"), std::string::npos) << both.out;
}

TEST_F(GradesTest, EmptyClassGivesTheHeaderOnly) {
    SaveOrFail(m_file, CMarkwiseDoc());
    const CommandResult result = RunIn(m_dir, {"grades", m_file});
    EXPECT_EQ(result.status, kExitOk);
    EXPECT_EQ(result.out, "slot,last,first,id,received,possible,percent,letter\n");
}

} // namespace
} // namespace markwise::cli::test
