#include "cli_test_support.h"

namespace markwise::cli::test {
namespace {

class SummaryTest : public ::testing::Test {
protected:
    TempDir m_dir;
    std::string m_file = m_dir.File("class.mkw");
};

TEST_F(SummaryTest, AssignmentSummaryCountsMissingScoresAsF) {
    SaveOrFail(m_file, MakeSmallClass());
    // Test, 20 points: 20 (A+), 17 (85%, B), missing (F); the average divides by all three.
    const CommandResult result = RunIn(m_dir, {"summary", m_file, "--assignment", "1"});
    EXPECT_EQ(result.status, kExitOk);
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(result.out, "A+=1\nA=0\nA-=0\nB+=0\nB=1\nB-=0\nC+=0\nC=0\nC-=0\nD+=0\nD=0\nD-=0\n"
                          "F=1\naverage=12.3333333333333\nhigh=20\nlow=17\n");
}

TEST_F(SummaryTest, ClassSummaryUsesTotalsCutoffsAndExclusion) {
    SaveOrFail(m_file, MakeSmallClass());
    // Totals 22 of 30 (C-), 17 of 20 (B), 0 of 0 (100%, A+).
    const CommandResult result = RunIn(m_dir, {"summary", m_file, "--class"});
    EXPECT_EQ(result.status, kExitOk);
    EXPECT_EQ(result.out, "A+=1\nA=0\nA-=0\nB+=0\nB=1\nB-=0\nC+=0\nC=0\nC-=1\nD+=0\nD=0\nD-=0\n"
                          "F=0\naverage=13\nhigh=22\nlow=0\n");

    // Counting only the Test: 20 of 20, 17 of 20, 0 of 0; and C at 73 plays no part.
    const CommandResult excluded =
        RunIn(m_dir, {"summary", "--first-included", "1", "--class", m_file, "--cutoffs",
                      "100,94,90,87,84,80,77,73,70,67,64,60"});
    EXPECT_EQ(excluded.status, kExitOk);
    EXPECT_EQ(excluded.out, "A+=2\nA=0\nA-=0\nB+=0\nB=1\nB-=0\nC+=0\nC=0\nC-=0\nD+=0\nD=0\n"
                            "D-=0\nF=0\naverage=12.3333333333333\nhigh=20\nlow=0\n");
}

TEST_F(SummaryTest, RefusesWhatTheSummaryDialogsWouldNotShow) {
    // No assignments: neither summary can be given.
    CMarkwiseDoc noAssignments;
    noAssignments.AddStudent({"Ann", "Lee", "7", "", "", ""});
    SaveOrFail(m_file, noAssignments);
    for (const char* which : {"--class", "--assignment"}) {
        std::vector<std::string> args = {"summary", m_file, which};
        if (std::string(which) == "--assignment")
            args.push_back("0");
        const CommandResult result = RunIn(m_dir, args);
        EXPECT_EQ(result.status, kExitUsage) << which;
        EXPECT_EQ(result.out, "");
        EXPECT_EQ(result.err, "markwise-cli: " + m_file + ": the class has no assignments\n");
    }

    // Assignments but no students: the class summary has no first total to start from.
    CMarkwiseDoc noStudents;
    noStudents.NewAssignment("Quiz", "", 10);
    SaveOrFail(m_file, noStudents);
    const CommandResult classResult = RunIn(m_dir, {"summary", m_file, "--class"});
    EXPECT_EQ(classResult.status, kExitUsage);
    EXPECT_EQ(classResult.out, "");
    EXPECT_EQ(classResult.err, "markwise-cli: " + m_file + ": the class has no students\n");
    const CommandResult assignmentResult = RunIn(m_dir, {"summary", m_file, "--assignment", "0"});
    EXPECT_EQ(assignmentResult.status, kExitOk);
    EXPECT_NE(assignmentResult.out.find("average=0\n"), std::string::npos);

    // An index one past the last assignment.
    SaveOrFail(m_file, MakeSmallClass());
    const CommandResult outOfRange = RunIn(m_dir, {"summary", m_file, "--assignment", "2"});
    EXPECT_EQ(outOfRange.status, kExitUsage);
    EXPECT_EQ(outOfRange.out, "");
    EXPECT_EQ(outOfRange.err, "markwise-cli: " + m_file +
                                  ": assignment 2 is out of range (the class has 2 assignments)\n");
}

} // namespace
} // namespace markwise::cli::test
