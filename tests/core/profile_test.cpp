#include "core/profile.h"
#include "support/as_other_user.h"
#include "support/temp_folder.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace markwise {
namespace {

using test::ReadText;
using test::TempFolder;

TEST(Profile, DefaultPathFollowsXdgConfigHome) {
    const std::string savedConfig =
        std::getenv("XDG_CONFIG_HOME") ? std::getenv("XDG_CONFIG_HOME") : "";
    const std::string savedHome = std::getenv("HOME") ? std::getenv("HOME") : "";
    ::setenv("XDG_CONFIG_HOME", "/tmp/xdg-here", 1);
    EXPECT_EQ(CProfile::DefaultPath(), "/tmp/xdg-here/Markwise/Markwise.ini");
    ::setenv("XDG_CONFIG_HOME", "", 1);
    ::setenv("HOME", "/home/teacher", 1);
    EXPECT_EQ(CProfile::DefaultPath(), "/home/teacher/.config/Markwise/Markwise.ini");
    ::setenv("XDG_CONFIG_HOME", savedConfig.c_str(), 1);
    ::setenv("HOME", savedHome.c_str(), 1);
}

TEST(Profile, CutoffsReadWithDefaultsAndWrittenKeepingEverythingElse) {
    TempFolder folder;
    CProfile missing(folder.File("none/Markwise.ini"));
    EXPECT_EQ(missing.ReadCutoffs(), CGradeCutoffs());
    EXPECT_TRUE(missing.ReadRecentFiles().empty());

    const std::string path = folder.File("Markwise.ini");
    test::WriteBytes(
        path, "; kept comment\n[Window]\nwidth=800\n\n[Grade Cutoffs]\nA+=95\nA=abc\n"
              "B= 83 \nC-=\nD=12x\nD-=-5\nB+=99999999999\nNote=hand edited\n[Other]\nA-=1\n");
    EXPECT_EQ(CProfile(path).ReadCutoffs().InGradeOrder(),
              (std::array<int, 12>{95, 94, 90, 87, 83, 80, 77, 74, 70, 67, 64, -5}));

    CGradeCutoffs cutoffs;
    cutoffs.m_cutoffAPlus = 99;
    cutoffs.m_cutoffDMinus = 55;
    std::string error;
    ASSERT_TRUE(CProfile(path).WriteCutoffs(cutoffs, &error)) << error;
    EXPECT_EQ(CProfile(path).ReadCutoffs(), cutoffs);
    // Literal keys and plain decimal values a person can edit; the rest of the file stays.
    const std::string text = ReadText(path);
    for (const char* part : {"[Grade Cutoffs]\nA+=99\n", "\nD-=55\n", "; kept comment", "width=800",
                             "Note=hand edited"}) {
        EXPECT_NE(text.find(part), std::string::npos) << part << " in\n" << text;
    }
    const std::string fresh = folder.File("new/Markwise/Markwise.ini");
    ASSERT_TRUE(CProfile(fresh).WriteCutoffs(cutoffs, &error)) << error;
    EXPECT_EQ(CProfile(fresh).ReadCutoffs(), cutoffs);
}

TEST(Profile, RecentFilesKeepFourNewestFirst) {
    TempFolder folder;
    const std::string path = folder.File("Markwise.ini");
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

TEST(Profile, APipeOrProtectedProfileIsReadAtOnceAndNeverReplaced) {
    ::alarm(20); // a read that blocks fails the test instead of hanging it
    TempFolder folder;
    ASSERT_EQ(::chmod(folder.Path().c_str(), 0777), 0);
    const std::string fifo = folder.File("fifo.ini");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0666), 0);
    EXPECT_EQ(CProfile(fifo).ReadCutoffs(), CGradeCutoffs());
    std::string error;
    EXPECT_FALSE(CProfile(fifo).WriteRecentFiles({"/a.MKW"}, &error));
    EXPECT_NE(error.find("not a file"), std::string::npos) << error;
    struct stat info {};
    EXPECT_TRUE(::stat(fifo.c_str(), &info) == 0 && S_ISFIFO(info.st_mode));

    const std::string path = folder.File("Markwise.ini");
    const std::string original = "[Grade Cutoffs]\nA+=95\n";
    test::WriteBytes(path, original);
    ASSERT_EQ(::chmod(path.c_str(), 0444), 0);
    EXPECT_EQ(test::AsUnprivilegedUser([&] {
                  std::string reason;
                  CGradeCutoffs cutoffs;
                  cutoffs.m_cutoffAPlus = 99;
                  const bool refused = !CProfile(path).WriteCutoffs(cutoffs, &reason) &&
                                       reason.find("write-protected") != std::string::npos;
                  return refused && CProfile(path).ReadCutoffs().m_cutoffAPlus == 95 ? 0 : 1;
              }),
              0);
    EXPECT_EQ(ReadText(path), original);
    ::alarm(0);
}

TEST(Profile, MainWindowPlaceInItsOwnSectionKeepingTheOthers) {
    TempFolder folder;
    const std::string path = folder.File("Markwise.ini");
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
