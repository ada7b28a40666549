#pragma once

#include "cli/cli_run.h"
#include "core/class_file.h"
#include "core/markwise_doc.h"
#include "core/profile.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <stdlib.h> // mkdtemp
#include <string>
#include <vector>

namespace markwise::cli::test {

// A fresh folder under the system's temporary folder, removed with everything in it.
class TempDir {
public:
    TempDir() {
        std::string pattern = (std::filesystem::temp_directory_path() / "markwise-cli-XXXXXX");
        if (mkdtemp(pattern.data()) == nullptr)
            ADD_FAILURE() << "cannot create a temporary folder";
        m_path = pattern;
    }
    ~TempDir() {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    std::string File(const std::string& name) const { return (m_path / name).string(); }

private:
    std::filesystem::path m_path;
};

inline std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

inline void SaveOrFail(const std::string& path, const CMarkwiseDoc& doc) {
    std::string error;
    ASSERT_TRUE(SaveClassFile(path, doc, error)) << error;
}

inline std::unique_ptr<CMarkwiseDoc> LoadOrFail(const std::string& path) {
    std::string error;
    auto doc = LoadClassFile(path, error);
    EXPECT_TRUE(doc) << error;
    return doc;
}

// Three students, two assignments (Quiz, 10 points; Test, 20 points):
//   slot 0  Smith, Jr. / Bob "Bobby" (1001)   2, 20    22 of 30
//   slot 1  Dupont / Ren\xE9 (1002)            N/A, 17  17 of 20
//   slot 2  Lee / Ann (7)                      N/A, N/A  0 of 0
inline CMarkwiseDoc MakeSmallClass() {
    CMarkwiseDoc doc;
    doc.AddStudent({"Bob \"Bobby\"", "Smith, Jr.", "1001", "", "", "10"});
    doc.AddStudent({"Ren\xE9", "Dupont", "1002", "", "", "9"});
    doc.AddStudent({"Ann", "Lee", "7", "", "", "9"});
    doc.NewAssignment("Quiz", "", 10);
    doc.NewAssignment("Test", "", 20);
    doc.m_assignments[0].SetScore(2, 0);
    doc.m_assignments[1].SetScore(20, 0);
    doc.m_assignments[1].SetScore(17, 1);
    return doc;
}

// Runs the tool in-process with a profile of its own in dir (absent: default cutoffs).
inline CommandResult RunIn(const TempDir& dir, const std::vector<std::string>& args) {
    return RunCli(args, CProfile(dir.File("profile.ini")));
}

// Expects bad usage: status 1, the usage text on stderr, nothing on stdout.
inline void ExpectUsageError(const CommandResult& result) {
    EXPECT_EQ(result.status, kExitUsage);
    EXPECT_EQ(result.out, "");
    EXPECT_NE(result.err.find("Usage:"), std::string::npos) << result.err;
}

} // namespace markwise::cli::test
