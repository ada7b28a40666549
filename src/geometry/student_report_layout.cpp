#include "geometry/student_report_layout.h"

#include "core/markwise_doc.h"
#include "core/number_text.h"
#include "geometry/sheet_texts.h"

#include <algorithm>
#include <array>

namespace markwise {

namespace {

constexpr std::array<int, 5> kScreenColumns = {0, 230, 330, 430, 530};
constexpr std::array<int, 5> kPaperColumns = {0, 2530, 3630, 4730, 5830};
std::array<std::string_view, 5> Headers(const ReportTexts& texts) {
    const auto& h = texts.studentReportHeaders;
    return {h[0], h[1], h[2], h[3], h[4]};
}
constexpr int kScreenWidth = 580;
constexpr int kTotalsFirstColumn = 1;

// Assignments shown: none on a position out of use.
int ListedAssignments(const StudentReportInput& in) {
    return StudentReportInUse(in) ? in.doc.AssignmentsInUse() : 0;
}

} // namespace

bool StudentReportInUse(const StudentReportInput& in) {
    return in.student >= 0 && in.student < in.doc.StudentsInUse();
}

std::string StudentReportHeading(const StudentReportInput& in) {
    const std::string name = StudentReportInUse(in) ? in.doc.GetFullName(in.student) : "";
    return FillInReportText(in.texts.studentReportFor, name);
}

std::vector<std::string> StudentAssignmentTexts(const StudentReportInput& in, int a) {
    if (!StudentReportInUse(in) || a < 0 || a >= in.doc.AssignmentsInUse()) {
        return {};
    }
    const CAssignment& assignment = in.doc.m_assignments[a];
    const double score = assignment.m_scores[in.student];
    const double possible = assignment.m_pointsPossible;
    const bool missing = score == MISSING_SCORE;
    const double percent = PercentOfPossible(score, possible);
    const std::string percentText =
        missing ? std::string(kMissingScoreText) : FormatPercentG(percent);
    // An assignment worth nothing grades A+ whatever the cutoffs, even without a score.
    std::string grade = "A+";
    if (possible != 0.0) {
        grade = missing ? std::string(kMissingScoreText)
                        : std::string(LetterFromPercent(percent, in.cutoffs));
    }
    // An excluded row says so, so that the rows and the totals line can be reconciled.
    if (!in.doc.CountsAssignment(a))
        grade += std::string(" ") + std::string(kNotCountedText);
    return {NumberedText(a, assignment.m_title), ScoreText(assignment, in.student),
            FormatG(possible), percentText, grade};
}

std::vector<std::string> StudentTotalsTexts(const StudentReportInput& in) {
    if (!StudentReportInUse(in)) {
        return {};
    }
    const int s = in.student;
    return {in.doc.GetTotalReceivedText(s), FormatG(in.doc.GetTotalPossible(s)),
            in.doc.GetPercentText(s), in.doc.GetLetterGrade(s, in.cutoffs)};
}

ReportScreen LayoutStudentReportScreen(const StudentReportInput& in, int rowHeight,
                                       VisibleBand band) {
    const int assignments = ListedAssignments(in);
    const auto headers = Headers(in.texts);
    const ReportColumns columns{kScreenColumns, headers};
    ReportScreen out =
        LayoutReportScreen(rowHeight, band, kScreenWidth, StudentReportHeading(in), columns,
                           assignments, [&in](int a) { return StudentAssignmentTexts(in, a); });
    if (StudentReportInUse(in)) {
        // The totals line follows the last assignment.
        const int h = std::max(rowHeight, 0);
        const int totalsY = h * (assignments + 2);
        out.scroll.height += h;
        if (band.Shows(totalsY, h)) {
            AppendReportLine(out.texts, columns, totalsY, StudentTotalsTexts(in),
                             kTotalsFirstColumn);
        }
    }
    return out;
}

ReportPrintout PrintStudentReportPage(const StudentReportInput& in, const PageRequest& page) {
    const ReportExtraLine totals{StudentTotalsTexts(in), kTotalsFirstColumn};
    const auto headers = Headers(in.texts);
    ReportPrintout out = PrintReportPage(
        page, kStudentReportReservedLines, ListedAssignments(in), StudentReportHeading(in),
        ReportColumns{kPaperColumns, headers},
        [&in](int a) { return StudentAssignmentTexts(in, a); }, totals);
    // A page too short for one row keeps to its headings, like every report.
    if (StudentReportInUse(in) && out.pagination.rowsPerPage > 0) {
        AppendReportLine(out.texts, ReportColumns{out.columns, headers},
                         out.nextLine * page.lineHeight, totals.texts, kTotalsFirstColumn);
        ++out.nextLine;
    }
    return out;
}

std::optional<int> StudentReportHitTest(const StudentReportInput& in, int rowHeight, int x, int y) {
    if (rowHeight <= 0 || y <= 2 * rowHeight || x >= kScreenWidth) {
        return std::nullopt;
    }
    const int row = y / rowHeight - 2;
    if (row >= ListedAssignments(in)) {
        return std::nullopt;
    }
    return row;
}

} // namespace markwise
