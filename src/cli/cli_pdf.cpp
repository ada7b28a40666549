#include "cli_commands.h"
#include "pdf/pdf_print.h"

#include <filesystem>
#include <set>

namespace markwise::cli {

CommandResult RunPdf(const Options& options, const CGradeCutoffs& cutoffs) {
    CommandResult result;
    std::string error;
    auto fonts = pdf::PrintFonts::find(error);
    if (!fonts)
        return {kExitFile, {}, ErrorLine(error)};
    std::set<std::string> names;
    for (const std::string& classFile : options.classes) {
        const std::string name = std::filesystem::path(classFile).stem().string() + ".pdf";
        const std::string pdfFile = (std::filesystem::path(options.output) / name).string();
        error.clear();
        if (!names.insert(name).second)
            error = classFile + ": an earlier class is printed as " + pdfFile + " already";
        else
            pdf::PrintClassToPdf(
                {classFile,
                 pdfFile,
                 options.report,
                 options.allAssignments ? SheetPrintColumns::All : SheetPrintColumns::LastThatFit,
                 {options.paper, 300},
                 // Like every output of the command line: English, whatever the locale.
                 EnglishReportTexts(),
                 EnglishSheetWords()},
                cutoffs, *fonts, error);
        if (!error.empty()) {
            result.status = kExitFile;
            result.err += ErrorLine(error);
        }
    }
    return result;
}

} // namespace markwise::cli
