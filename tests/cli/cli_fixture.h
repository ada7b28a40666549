#pragma once

// What the command-line tests share: a folder with a class file, and the tool run in-process.
#include "cli/cli_run.h"
#include "core/class_file.h"
#include "core/profile.h"
#include "support/class_builder.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace markwise::cli::test {

using Args = std::vector<std::string>;

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
};

} // namespace markwise::cli::test
