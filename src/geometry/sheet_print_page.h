#pragma once

#include "core/cutoffs.h"
#include "core/markwise_doc.h"
#include "geometry/column_fit.h"
#include "geometry/draw_text.h"
#include "geometry/print_page.h"
#include "geometry/sheet_words.h"

#include <map>
#include <string_view>
#include <tuple>

namespace markwise {

// The printed grade sheet, laid out for a PageRequest (print_page.h) in its twips.

// Which assignments the printed grade sheet holds.
enum class SheetPrintColumns {
    LastThatFit, // the last assignments that fit across one page
    All,         // every assignment, in strips as wide as the page
};

struct SheetPrintGeometry {
    int columns = 0;         // assignment columns per page (nCols)
    int linesPerPage = 0;    // student lines per page (L); 0 when none fits
    int pageCount = 0;       // the job's maximum page; 0 with no students (LastThatFit)
    int firstAssignment = 0; // first printed assignment: the last `columns` print (All: 0)
    int strips = 1;          // All: assignments 1..nCols, nCols+1..2 nCols, ... across the class
    int pagesPerStrip = 1;   // All: pages that go through the students once, at least 1
};

// Pagination of the whole job (the request's page does not matter). A page too short for one
// student line (linesPerPage 0, also for lineHeight <= 0) prints as a single page with the title,
// headings, points and descriptions but no students, and the job ends there (All: one such page per
// strip).
//
// All prints the strips one after the other, each paged through the students with the
// same lines per page as the last columns would be; names and headings are on every page,
// the totals block on the last strip's pages only.
SheetPrintGeometry
ComputeSheetPrintGeometry(const CMarkwiseDoc& doc, const PageRequest& request,
                          SheetPrintColumns which = SheetPrintColumns::LastThatFit);

struct SheetPrintPage {
    SheetPrintGeometry geometry;
    int studentLines = 0;   // student lines on this page (R)
    bool morePages = false; // whether pages follow this one (the print loop's continue flag)
    DrawList texts;         // in drawing order
};

// Where the columns of each strip of a printout start, worked out once for all its pages
// (it reads every student). Only for one job over a class that does not change meanwhile.
struct SheetColumnsCache {
    // first assignment, columns, totals printed, printable width
    std::map<std::tuple<int, int, bool, int>, FittedColumns> strips;
};

// The asked page (lower values than 1 print as page 1). `documentTitle` is the window
// title; the page shows it as ReportHeadingTitle does.
SheetPrintPage LayoutSheetPrintPage(const CMarkwiseDoc& doc, const CGradeCutoffs& cutoffs,
                                    std::string_view documentTitle, const PageRequest& request,
                                    SheetPrintColumns which = SheetPrintColumns::LastThatFit,
                                    SheetColumnsCache* cache = nullptr,
                                    const SheetWords& words = EnglishSheetWords());

} // namespace markwise
