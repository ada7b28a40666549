#pragma once

#include "core/cutoffs.h"
#include "geometry/progress_report_state.h"
#include "geometry/report_lines.h"
#include "geometry/report_print.h"
#include "geometry/report_texts.h"

#include <string>

namespace markwise {

class CMarkwiseDoc;

// Everything the progress report list reads; the document and state outlive the call.
// Percents and grades come from the current scores, under the application's cutoffs.
struct ProgressReportInput {
    const CMarkwiseDoc& doc;
    const ProgressReportState& state;
    const CGradeCutoffs& cutoffs;
    const std::string& documentTitle; // the heading drops a ".MKW"-style ending
    const ReportTexts& texts = EnglishReportTexts();
};

// The search: every student whose percent is at or below cutoff (plain comparison), in
// class order, becomes the report's found list; each comment stays with its student.
void FindProgressStudents(const CMarkwiseDoc& doc, double cutoff, ProgressReportState& report);

inline constexpr int kProgressReservedLines = 6;

// "Progress Report List for <title>   Cut-off = 70%".
std::string ProgressHeading(const ProgressReportInput& in);

// Name or ID, percent, grade and comment of found-list entry k. A class position no longer
// in use shows only its comment.
std::vector<std::string> ProgressRowTexts(const ProgressReportInput& in, int k);

// The window: heading, column headers at x 0/200/300/400 and one row per found student,
// each line rowHeight pixels high (text height + external leading); scroll 600 wide.
ReportScreen LayoutProgressScreen(const ProgressReportInput& in, int rowHeight,
                                  VisibleBand band = {});

// Page page.page of the printout (headers at 0/2530/3630/4730 twips).
ReportPrintout PrintProgressPage(const ProgressReportInput& in, const PageRequest& page);

} // namespace markwise
