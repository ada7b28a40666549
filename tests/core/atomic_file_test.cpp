#include "core/atomic_file.h"
#include "core/file_bytes.h"
#include "support/as_other_user.h"
#include "support/temp_folder.h"

#include <algorithm>
#include <fcntl.h>
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

struct AtomicFile : ::testing::Test {
    TempFolder folder;
    std::string error;
};

mode_t ModeOf(const std::string& path) {
    struct stat info {};
    EXPECT_EQ(::lstat(path.c_str(), &info), 0);
    return info.st_mode;
}

TEST_F(AtomicFile, ReplacesOldFilesKeepingTheirPermissionsAndLinks) {
    const std::string path = folder.File("class.mkw");
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

TEST_F(AtomicFile, FailureLeavesTheOldFileAndNoTemporaryFile) {
    // A folder where the file should be: the final rename fails.
    const std::string blocked = folder.File("blocked.mkw");
    ASSERT_EQ(::mkdir(blocked.c_str(), 0755), 0);
    EXPECT_FALSE(Write(blocked, "data", error));
    EXPECT_NE(error.find(blocked), std::string::npos) << error;
    EXPECT_NE(error.find("folder"), std::string::npos) << error;
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"blocked.mkw"});

    // A read-only folder, where permissions count.
    const std::string path = folder.File("class.mkw");
    test::WriteBytes(path, "precious");
    ASSERT_EQ(::chmod(path.c_str(), 0666), 0); // only the folder stands in the way
    ASSERT_EQ(::chmod(folder.Path().c_str(), 0555), 0);
    EXPECT_EQ(test::AsUnprivilegedUser([&] {
                  std::string reason;
                  return !Write(path, "replacement", reason) &&
                                 reason.find("permission") != std::string::npos
                             ? 0
                             : 1;
              }),
              0);
    ASSERT_EQ(::chmod(folder.Path().c_str(), 0755), 0);
    EXPECT_EQ(ReadText(path), "precious");
    EXPECT_EQ(folder.Names().size(), 2u);
}

TEST_F(AtomicFile, OnlyRegularFilesAreReplacedAndEverythingElseIsLeftAsItWas) {
    ::alarm(20); // a save or read that blocks fails the test instead of hanging it
    auto expectRefused = [&](const std::string& path, const std::string& reason) {
        EXPECT_FALSE(Write(path, "replacement", error)) << path;
        EXPECT_NE(error.find(reason), std::string::npos) << error;
    };
    const std::string fifo = folder.File("fifo.mkw");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
    expectRefused(fifo, "not a file");
    EXPECT_TRUE(S_ISFIFO(ModeOf(fifo)));

    // A link to a device: the device stays a device.
    const std::string toNull = folder.File("null.mkw");
    ASSERT_EQ(::symlink("/dev/null", toNull.c_str()), 0);
    expectRefused(toNull, "not a file");
    EXPECT_TRUE(S_ISCHR(ModeOf("/dev/null")));

    const std::string dangling = folder.File("dangling.mkw");
    ASSERT_EQ(::symlink("gone/Period3.MKW", dangling.c_str()), 0);
    expectRefused(dangling, "It is a link to \"gone/Period3.MKW\", which does not exist.");
    EXPECT_TRUE(S_ISLNK(ModeOf(dangling)));
    EXPECT_EQ(folder.Names().size(), 3u); // no temporary left

    // The same kinds of file are refused for reading, at once and with one reason.
    std::vector<unsigned char> bytes;
    std::string reason;
    for (const std::string& path : {fifo, std::string("/dev/zero"), toNull}) {
        EXPECT_FALSE(ReadFileBytes(path, 1 << 20, "any class file", bytes, reason)) << path;
        EXPECT_EQ(reason, "It is a device or a pipe, not a file.");
    }
    EXPECT_FALSE(ReadFileBytes(folder.Path(), 1 << 20, "any class file", bytes, reason));
    EXPECT_EQ(reason, "It is a folder, not a file.");
    ::alarm(0);
}

TEST_F(AtomicFile, WriteProtectedFilesAreRefusedEvenThoughTheFolderIsWritable) {
    ASSERT_EQ(::chmod(folder.Path().c_str(), 0777), 0);
    const std::string path = folder.File("Period3.MKW");
    const std::string secret = folder.File("secret.MKW");
    test::WriteBytes(path, "precious");
    test::WriteBytes(secret, "private");
    ASSERT_EQ(::chmod(path.c_str(), 0444), 0);
    ASSERT_EQ(::chmod(secret.c_str(), 0600), 0);
    // Each failed check sets its own bit, so the report says which.
    const int failures = test::AsUnprivilegedUser([&] {
        std::string error;
        std::vector<unsigned char> bytes;
        int result = 0;
        if (Write(path, "replacement", error) ||
            error.find("The file is write-protected.") == std::string::npos)
            result |= 1;
        if (IsWritable(path) || !IsWritable(folder.File("new.MKW")))
            result |= 2;
        if (ReadFileBytes(secret, 1 << 20, "any class file", bytes, error) ||
            error != "You do not have permission to read it.")
            result |= 4;
        // A new file beside them is still fine.
        if (!Write(folder.File("new.MKW"), "fresh", error))
            result |= 8;
        return result;
    });
    EXPECT_EQ(failures, 0);
    EXPECT_EQ(ReadText(path), "precious");
    EXPECT_EQ(ModeOf(path) & 07777, 0444u);
    EXPECT_EQ(folder.Names().size(), 3u);
}

TEST_F(AtomicFile, SavingRemovesTemporariesThatEndedProcessesLeftBehind) {
    const std::string path = folder.File("Period3.MKW");
    const std::string ended = std::to_string(test::EndedProcessId());
    const std::string running = std::to_string(::getpid());
    for (const std::string& name : std::vector<std::string>{
             ".Period3.MKW." + ended + "-abcd1234.tmp", ".Period3.MKW." + running + "-abcd1234.tmp",
             ".Period4.MKW." + ended + "-abcd1234.tmp", ".Period3.MKW.abcd1234.tmp", "notes.txt"})
        test::WriteBytes(folder.File(name), "left over");
    ASSERT_TRUE(Write(path, "saved", error)) << error;
    std::vector<std::string> names = folder.Names();
    std::sort(names.begin(), names.end());
    // The temporaries of ended processes go, whatever file in the folder they were for.
    EXPECT_EQ(names,
              (std::vector<std::string>{".Period3.MKW." + running + "-abcd1234.tmp",
                                        ".Period3.MKW.abcd1234.tmp", "Period3.MKW", "notes.txt"}));
}

} // namespace
} // namespace markwise
