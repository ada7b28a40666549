#pragma once

#include "geometry/report_lines.h"
#include "geometry/report_print.h"
#include "geometry/report_texts.h"

#include <optional>
#include <string>
#include <vector>

namespace markwise {

class CMarkwiseDoc;

inline constexpr int kRosterReservedLines = 5;

// "Class roster for <title>" (the title without its ".MKW"-style ending).
std::string RosterHeading(const std::string& documentTitle,
                          const ReportTexts& texts = EnglishReportTexts());

// Name (always "Last, First"), ID, grade level, book number and phone of student s.
std::vector<std::string> RosterRowTexts(const CMarkwiseDoc& doc, int s);

// The window: heading, headers "Name" "ID" "Grade" "Book#" "Phone#" at x 0/200/300/360/430
// and one line per student, each rowHeight pixels high; scroll 580 wide.
ReportScreen LayoutRosterScreen(const CMarkwiseDoc& doc, const std::string& documentTitle,
                                int rowHeight, VisibleBand band = {},
                                const ReportTexts& texts = EnglishReportTexts());

// Page page.page of the printout (columns at 0/2530/3850/4620/5500 twips).
ReportPrintout PrintRosterPage(const CMarkwiseDoc& doc, const std::string& documentTitle,
                               const PageRequest& page,
                               const ReportTexts& texts = EnglishReportTexts());

// The student whose line holds the document point (x, y) (client point plus scroll
// position). The first student's top pixel line and anything right of x = 580 miss.
std::optional<int> RosterHitTest(const CMarkwiseDoc& doc, int rowHeight, int x, int y);

} // namespace markwise
