#include "core/atomic_file.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace markwise {
namespace {

using test::ReadText;
using test::TempFolder;

bool Write(const std::string& path, const std::string& text, std::string& error) {
    return WriteFileAtomically(path, text.data(), text.size(), error);
}

mode_t ModeOf(const std::string& path) {
    struct stat info {};
    EXPECT_EQ(::lstat(path.c_str(), &info), 0);
    return info.st_mode;
}

TEST(AtomicFile, ReplacesOldFilesKeepingTheirPermissionsAndLinks) {
    TempFolder folder;
    const std::string path = folder.File("class.mkw");
    std::string error;
    ASSERT_TRUE(Write(path, std::string("new\0data", 8), error)) << error;
    EXPECT_EQ(ReadText(path), std::string("new\0data", 8));
    const mode_t mask = ::umask(0);
    ::umask(mask);
    EXPECT_EQ(ModeOf(path) & 07777, 0666 & ~mask);
    ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
    ASSERT_TRUE(Write(path, "second", error)) << error;
    EXPECT_EQ(ReadText(path), "second");
    EXPECT_EQ(ModeOf(path) & 07777, 0640u);
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"class.mkw"});

    // Saving through a link replaces the file it points to.
    const std::string link = folder.File("link.mkw");
    ASSERT_EQ(::symlink(path.c_str(), link.c_str()), 0);
    ASSERT_TRUE(Write(link, "third", error)) << error;
    EXPECT_TRUE(S_ISLNK(ModeOf(link)));
    EXPECT_EQ(ReadText(path), "third");
}

TEST(AtomicFile, FailureLeavesTheOldFileAndNoTemporaryFile) {
    TempFolder folder;
    std::string error;
    // A folder where the file should be: the final rename fails.
    const std::string blocked = folder.File("blocked.mkw");
    ASSERT_EQ(::mkdir(blocked.c_str(), 0755), 0);
    EXPECT_FALSE(Write(blocked, "data", error));
    EXPECT_NE(error.find(blocked), std::string::npos) << error;
    EXPECT_NE(error.find("folder"), std::string::npos) << error;
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"blocked.mkw"});

    // A read-only folder, where permissions count (not for root).
    if (::geteuid() != 0) {
        const std::string path = folder.File("class.mkw");
        test::WriteBytes(path, "precious");
        ASSERT_EQ(::chmod(folder.Path().c_str(), 0555), 0);
        EXPECT_FALSE(Write(path, "replacement", error));
        EXPECT_NE(error.find("permission"), std::string::npos) << error;
        ASSERT_EQ(::chmod(folder.Path().c_str(), 0755), 0);
        EXPECT_EQ(ReadText(path), "precious");
        EXPECT_EQ(folder.Names().size(), 2u);
    }
}

} // namespace
} // namespace markwise
