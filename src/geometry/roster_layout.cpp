#include "geometry/roster_layout.h"

#include "core/markwise_doc.h"
#include "geometry/report_title.h"

#include <array>

namespace markwise {

namespace {

constexpr std::array<int, 5> kScreenColumns = {0, 200, 300, 360, 430};
constexpr std::array<int, 5> kPaperColumns = {0, 2530, 3850, 4620, 5500};
constexpr std::array<std::string_view, 5> kHeaders = {"Name", "ID", "Grade", "Book#", "Phone#"};
constexpr int kScreenWidth = 580;

} // namespace

std::string RosterHeading(const std::string& documentTitle) {
    return "Class roster for " + ReportHeadingTitle(documentTitle);
}

std::vector<std::string> RosterRowTexts(const CMarkwiseDoc& doc, int s) {
    if (s < 0 || s >= doc.StudentsInUse()) {
        return {};
    }
    return {doc.GetFullName(s), doc.m_studentId[s], doc.m_gradeLevel[s], doc.m_bookNumber[s],
            doc.m_phone[s]};
}

ReportScreen LayoutRosterScreen(const CMarkwiseDoc& doc, const std::string& documentTitle,
                                int rowHeight, VisibleBand band) {
    return LayoutReportScreen(rowHeight, band, kScreenWidth, RosterHeading(documentTitle),
                              ReportColumns{kScreenColumns, kHeaders}, doc.StudentsInUse(),
                              [&doc](int s) { return RosterRowTexts(doc, s); });
}

ReportPrintout PrintRosterPage(const CMarkwiseDoc& doc, const std::string& documentTitle,
                               const PageRequest& page) {
    return PrintReportPage(page, kRosterReservedLines, doc.StudentsInUse(),
                           RosterHeading(documentTitle), ReportColumns{kPaperColumns, kHeaders},
                           [&doc](int s) { return RosterRowTexts(doc, s); });
}

std::optional<int> RosterHitTest(const CMarkwiseDoc& doc, int rowHeight, int x, int y) {
    if (rowHeight <= 0 || y <= 2 * rowHeight || x > kScreenWidth) {
        return std::nullopt;
    }
    const int row = y / rowHeight - 2;
    if (row >= doc.StudentsInUse()) {
        return std::nullopt;
    }
    return row;
}

} // namespace markwise
