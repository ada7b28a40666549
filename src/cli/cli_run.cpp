#include "cli_run.h"

#include "core/class_file.h"
#include "core/profile.h"

namespace markwise::cli {

namespace {

// The command line's cutoffs, else the profile's; each profile value that could not be
// read is named once in warnings.
CGradeCutoffs Cutoffs(const Options& options, const CProfile& profile, std::string& warnings) {
    if (options.cutoffs)
        return *options.cutoffs;
    for (const std::string& problem : profile.Problems())
        warnings += ErrorLine("warning: " + problem);
    return profile.ReadCutoffs();
}

} // namespace

CommandResult RunCli(const std::vector<std::string>& args, const CProfile& profile) {
    Options options;
    std::string error;
    if (!ParseArguments(args, options, error))
        return {kExitUsage, {}, ErrorLine(error) + std::string(UsageText())};
    if (options.command == Command::Help)
        return {kExitOk, HelpText(), {}};
    if (options.command == Command::Version)
        return {kExitOk, VersionText(), {}};

    if (options.command == Command::Import)
        return RunImport(options);
    if (options.command == Command::Pdf) {
        std::string warnings;
        const CGradeCutoffs cutoffs = Cutoffs(options, profile, warnings);
        CommandResult result = RunPdf(options, cutoffs);
        result.err = warnings + result.err;
        return result;
    }
    std::unique_ptr<CMarkwiseDoc> doc = LoadClassFile(options.file, error);
    if (!doc) // the error names the file
        return {kExitFile, {}, ErrorLine(error)};
    doc->m_firstIncluded = options.firstIncluded;

    std::string warnings;
    CommandResult result;
    switch (options.command) {
    case Command::Grades:
        result = RunGrades(*doc, Cutoffs(options, profile, warnings));
        break;
    case Command::Summary:
        result = RunSummary(options, *doc, Cutoffs(options, profile, warnings));
        break;
    case Command::Sort:
        return RunSort(options, *doc);
    case Command::Resave:
        return RunResave(options, *doc);
    case Command::Export:
        return RunExport(options, *doc);
    case Command::Merge:
        return RunMerge(options, *doc);
    case Command::Policy:
        return RunPolicy(options, *doc);
    case Command::Import:
    case Command::Pdf:
    case Command::Help:
    case Command::Version:
        break;
    }
    result.err = warnings + result.err;
    return result;
}

} // namespace markwise::cli
