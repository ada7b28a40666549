#pragma once

#include "cli_commands.h"

#include <string>
#include <vector>

namespace markwise {
class CProfile;
}

namespace markwise::cli {

// Runs the tool on the arguments after the program name. The profile gives the grade
// cutoffs when --cutoffs is absent. Nothing is written anywhere but -o OUT; the caller
// prints out and err.
CommandResult RunCli(const std::vector<std::string>& args, const CProfile& profile);

} // namespace markwise::cli
