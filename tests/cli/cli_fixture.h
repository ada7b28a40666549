#pragma once

// What the command-line tests share: a folder with a class file, and the tool run in-process.
#include "cli/cli_run.h"
#include "core/class_file.h"
#include "core/profile.h"
#include "support/class_builder.h"
#include "support/temp_folder.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <span>
#include <string>
#include <tuple>
#include <vector>

namespace markwise::cli::test {

using Args = std::vector<std::string>;
// Arguments, the status they must end with, and a part of what stderr must say.
using FailureCase = std::tuple<Args, int, std::string>;

inline bool Has(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

struct CliFixture : ::testing::Test {
    markwise::test::TempFolder dir;
    std::string file = dir.File("class.mkw");
    std::string out = dir.File("out.mkw");

    void Save(const CMarkwiseDoc& doc) {
        std::string error;
        ASSERT_TRUE(SaveClassFile(file, doc, error)) << error;
    }
    // The tool in-process, with a profile of its own (absent: default cutoffs).
    CommandResult Run(const Args& args) { return RunCli(args, CProfile(dir.File("profile.ini"))); }
    // Each case fails as it should: nothing on stdout, and a file failure in one line.
    void ExpectFailures(std::span<const FailureCase> cases) {
        for (const auto& [args, status, message] : cases) {
            SCOPED_TRACE(::testing::PrintToString(args));
            const CommandResult result = Run(args);
            EXPECT_EQ(result.status, status);
            EXPECT_EQ(result.out, "");
            EXPECT_TRUE(Has(result.err, message)) << result.err;
            if (status == kExitFile) {
                EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1) << result.err;
            }
        }
    }
};

} // namespace markwise::cli::test
