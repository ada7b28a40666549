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

struct SheetPrintGeometry {
    int columns = 0;         // assignment columns per page (nCols)
    int linesPerPage = 0;    // student lines per page (L); 0 when none fits
    int pageCount = 0;       // the job's maximum page; 0 with no students
    int firstAssignment = 0; // first printed assignment: the last `columns` print
};

// Pagination of the whole job. A page too short for one student line
// (linesPerPage 0, also for lineHeight <= 0) prints as a single page with the
// title, headings, points and descriptions but no students, and the job ends there.
SheetPrintGeometry ComputeSheetPrintGeometry(const CMarkwiseDoc& doc, const SheetPrintArea& area);

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
                                    int page);

} // namespace markwise
