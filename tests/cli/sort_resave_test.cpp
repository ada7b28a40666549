#include "cli_test_support.h"

#include <filesystem>

namespace markwise::cli::test {
namespace {

class SortTest : public ::testing::Test {
protected:
    void SetUp() override { SaveOrFail(m_file, MakeSmallClass()); }

    // Last names of the saved OUT in slot order.
    std::vector<std::string> SortedLastNames(const std::vector<std::string>& args) {
        const CommandResult result = RunIn(m_dir, args);
        EXPECT_EQ(result.status, kExitOk) << result.err;
        EXPECT_EQ(result.out, "");
        std::vector<std::string> names;
        if (auto doc = LoadOrFail(m_out)) {
            for (int s = 0; s < doc->m_studentCount; ++s)
                names.push_back(doc->m_lastName[s]);
        }
        return names;
    }

    TempDir m_dir;
    std::string m_file = m_dir.File("class.mkw");
    std::string m_out = m_dir.File("sorted.mkw");
};

using Names = std::vector<std::string>;

TEST_F(SortTest, EachKeyWritesOutInItsOrder) {
    EXPECT_EQ(SortedLastNames({"sort", m_file, "--by", "name", "-o", m_out}),
              (Names{"Dupont", "Lee", "Smith, Jr."}));
    // Percents 73.3, 85 and 100 (nothing possible).
    EXPECT_EQ(SortedLastNames({"sort", m_file, "--by", "total", "-o", m_out}),
              (Names{"Lee", "Dupont", "Smith, Jr."}));
    // Counting only the Test, Smith and Lee tie at 100; the later one moves up first.
    EXPECT_EQ(
        SortedLastNames({"sort", m_file, "--by", "total", "--first-included", "1", "-o", m_out}),
        (Names{"Lee", "Smith, Jr.", "Dupont"}));
    // The Test's scores 20, 17 and N/A, descending, the missing score last.
    EXPECT_EQ(SortedLastNames({"sort", m_file, "--by=assignment:1", "-o", m_out}),
              (Names{"Smith, Jr.", "Dupont", "Lee"}));
}

TEST_F(SortTest, StudentsTakeTheirScoresAndFieldsAlong) {
    SortedLastNames({"sort", m_file, "--by", "name", "-o", m_out});
    const auto doc = LoadOrFail(m_out);
    ASSERT_TRUE(doc);
    EXPECT_EQ(doc->m_firstName[2], "Bob \"Bobby\"");
    EXPECT_EQ(doc->m_studentId[2], "1001");
    EXPECT_EQ(doc->m_gradeLevel[2], "10");
    EXPECT_EQ(doc->m_assignments[0].m_scores[2], 2);
    EXPECT_EQ(doc->m_assignments[1].m_scores[2], 20);
    EXPECT_EQ(doc->m_assignments[0].m_scores[0], MISSING_SCORE);
    EXPECT_EQ(doc->m_assignments[1].m_scores[0], 17);
    // The input file is left as it was.
    EXPECT_EQ(LoadOrFail(m_file)->m_lastName[0], "Smith, Jr.");
}

TEST_F(SortTest, FailureCreatesNoOutput) {
    const CommandResult outOfRange =
        RunIn(m_dir, {"sort", m_file, "--by", "assignment:2", "-o", m_out});
    EXPECT_EQ(outOfRange.status, kExitUsage);
    EXPECT_EQ(outOfRange.out, "");
    EXPECT_NE(outOfRange.err.find("assignment 2 is out of range"), std::string::npos);

    const CommandResult missingInput =
        RunIn(m_dir, {"sort", m_dir.File("absent.mkw"), "--by", "name", "-o", m_out});
    EXPECT_EQ(missingInput.status, kExitFile);
    EXPECT_NE(missingInput.err.find("absent.mkw"), std::string::npos);

    ExpectUsageError(RunIn(m_dir, {"sort", m_file, "--by", "grade", "-o", m_out}));
    EXPECT_FALSE(std::filesystem::exists(m_out));

    // An OUT that cannot be written is a file error that names OUT.
    const std::string unwritable = m_dir.File("no-such-folder/sorted.mkw");
    const CommandResult badOut = RunIn(m_dir, {"sort", m_file, "--by", "name", "-o", unwritable});
    EXPECT_EQ(badOut.status, kExitFile);
    EXPECT_EQ(badOut.out, "");
    EXPECT_NE(badOut.err.find(unwritable), std::string::npos) << badOut.err;
}

TEST(ResaveTest, ReproducesTheFileByteForByte) {
    TempDir dir;
    // Leftover scores of a removed student and reserved text must survive the round trip.
    CMarkwiseDoc doc = MakeSmallClass();
    doc.RemoveStudent(0);
    doc.m_reservedText[13] = "kept";
    const std::string in = dir.File("in.mkw");
    const std::string out = dir.File("out.mkw");
    SaveOrFail(in, doc);

    const CommandResult result = RunIn(dir, {"resave", in, "-o", out});
    EXPECT_EQ(result.status, kExitOk) << result.err;
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(ReadBytes(out), ReadBytes(in));
    EXPECT_EQ(ReadBytes(out).size(), WriteClass(doc).size());
}

} // namespace
} // namespace markwise::cli::test
