#include "core/profile.h"
#include "core/user_folders.h"
#include "support/temp_folder.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <optional>
#include <sys/stat.h>

namespace markwise {
namespace {

using test::ReadText;
using test::TempFolder;

struct Profile : ::testing::Test {
    TempFolder folder;
    const std::string path = folder.File("Markwise.ini");
};

TEST(ProfilePath, FoldersFollowTheXdgVariablesAndIgnoreRelativeOnes) {
    const char* names[] = {"XDG_CONFIG_HOME", "XDG_STATE_HOME", "HOME"};
    std::vector<std::optional<std::string>> saved;
    for (const char* name : names)
        saved.push_back(std::getenv(name) ? std::optional<std::string>(std::getenv(name))
                                          : std::nullopt);
    struct Row {
        const char *config, *state; // nullptr: unset
        std::string profile, stateFolder;
    };
    const Row rows[] = {
        {"/tmp/xdg-here", "/tmp/kept", "/tmp/xdg-here/Markwise", "/tmp/kept/Markwise"},
        {"", "", "/home/teacher/.config/Markwise", "/home/teacher/.local/state/Markwise"},
        {nullptr, nullptr, "/home/teacher/.config/Markwise", "/home/teacher/.local/state/Markwise"},
        {"relative/cfg", "state", "/home/teacher/.config/Markwise",
         "/home/teacher/.local/state/Markwise"},
    };
    ::setenv("HOME", "/home/teacher", 1);
    for (const Row& row : rows) {
        const char* values[] = {row.config, row.state};
        for (int i = 0; i < 2; ++i) {
            if (values[i])
                ::setenv(names[i], values[i], 1);
            else
                ::unsetenv(names[i]);
        }
        EXPECT_EQ(XdgUserFolder(UserFolder::Profile), row.profile) << row.profile;
        EXPECT_EQ(XdgUserFolder(UserFolder::State), row.stateFolder) << row.stateFolder;
        EXPECT_EQ(CProfile::DefaultPath(), row.profile + "/Markwise.ini");
    }
    for (std::size_t i = 0; i < saved.size(); ++i) {
        if (saved[i])
            ::setenv(names[i], saved[i]->c_str(), 1);
        else
            ::unsetenv(names[i]);
    }
}

TEST_F(Profile, CutoffsReadWithDefaultsAndWrittenKeepingEverythingElse) {
    CProfile missing(folder.File("none/Markwise.ini"));
    EXPECT_EQ(missing.ReadCutoffs(), CGradeCutoffs());
    EXPECT_TRUE(missing.ReadRecentFiles().empty());
    test::WriteBytes(
        path, "; kept comment\n[Window]\nwidth=800\n\n[Grade Cutoffs]\nA+=95\nA=abc\n"
              "B= 83 \nC-=\nD=12x\nD-=-5\nB+=99999999999\nNote=hand edited\n[Other]\nA-=1\n");
    EXPECT_EQ(CProfile(path).ReadCutoffs().InGradeOrder(),
              (std::array<int, 12>{95, 94, 90, 87, 83, 80, 77, 74, 70, 67, 64, -5}));

    CGradeCutoffs cutoffs;
    cutoffs.m_cutoffAPlus = 99;
    cutoffs.m_cutoffDMinus = 55;
    std::string error;
    ASSERT_TRUE(CProfile(path).WriteCutoffs(cutoffs, CProfile::Write::Confirmed, &error)) << error;
    EXPECT_EQ(CProfile(path).ReadCutoffs(), cutoffs);
    // Literal keys and plain decimal values a person can edit; the rest of the file stays.
    const std::string text = ReadText(path);
    for (const char* part : {"[Grade Cutoffs]\nA+=99\n", "\nD-=55\n", "; kept comment", "width=800",
                             "Note=hand edited"}) {
        EXPECT_NE(text.find(part), std::string::npos) << part << " in\n" << text;
    }
    const std::string fresh = folder.File("new/Markwise/Markwise.ini");
    ASSERT_TRUE(CProfile(fresh).WriteCutoffs(cutoffs, CProfile::Write::Confirmed, &error)) << error;
    EXPECT_EQ(CProfile(fresh).ReadCutoffs(), cutoffs);
}

TEST_F(Profile, RecentFilesKeepFourNewestFirst) {
    CProfile profile(path);
    std::string error;
    ASSERT_TRUE(profile.WriteRecentFiles(
        {"/a/1.MKW", "/b/2.MKW", "/c/3.MKW", "/d/4.MKW", "/e/5.MKW"}, &error))
        << error;
    EXPECT_EQ(profile.ReadRecentFiles(),
              (std::vector<std::string>{"/a/1.MKW", "/b/2.MKW", "/c/3.MKW", "/d/4.MKW"}));
    ASSERT_TRUE(profile.WriteRecentFiles({"/x/Only.MKW"}, &error)) << error;
    EXPECT_EQ(ReadText(path).find("File2"), std::string::npos) << ReadText(path);
    test::WriteBytes(path, "[Recent File List]\nFile1=\nFile2=/kept.MKW\nFile4=/last.MKW\n");
    EXPECT_EQ(profile.ReadRecentFiles(), (std::vector<std::string>{"/kept.MKW", "/last.MKW"}));
}

TEST_F(Profile, APipeIsReadAtOnceAndNeverReplaced) {
    ::alarm(20); // a read that blocks fails the test instead of hanging it
    const std::string fifo = folder.File("fifo.ini");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0666), 0);
    EXPECT_EQ(CProfile(fifo).ReadCutoffs(), CGradeCutoffs());
    std::string error;
    EXPECT_FALSE(CProfile(fifo).WriteRecentFiles({"/a.MKW"}, &error));
    EXPECT_NE(error.find("not a regular file"), std::string::npos) << error;
    struct stat info {};
    EXPECT_EQ(::stat(fifo.c_str(), &info), 0);
    EXPECT_TRUE(S_ISFIFO(info.st_mode));
    ::alarm(0);
}

// What the program could not read is named, never written back behind the teacher's back;
// only a confirmed write replaces such a file, and then keeps every other section whole.
TEST_F(Profile, BadValuesAreNamedAndTheFileKeptUntilAConfirmedWrite) {
    const std::string bad = "[Grade Cutoffs]\nA+=abc\nA=NaN\nB=1e308\nC=\nD=61\n"
                            "[Recent File List]\nFile1=/a.MKW\n";
    test::WriteBytes(path, bad);
    const CProfile profile(path);
    const std::vector<std::string> problems = profile.Problems();
    ASSERT_EQ(problems.size(), 4u);
    EXPECT_EQ(problems[0], "The grade cutoff A+ in the settings (\"abc\") is not a whole number; "
                           "the default 100 is used.");
    EXPECT_NE(problems[2].find("cutoff B in the settings (\"1e308\")"), std::string::npos);
    EXPECT_EQ(profile.ReadCutoffs().m_cutoffD, 61);
    EXPECT_EQ(profile.ReadCutoffs().m_cutoffAPlus, 100);

    std::string error;
    EXPECT_FALSE(profile.WriteRecentFiles({"/b.MKW"}, &error));
    EXPECT_FALSE(profile.WriteCutoffs(CGradeCutoffs(), CProfile::Write::Automatic, &error));
    EXPECT_NE(error.find("left as it is"), std::string::npos) << error;
    EXPECT_EQ(ReadText(path), bad);

    CGradeCutoffs chosen;
    chosen.m_cutoffD = 65;
    ASSERT_TRUE(profile.WriteCutoffs(chosen, CProfile::Write::Confirmed, &error)) << error;
    EXPECT_TRUE(profile.Problems().empty());
    EXPECT_EQ(profile.ReadCutoffs(), chosen);
    EXPECT_EQ(profile.ReadRecentFiles(), std::vector<std::string>{"/a.MKW"});
}

TEST_F(Profile, NulBytesAndOversizedFiles) {
    using namespace std::string_literals;
    const std::string withNul =
        "[Window]\nname=a\0b\n[Grade Cutoffs]\nA+=98\n[Recent File List]\nFile1=/kept.MKW\n"s;
    test::WriteBytes(path, withNul);
    const CProfile profile(path);
    ASSERT_EQ(profile.Problems().size(), 1u);
    EXPECT_NE(profile.Problems()[0].find("NUL"), std::string::npos);
    // Everything after the NUL is still read, and a confirmed write keeps it.
    EXPECT_EQ(profile.ReadCutoffs().m_cutoffAPlus, 98);
    EXPECT_FALSE(profile.WriteRecentFiles({"/new.MKW"}));
    EXPECT_EQ(ReadText(path), withNul);
    ASSERT_TRUE(profile.WriteCutoffs(CGradeCutoffs(), CProfile::Write::Confirmed));
    EXPECT_EQ(profile.ReadRecentFiles(), std::vector<std::string>{"/kept.MKW"});
    EXPECT_NE(ReadText(path).find("[Window]\nname=a b\n"), std::string::npos) << ReadText(path);

    // One byte over the cap: ignored whole, with one problem, and left alone.
    const std::string big =
        "[Grade Cutoffs]\nA+=50\n;" + std::string(CProfile::kMaxBytes - 23, 'x') + "\n";
    ASSERT_EQ(big.size(), CProfile::kMaxBytes + 1);
    test::WriteBytes(path, big);
    ASSERT_EQ(profile.Problems().size(), 1u);
    EXPECT_NE(profile.Problems()[0].find("larger than 1 MiB"), std::string::npos);
    EXPECT_EQ(profile.ReadCutoffs(), CGradeCutoffs());
    EXPECT_FALSE(profile.WriteRecentFiles({"/new.MKW"}));
    EXPECT_EQ(ReadText(path), big);
    test::WriteBytes(path, big.substr(0, big.size() - 2) + "\n");
    EXPECT_TRUE(profile.Problems().empty());
    EXPECT_EQ(profile.ReadCutoffs().m_cutoffAPlus, 50);
}

TEST_F(Profile, MainWindowPlaceInItsOwnSectionKeepingTheOthers) {
    test::WriteBytes(path, "[Grade Cutoffs]\nA+=95\n[Main Window]\nLeft=5\nTop=x\n");
    CProfile profile(path);
    EXPECT_FALSE(profile.ReadMainWindow()) << "a place with a broken key is no place";
    ASSERT_TRUE(profile.WriteMainWindow({-20, 30, 800, 600}));
    EXPECT_EQ(profile.ReadMainWindow(), (WindowRect{-20, 30, 800, 600}));
    EXPECT_EQ(profile.ReadCutoffs().m_cutoffAPlus, 95);
    const std::string text = ReadText(path);
    EXPECT_NE(text.find("[Main Window]\nLeft=-20\nTop=30\nWidth=800\nHeight=600"),
              std::string::npos)
        << text;
    ASSERT_TRUE(profile.WriteMainWindow({0, 0, 0, 600}));
    EXPECT_FALSE(profile.ReadMainWindow()) << "no window is zero pixels wide";
}

} // namespace
} // namespace markwise
