#include "cli_run.h"

#include "core/class_file.h"
#include "core/profile.h"

namespace markwise::cli {

CommandResult RunCli(const std::vector<std::string>& args, const CProfile& profile) {
    Options options;
    std::string error;
    if (!ParseArguments(args, options, error))
        return {kExitUsage, {}, "markwise-cli: " + error + "\n" + std::string(UsageText())};
    if (options.command == Command::Help)
        return {kExitOk, HelpText(), {}};

    std::unique_ptr<CMarkwiseDoc> doc = LoadClassFile(options.file, error);
    if (!doc) // the error names the file
        return {kExitFile, {}, "markwise-cli: " + error + "\n"};
    doc->m_firstIncluded = options.firstIncluded;
    // The profile is read only for cutoffs the command line did not give; each value
    // it could not read is named once.
    std::string warnings;
    CGradeCutoffs cutoffs;
    if (options.cutoffs) {
        cutoffs = *options.cutoffs;
    } else {
        for (const std::string& problem : profile.Problems())
            warnings += "markwise-cli: warning: " + problem + "\n";
        cutoffs = profile.ReadCutoffs();
    }

    CommandResult result;
    switch (options.command) {
    case Command::Grades:
        result = RunGrades(*doc, cutoffs);
        break;
    case Command::Summary:
        result = RunSummary(options, *doc, cutoffs);
        break;
    case Command::Sort:
        result = RunSort(options, *doc);
        break;
    case Command::Resave:
        result = RunResave(options, *doc);
        break;
    case Command::Help:
        break;
    }
    result.err = warnings + result.err;
    return result;
}

} // namespace markwise::cli
