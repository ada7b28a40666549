// Any bytes as the profile: reading never fails hard, and a profile read without a
// problem writes back (an automatic write) to one that reads the same.
#include "core/profile.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

std::string Folder() {
    // Memory-backed where there is one: every input is a file write and a read.
    const std::filesystem::path base =
        std::filesystem::exists("/dev/shm") ? "/dev/shm" : std::filesystem::temp_directory_path();
    return (base / ("markwise-fuzz-profile-" + std::to_string(::getpid()))).string();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::string folder = Folder();
    std::filesystem::create_directories(folder);
    const std::string path = folder + "/Markwise.ini";
    if (std::FILE* file = std::fopen(path.c_str(), "wb")) {
        std::fwrite(data, 1, size, file);
        std::fclose(file);
    } else {
        std::abort();
    }
    const markwise::CProfile profile(path);
    const std::vector<std::string> problems = profile.Problems();
    const markwise::CGradeCutoffs cutoffs = profile.ReadCutoffs();
    const std::vector<std::string> recent = profile.ReadRecentFiles();
    if (recent.size() > markwise::CProfile::kRecentFileCount) {
        std::abort();
    }
    std::string error;
    const bool written = profile.WriteRecentFiles(recent, &error);
    if (written != problems.empty()) {
        std::abort(); // only a profile read whole is ever rewritten on its own
    }
    if (written && (!profile.Problems().empty() || profile.ReadCutoffs() != cutoffs ||
                    profile.ReadRecentFiles() != recent)) {
        std::abort();
    }
    return 0;
}
