#pragma once

#include "core/cutoffs.h"
#include "core/desktop_command_line.h"
#include "geometry/printout.h"
#include "pdf_document.h"

#include <string>
#include <string_view>

namespace markwise::pdf {

// The paper a PDF is printed on: the sheet, and the printable area inside margins of
// 10 points, each rounded to whole pixels at the resolution as the desktop toolkit's
// printer rounds them (so a page lands where its printout from the print dialog lands).
struct PdfPageSetup {
    PaperSize paper = PaperSize::Locale;
    int resolution = 300;
};
PdfPaper PaperOf(const PdfPageSetup& setup, PaperSize localePaper);
// The printable area in 300-dpi pixels: the page layouts' width and height.
PageRequest PageRequestOf(const PdfPageSetup& setup, PaperSize localePaper, int lineHeight);

// Letter where the locale's measures are the United States' (United States, Liberia,
// Myanmar), A4 elsewhere; the locale is the first set of LC_ALL, LC_MEASUREMENT, LANG.
PaperSize LocalePaper(const char* lcAll, const char* lcMeasurement, const char* lang);
PaperSize LocalePaperOfEnvironment();

// Writes every page of the printout as a PDF file, saved as every file is (atomically,
// never over a device or a protected file). Texts are UTF-8, as the class holds them.
// False with a one-line reason ("cannot write FILE: why").
bool WritePrintoutPdf(const Printout& printout, const PdfPageSetup& setup, PrintFonts& fonts,
                      const std::string& path, std::string& error);

// What --print-to-pdf and markwise-cli pdf print of one class file.
struct ClassPdfRequest {
    std::string classFile;
    std::string pdfFile;
    std::string report = "sheet";
    SheetPrintColumns columns = SheetPrintColumns::LastThatFit;
    PdfPageSetup setup;
    // The language of the pages' own words and figures; English unless the desktop hands
    // in its translation.
    ReportTexts texts;
    SheetWords words;
};
bool PrintClassToPdf(const ClassPdfRequest& request, const CGradeCutoffs& cutoffs,
                     PrintFonts& fonts, std::string& error);

// `markwise --print-to-pdf OUT FILE ...`, without the desktop toolkit: the process's exit
// status, an error as one line on stderr. texts and words: the desktop's language.
int RunDesktopPdfPrinting(const DesktopCommandLine& request,
                          const ReportTexts& texts = EnglishReportTexts(),
                          const SheetWords& words = EnglishSheetWords());

} // namespace markwise::pdf
