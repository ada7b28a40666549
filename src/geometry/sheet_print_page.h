#pragma once

#include "core/cutoffs.h"
#include "core/markwise_doc.h"
#include "geometry/draw_text.h"

#include <string_view>

namespace markwise {

// The printed grade sheet, in twips with y growing downward from the top of the
// printable area: line k is at y = k * lineHeight.
//
// Contract with the printing code, so that a page fits its printable area at
// any printer resolution and a 300-dpi page comes out exactly as designed:
// - width and height are the printable area in 300-dpi pixels (inches x 300),
//   whatever the printer's real resolution;
// - lineHeight is height + external leading of the page font ("Courier New",
//   modern family, weight 400) at a character height of 200 pixels at 300 dpi,
//   measured in those 300-dpi pixels, and is used unchanged as a distance in twips;
// - the texts are drawn in that font at a character height of 200 twips, each
//   at its (x, y) in twips, converted to device units by dpi / 1440.
struct SheetPrintArea {
    int width = 0;
    int height = 0;
    int lineHeight = 0;
};

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

// Pagination of the whole job. A page too short for one student line
// (linesPerPage 0, also for lineHeight <= 0) prints as a single page with the
// title, headings, points and descriptions but no students, and the job ends there
// (All: one such page per strip).
//
// All prints the strips one after the other, each paged through the students with the
// same lines per page as the last columns would be; names and headings are on every page,
// the totals block on the last strip's pages only.
SheetPrintGeometry
ComputeSheetPrintGeometry(const CMarkwiseDoc& doc, const SheetPrintArea& area,
                          SheetPrintColumns which = SheetPrintColumns::LastThatFit);

struct SheetPrintPage {
    SheetPrintGeometry geometry;
    int studentLines = 0;   // student lines on this page (R)
    bool morePages = false; // whether pages follow this one (the print loop's continue flag)
    DrawList texts;         // in drawing order
};

// Page `page` (counted from 1; lower values print as page 1). `documentTitle`
// is the window title; the page shows it as ReportHeadingTitle does.
SheetPrintPage LayoutSheetPrintPage(const CMarkwiseDoc& doc, const CGradeCutoffs& cutoffs,
                                    std::string_view documentTitle, const SheetPrintArea& area,
                                    int page,
                                    SheetPrintColumns which = SheetPrintColumns::LastThatFit);

} // namespace markwise
