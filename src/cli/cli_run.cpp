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

    if (options.command == Command::Import)
        return RunImport(options);
    std::unique_ptr<CMarkwiseDoc> doc = LoadClassFile(options.file, error);
    if (!doc) // the error names the file
        return {kExitFile, {}, "markwise-cli: " + error + "\n"};
    doc->m_firstIncluded = options.firstIncluded;
    const CGradeCutoffs cutoffs = options.cutoffs ? *options.cutoffs : profile.ReadCutoffs();

    switch (options.command) {
    case Command::Grades:
        return RunGrades(*doc, cutoffs);
    case Command::Summary:
        return RunSummary(options, *doc, cutoffs);
    case Command::Sort:
        return RunSort(options, *doc);
    case Command::Resave:
        return RunResave(options, *doc);
    case Command::Export:
        return RunExport(options, *doc);
    case Command::Merge:
        return RunMerge(options, *doc);
    case Command::Import:
    case Command::Help:
        break;
    }
    return {};
}

} // namespace markwise::cli
