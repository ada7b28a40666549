#include "pdf_print.h"

#include "core/atomic_file.h"
#include "core/class_file.h"
#include "core/markwise_doc.h"
#include "core/profile.h"
#include "core/shown_text.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace markwise::pdf {

namespace {

constexpr double kMarginPoints = 10;

struct Sheet {
    double width, height; // points
};
Sheet sheetOf(PaperSize paper) {
    return paper == PaperSize::A4 ? Sheet{595, 842} : Sheet{612, 792};
}
int pixels(double points, int dpi) {
    return int(std::lround(points * dpi / 72.0));
}

} // namespace

PdfPaper PaperOf(const PdfPageSetup& setup, PaperSize localePaper) {
    const Sheet sheet = sheetOf(setup.paper == PaperSize::Locale ? localePaper : setup.paper);
    const int dpi = setup.resolution > 0 ? setup.resolution : 300;
    const double margin = pixels(kMarginPoints, dpi) * 72.0 / dpi;
    return {sheet.width, sheet.height, margin, margin};
}

PageRequest PageRequestOf(const PdfPageSetup& setup, PaperSize localePaper, int lineHeight) {
    const Sheet sheet = sheetOf(setup.paper == PaperSize::Locale ? localePaper : setup.paper);
    const int margin = pixels(kMarginPoints, 300);
    return {pixels(sheet.width, 300) - 2 * margin, pixels(sheet.height, 300) - 2 * margin,
            lineHeight, 1};
}

PaperSize LocalePaper(const char* lcAll, const char* lcMeasurement, const char* lang) {
    const char* name = nullptr;
    for (const char* candidate : {lcAll, lcMeasurement, lang})
        if (candidate != nullptr && *candidate != '\0') {
            name = candidate;
            break;
        }
    if (name == nullptr)
        return PaperSize::A4;
    // language_TERRITORY.codeset@modifier
    const std::string_view locale(name);
    const std::size_t underscore = locale.find('_');
    if (underscore == std::string_view::npos)
        return PaperSize::A4;
    const std::string_view territory = locale.substr(underscore + 1, 2);
    const bool letter = territory == "US" || territory == "LR" || territory == "MM";
    return letter && (locale.size() == underscore + 3 ||
                      std::string_view(".@").find(locale[underscore + 3]) != std::string_view::npos)
               ? PaperSize::Letter
               : PaperSize::A4;
}

PaperSize LocalePaperOfEnvironment() {
    return LocalePaper(std::getenv("LC_ALL"), std::getenv("LC_MEASUREMENT"), std::getenv("LANG"));
}

bool WritePrintoutPdf(const Printout& printout, const PdfPageSetup& setup, PrintFonts& fonts,
                      const std::string& path, std::string& error) {
    const auto fail = [&](const std::string& reason) {
        error = "cannot write " + path + ": " + reason;
        return false;
    };
    std::string target;
    if (const std::string unfit = CheckSaveTarget(path, target); !unfit.empty())
        return fail(unfit);
    const PaperSize localePaper = LocalePaperOfEnvironment();
    PdfDocument document(fonts, PaperOf(setup, localePaper));
    PageRequest request = PageRequestOf(setup, localePaper, fonts.lineHeight());
    for (request.page = 1; request.page <= 0xFFFF; ++request.page) {
        const PrintedPage page = printout(request);
        document.addPage(page.texts);
        if (!page.morePages)
            break;
    }
    const std::string bytes = document.finish();
    std::string saveError;
    if (!WriteFileAtomically(target, bytes.data(), bytes.size(), saveError)) {
        // The sentence without its "Could not save "<file>". ", which fail says already.
        const std::size_t named = saveError.find("\". ");
        return fail(named == std::string::npos ? saveError : saveError.substr(named + 3));
    }
    return true;
}

bool PrintClassToPdf(const ClassPdfRequest& request, const CGradeCutoffs& cutoffs,
                     PrintFonts& fonts, std::string& error) {
    std::string loadError;
    const auto doc = LoadClassFile(request.classFile, loadError);
    if (!doc) {
        error = request.classFile + ": " + loadError;
        return false;
    }
    // The title a window on this file would carry: its file name.
    const std::string title = std::filesystem::path(request.classFile).filename().string();
    const Printout printout = MakePrintout(request.report, *doc, title, cutoffs, request.columns,
                                           error, request.texts, request.words);
    return printout && WritePrintoutPdf(printout, request.setup, fonts, request.pdfFile, error);
}

int RunDesktopPdfPrinting(const DesktopCommandLine& request, const ReportTexts& texts,
                          const SheetWords& words) {
    std::string error;
    auto fonts = PrintFonts::find(error);
    ClassPdfRequest pdf{request.classFile,
                        request.pdfFile,
                        request.report,
                        request.allAssignments ? SheetPrintColumns::All
                                               : SheetPrintColumns::LastThatFit,
                        {request.paper, request.resolution},
                        texts,
                        words};
    if (fonts && PrintClassToPdf(pdf, CProfile().ReadCutoffs(), *fonts, error))
        return 0;
    std::fprintf(stderr, "markwise: %s\n", ShownText(error).c_str());
    return 1;
}

} // namespace markwise::pdf
