#include "geometry/student_report_layout.h"

#include "core/markwise_doc.h"
#include "core/number_text.h"
#include "geometry/category_breakdown.h"
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

// The lines below the totals: none without a policy, else a heading and one line per
// category (name, kept received, kept possible, percent, weight).
std::vector<std::vector<std::string>> BreakdownLines(const StudentReportInput& in) {
    std::vector<std::vector<std::string>> lines;
    if (!StudentReportInUse(in))
        return lines;
    for (CategoryBreakdownLine& line : CategoryBreakdown(in.doc, in.student)) {
        if (lines.empty())
            lines.push_back({in.texts.byCategory});
        std::string weight = BreakdownWeightText(line, in.texts);
        lines.push_back(ShownNumbers(in.texts, {std::move(line.name), std::move(line.received),
                                                std::move(line.possible), std::move(line.percent),
                                                std::move(weight)}));
    }
    return lines;
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
        grade += " " + in.words.notCounted;
    else if (IsDroppedScore(in.doc, a, in.student))
        grade += " " + in.texts.droppedMark;
    return ShownNumbers(in.texts,
                        {NumberedText(a, assignment.m_title), ScoreText(in.doc, a, in.student),
                         FormatG(possible), percentText, grade});
}

std::vector<std::string> StudentTotalsTexts(const StudentReportInput& in) {
    if (!StudentReportInUse(in)) {
        return {};
    }
    const int s = in.student;
    return ShownNumbers(in.texts,
                        {in.doc.GetTotalReceivedText(s), FormatG(in.doc.GetTotalPossible(s)),
                         in.doc.GetPercentText(s), in.doc.GetLetterGrade(s, in.cutoffs)});
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
        int y = totalsY;
        for (const std::vector<std::string>& line : BreakdownLines(in)) {
            y += h;
            out.scroll.height += h;
            if (band.Shows(y, h))
                AppendReportLine(out.texts, columns, y, line);
        }
    }
    return out;
}

ReportBody StudentReportBody(const StudentReportInput& in, const PageRequest& page) {
    const auto headers = Headers(in.texts);
    // The category lines share the columns; their one-text heading may run across them.
    std::vector<std::vector<std::string>> breakdown = BreakdownLines(in);
    std::erase_if(breakdown, [](const std::vector<std::string>& line) { return line.size() < 2; });
    return FitReportBody(
        page, ListedAssignments(in), ReportColumns{kPaperColumns, headers},
        [&in](int a) { return StudentAssignmentTexts(in, a); },
        {StudentTotalsTexts(in), kTotalsFirstColumn}, breakdown);
}

ReportPrintout PrintStudentReportPage(const StudentReportInput& in, const PageRequest& page,
                                      const ReportBody& body) {
    const std::vector<std::vector<std::string>> breakdown = BreakdownLines(in);
    // Every page that holds rows ends with the totals and the breakdown: room for both.
    const int reserved = kStudentReportReservedLines + static_cast<int>(breakdown.size());
    const auto headers = Headers(in.texts);
    ReportPrintout out = PrintReportPage(page, reserved, StudentReportHeading(in),
                                         ReportColumns{kPaperColumns, headers}, body);
    // A page too short for one row keeps to its headings, like every report.
    if (StudentReportInUse(in) && out.pagination.rowsPerPage > 0) {
        const ReportColumns columns{out.columns, headers};
        AppendReportLine(out.texts, columns, out.nextLine * page.lineHeight, body.extra.texts,
                         kTotalsFirstColumn);
        ++out.nextLine;
        for (const std::vector<std::string>& line : breakdown) {
            AppendReportLine(out.texts, columns, out.nextLine * page.lineHeight, line);
            ++out.nextLine;
        }
    }
    return out;
}

ReportPrintout PrintStudentReportPage(const StudentReportInput& in, const PageRequest& page) {
    return PrintStudentReportPage(in, page, StudentReportBody(in, page));
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
