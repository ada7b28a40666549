#include "geometry/roster_layout.h"

#include "core/markwise_doc.h"
#include "geometry/report_title.h"

#include <array>

namespace markwise {

namespace {

constexpr std::array<int, 5> kScreenColumns = {0, 200, 300, 360, 430};
constexpr std::array<int, 5> kPaperColumns = {0, 2530, 3850, 4620, 5500};
std::array<std::string_view, 5> Headers(const ReportTexts& texts) {
    const auto& h = texts.rosterHeaders;
    return {h[0], h[1], h[2], h[3], h[4]};
}
constexpr int kScreenWidth = 580;

} // namespace

std::string RosterHeading(const std::string& documentTitle, const ReportTexts& texts) {
    return FillInReportText(texts.rosterFor, ReportHeadingTitle(documentTitle));
}

std::vector<std::string> RosterRowTexts(const CMarkwiseDoc& doc, int s) {
    if (s < 0 || s >= doc.StudentsInUse()) {
        return {};
    }
    return {doc.GetFullName(s), doc.m_studentId[s], doc.m_gradeLevel[s], doc.m_bookNumber[s],
            doc.m_phone[s]};
}

ReportScreen LayoutRosterScreen(const CMarkwiseDoc& doc, const std::string& documentTitle,
                                int rowHeight, VisibleBand band, const ReportTexts& texts) {
    const auto headers = Headers(texts);
    return LayoutReportScreen(rowHeight, band, kScreenWidth, RosterHeading(documentTitle, texts),
                              ReportColumns{kScreenColumns, headers}, doc.StudentsInUse(),
                              [&doc](int s) { return RosterRowTexts(doc, s); });
}

ReportPrintout PrintRosterPage(const CMarkwiseDoc& doc, const std::string& documentTitle,
                               const PageRequest& page, const ReportTexts& texts) {
    const auto headers = Headers(texts);
    return PrintReportPage(
        page, kRosterReservedLines, doc.StudentsInUse(), RosterHeading(documentTitle, texts),
        ReportColumns{kPaperColumns, headers}, [&doc](int s) { return RosterRowTexts(doc, s); });
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
