#include "cli_run.h"
#include "core/profile.h"

#include <cstdio>

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    const markwise::cli::CommandResult result = markwise::cli::RunCli(args, markwise::CProfile());

    std::fwrite(result.err.data(), 1, result.err.size(), stderr);
    if (result.status != markwise::cli::kExitOk)
        return result.status;
    if (std::fwrite(result.out.data(), 1, result.out.size(), stdout) != result.out.size() ||
        std::fflush(stdout) != 0) {
        std::fputs("markwise-cli: cannot write to standard output\n", stderr);
        return markwise::cli::kExitFile;
    }
    return markwise::cli::kExitOk;
}
