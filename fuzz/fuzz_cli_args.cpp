// Any argument list (the input split at NUL bytes): the parser accepts it or says in one
// line what is wrong, and what it accepts is within the class's capacities.
#include "cli/cli_args.h"
#include "cli/cli_commands.h"
#include "core/capacity.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string> args(1);
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == 0) {
            args.emplace_back();
        } else {
            args.back().push_back(static_cast<char>(data[i]));
        }
    }
    markwise::cli::Options options;
    std::string error;
    if (!markwise::cli::ParseArguments(args, options, error)) {
        // One line as printed: arguments in it show their control characters as "?".
        const std::string line = markwise::cli::ErrorLine(error);
        if (error.empty() || line.find('\n') != line.size() - 1) {
            std::abort();
        }
        return 0;
    }
    if (options.firstIncluded < 0 || options.assignment < -1 || options.student < -1) {
        std::abort();
    }
    return 0;
}
