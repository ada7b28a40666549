#include "geometry/progress_layout.h"

#include "core/markwise_doc.h"
#include "core/number_text.h"
#include "geometry/report_title.h"

#include <array>

namespace markwise {

namespace {

constexpr std::array<int, 4> kScreenColumns = {0, 200, 300, 400};
constexpr std::array<int, 4> kPaperColumns = {0, 2530, 3630, 4730};
constexpr int kScreenWidth = 600;

std::array<std::string_view, 4> Headers(const ProgressReportInput& in) {
    const auto& h = in.texts.progressHeaders;
    return {in.doc.ListsNames() ? std::string_view(h[0]) : in.texts.progressIds, h[1], h[2], h[3]};
}

} // namespace

std::string ProgressHeading(const ProgressReportInput& in) {
    // The cut-off in the same form as the percents listed under it.
    return FillInReportText(in.texts.progressFor, ReportHeadingTitle(in.documentTitle),
                            ShownNumbers(in.texts, {FormatPercentG(in.state.m_cutoffPercent)})[0]);
}

std::vector<std::string> ProgressRowTexts(const ProgressReportInput& in, int k) {
    if (k < 0 || k >= kMaxStudents) {
        return {};
    }
    const int s = in.state.m_foundStudents[k];
    std::string comment = in.state.FoundComment(k);
    if (s < 0 || s >= in.doc.StudentsInUse()) {
        return {"", "", "", comment};
    }
    return ShownNumbers(in.texts, {in.doc.GetListedName(s), in.doc.GetPercentText(s),
                                   in.doc.GetLetterGrade(s, in.cutoffs), comment});
}

ReportScreen LayoutProgressScreen(const ProgressReportInput& in, int rowHeight, VisibleBand band) {
    const auto headers = Headers(in);
    return LayoutReportScreen(rowHeight, band, kScreenWidth, ProgressHeading(in),
                              ReportColumns{kScreenColumns, headers}, in.state.FoundInUse(),
                              [&in](int k) { return ProgressRowTexts(in, k); });
}

ReportPrintout PrintProgressPage(const ProgressReportInput& in, const PageRequest& page) {
    const auto headers = Headers(in);
    return PrintReportPage(page, kProgressReservedLines, in.state.FoundInUse(), ProgressHeading(in),
                           ReportColumns{kPaperColumns, headers},
                           [&in](int k) { return ProgressRowTexts(in, k); });
}

void FindProgressStudents(const CMarkwiseDoc& doc, double cutoff, ProgressReportState& report) {
    report.m_cutoffPercent = cutoff;
    report.m_foundCount = 0;
    for (int s = 0; s < doc.StudentsInUse(); ++s) {
        if (doc.GetPercent(s) <= cutoff)
            report.m_foundStudents[report.m_foundCount++] = s;
    }
}

} // namespace markwise
