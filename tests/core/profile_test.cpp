#include "core/profile.h"
#include "support/temp_folder.h"

#include <cstdlib>
#include <gtest/gtest.h>

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

TEST(Profile, MissingFileKeysAndJunkValuesGiveTheDefaults) {
    TempFolder folder;
    const std::array<int, 12> defaults = {100, 94, 90, 87, 84, 80, 77, 74, 70, 67, 64, 60};
    CProfile missing(folder.File("none/Markwise.ini"));
    EXPECT_EQ(missing.ReadCutoffs().InGradeOrder(), defaults);
    EXPECT_TRUE(missing.ReadRecentFiles().empty());

    const std::string path = folder.File("Markwise.ini");
    test::WriteBytes(path, "[Grade Cutoffs]\nA+=95\nA=abc\nB= 83 \nC-=\nD=12x\nD-=-5\n"
                           "B+=99999999999\n[Other]\nA-=1\n");
    EXPECT_EQ(CProfile(path).ReadCutoffs().InGradeOrder(),
              (std::array<int, 12>{95, 94, 90, 87, 83, 80, 77, 74, 70, 67, 64, -5}));
}

TEST(Profile, WritingCutoffsKeepsEverythingElseAndReadsBack) {
    TempFolder folder;
    const std::string fresh = folder.File("new/Markwise/Markwise.ini");
    CGradeCutoffs cutoffs;
    cutoffs.m_cutoffAPlus = 95;
    cutoffs.m_cutoffDMinus = 55;
    std::string error;
    ASSERT_TRUE(CProfile(fresh).WriteCutoffs(cutoffs, &error)) << error;
    // Literal keys and plain decimal values a person can edit.
    const std::string text = ReadText(fresh);
    EXPECT_NE(text.find("[Grade Cutoffs]\nA+=95\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\nD-=55\n"), std::string::npos) << text;
    EXPECT_EQ(CProfile(fresh).ReadCutoffs(), cutoffs);

    const std::string existing = folder.File("Markwise.ini");
    test::WriteBytes(existing, "; kept comment\n[Window]\nwidth=800\n\n[Grade Cutoffs]\n"
                               "A+=1\nNote=hand edited\n");
    ASSERT_TRUE(CProfile(existing).WriteCutoffs(cutoffs, &error)) << error;
    const std::string merged = ReadText(existing);
    for (const char* kept : {"; kept comment", "width=800", "Note=hand edited"}) {
        EXPECT_NE(merged.find(kept), std::string::npos) << kept << "\n" << merged;
    }
    EXPECT_EQ(merged.find("A+=1\n"), std::string::npos) << merged;
    EXPECT_EQ(CProfile(existing).ReadCutoffs(), cutoffs);
}

TEST(Profile, RecentFilesKeepFourNewestFirst) {
    TempFolder folder;
    const std::string path = folder.File("Markwise.ini");
    CProfile profile(path);
    std::string error;
    ASSERT_TRUE(profile.WriteRecentFiles(
        {"/a/One.MKW", "/b/Two.MKW", "/c/Three.MKW", "/d/Four.MKW", "/e/Five.MKW"}, &error))
        << error;
    EXPECT_EQ(profile.ReadRecentFiles(), (std::vector<std::string>{"/a/One.MKW", "/b/Two.MKW",
                                                                   "/c/Three.MKW", "/d/Four.MKW"}));
    ASSERT_TRUE(profile.WriteRecentFiles({"/x/Only.MKW"}, &error)) << error;
    EXPECT_EQ(ReadText(path).find("File2"), std::string::npos) << ReadText(path);

    test::WriteBytes(path, "[Recent File List]\nFile1=\nFile2=/kept.MKW\nFile4=/last.MKW\n");
    EXPECT_EQ(profile.ReadRecentFiles(), (std::vector<std::string>{"/kept.MKW", "/last.MKW"}));
}

} // namespace
} // namespace markwise
