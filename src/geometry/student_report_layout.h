#pragma once

#include "core/cutoffs.h"
#include "geometry/report_lines.h"
#include "geometry/report_print.h"
#include "geometry/report_texts.h"
#include "geometry/sheet_words.h"

#include <optional>
#include <string>
#include <vector>

namespace markwise {

class CMarkwiseDoc;

// Everything the student report reads. student is the class position the window was
// opened on; a position no longer in use shows headings only (no stale slot data).
struct StudentReportInput {
    const CMarkwiseDoc& doc;
    int student;
    const CGradeCutoffs& cutoffs;
    const ReportTexts& texts = EnglishReportTexts();
    const SheetWords& words = EnglishSheetWords();
};

inline constexpr int kStudentReportReservedLines = 7;

bool StudentReportInUse(const StudentReportInput& in);

// "Student report for Last, First"; "Student report for " on a position out of use.
std::string StudentReportHeading(const StudentReportInput& in);

// "a+1: title", received, possible, percent and grade of assignment a. Every assignment is
// listed with its own figures, also those before the first counted one.
std::vector<std::string> StudentAssignmentTexts(const StudentReportInput& in, int a);

// Total received, total possible, percent and grade over the counted assignments, for the
// Received to Grade columns (the title column stays empty).
std::vector<std::string> StudentTotalsTexts(const StudentReportInput& in);

// The window: heading, headers "Title" "Received" "Possible" "Percent" "Grade" at
// x 0/230/330/430/530, one line per assignment, then the totals line; scroll 580 wide.
ReportScreen LayoutStudentReportScreen(const StudentReportInput& in, int rowHeight,
                                       VisibleBand band = {});

// Page page.page of the printout (columns at 0/2530/3630/4730/5830 twips). Every page
// that holds rows ends with the totals line, directly below its last assignment.
ReportPrintout PrintStudentReportPage(const StudentReportInput& in, const PageRequest& page);
// The same from the report's body, which a job printing many pages of one report keeps.
ReportBody StudentReportBody(const StudentReportInput& in, const PageRequest& page);
ReportPrintout PrintStudentReportPage(const StudentReportInput& in, const PageRequest& page,
                                      const ReportBody& body);

// The assignment whose line holds the document point (x, y) (client point plus scroll
// position). Headings, the first row's top pixel line, the totals line and x >= 580 miss.
std::optional<int> StudentReportHitTest(const StudentReportInput& in, int rowHeight, int x, int y);

} // namespace markwise
