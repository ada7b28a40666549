#pragma once

#include "core/cutoffs.h"
#include "geometry/draw_text.h"
#include "geometry/print_page.h"
#include "geometry/report_texts.h"
#include "geometry/sheet_print_page.h"
#include "geometry/sheet_words.h"

#include <functional>
#include <string>

namespace markwise {

class CMarkwiseDoc;

// One printed page of any printout: texts in twips, y downward from the top of the
// printable area, and what the page says of the printout's length.
struct PrintedPage {
    DrawList texts;
    int pageCount = 1;
    bool morePages = false; // items remain after this page
};

// A printout page by page; every page writer (the print dialog's, the PDF writer) asks it
// the same way, so every output shows the same pages.
using Printout = std::function<PrintedPage(const PageRequest& request)>;

// The printout a `--report` value names: "sheet" (the grade sheet; columns as asked),
// "roster", "progress:CUTOFF" (empty comments), "student:N" (0-based class position) or
// "students" (every student's report, each from a new page). title: the window title a
// class window would carry. The document must outlive the printout and not change meanwhile: what
// its pages share is worked out once. Empty with a one-line reason for anything else.
// texts and words: the language the pages are written in (kept by the printout).
Printout MakePrintout(const std::string& report, const CMarkwiseDoc& doc, const std::string& title,
                      const CGradeCutoffs& cutoffs, SheetPrintColumns columns, std::string& error,
                      const ReportTexts& texts = EnglishReportTexts(),
                      const SheetWords& words = EnglishSheetWords());

} // namespace markwise
