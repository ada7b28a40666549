#include "geometry/sheet_print_page.h"

#include "geometry/report_title.h"
#include "geometry/sheet_texts.h"

#include <algorithm>
#include <cmath>

namespace markwise {
namespace {

constexpr int kTitleLine = 4;
constexpr int kHeadingLine = 5;
constexpr int kFirstStudentLine = 6;
// Lines besides the students and descriptions: title block, headings, points, blanks.
constexpr int kFixedLines = 8;
// Twips per 300-dpi pixel is 4.8; the page keeps 4.7 for a margin at the bottom.
constexpr double kLinesScale = 4.7;
// Far above any page a document can fill; keeps the double-to-int conversion defined.
constexpr double kMaxLines = 1e6;

// x of column position c (c = nCols gives the totals block), in twips.
int ColumnX(int c, int offset) {
    return 11 * (50 * c + offset);
}

} // namespace

SheetPrintGeometry ComputeSheetPrintGeometry(const CMarkwiseDoc& doc, const SheetPrintArea& area,
                                             SheetPrintColumns which) {
    const int nS = doc.StudentsInUse();
    const int nA = doc.AssignmentsInUse();
    SheetPrintGeometry g;
    // Integer division first, then the product truncated toward zero.
    g.columns = static_cast<int>(((area.width - 450) / 50) * 0.31);
    g.columns = std::min(std::max(g.columns, 0), nA);
    if (area.lineHeight > 0) {
        const double lines =
            std::clamp(std::trunc(area.height * kLinesScale / area.lineHeight), 0.0, kMaxLines);
        g.linesPerPage = std::max(static_cast<int>(lines) - kFixedLines - g.columns, 0);
    }
    g.pageCount = g.linesPerPage > 0 ? (nS + g.linesPerPage - 1) / g.linesPerPage : 1;
    g.pagesPerStrip = std::max(g.pageCount, 1);
    if (which == SheetPrintColumns::All) {
        g.strips = g.columns > 0 ? (nA + g.columns - 1) / g.columns : 1;
        g.pageCount = g.strips * g.pagesPerStrip;
    } else {
        g.firstAssignment = std::max(nA - g.columns, 0);
    }
    return g;
}

namespace {

// The assignments and the students one page holds.
struct PageSlice {
    int firstAssignment = 0;
    int columns = 0;
    long long firstStudentLine = 0; // lines of students before this page's
    bool lastStrip = true;
    bool morePages = false;
};

PageSlice SliceOfPage(const SheetPrintGeometry& g, int nS, int nA, SheetPrintColumns which,
                      int page) {
    const long long index = std::max(page, 1) - 1;
    PageSlice slice;
    if (which == SheetPrintColumns::LastThatFit) {
        slice.firstAssignment = g.firstAssignment;
        slice.columns = g.columns;
        slice.firstStudentLine = index * g.linesPerPage;
        // With no line for students every page would be alike: this one is the last.
        slice.morePages = g.linesPerPage > 0 && slice.firstStudentLine + g.linesPerPage < nS;
        return slice;
    }
    // Pages past the end belong to the last strip and hold no students.
    const long long strip = std::min<long long>(index / g.pagesPerStrip, g.strips - 1);
    slice.firstAssignment = static_cast<int>(strip * g.columns);
    slice.columns = std::min(g.columns, nA - slice.firstAssignment);
    slice.firstStudentLine = (index - strip * g.pagesPerStrip) * g.linesPerPage;
    slice.lastStrip = strip == g.strips - 1;
    slice.morePages = index + 1 < g.pageCount;
    return slice;
}

} // namespace

SheetPrintPage LayoutSheetPrintPage(const CMarkwiseDoc& doc, const CGradeCutoffs& cutoffs,
                                    std::string_view documentTitle, const SheetPrintArea& area,
                                    int page, SheetPrintColumns which) {
    const int nS = doc.StudentsInUse();
    const int nA = doc.AssignmentsInUse();
    const int lineH = area.lineHeight;
    SheetPrintPage out;
    out.geometry = ComputeSheetPrintGeometry(doc, area, which);
    const int lines = out.geometry.linesPerPage;
    const PageSlice slice = SliceOfPage(out.geometry, nS, nA, which, page);
    const int nCols = slice.columns;
    const int off = slice.firstAssignment;

    const long long first = slice.firstStudentLine;
    out.morePages = slice.morePages;
    out.studentLines = static_cast<int>(std::clamp<long long>(nS - first, 0, lines));
    const int firstStudent = static_cast<int>(std::min<long long>(first, nS));
    const int rows = out.studentLines;
    const int pointsLine = kFirstStudentLine + rows;

    DrawList& texts = out.texts;
    texts.reserve(static_cast<size_t>(rows) * (nCols + 4) + static_cast<size_t>(nCols) * 3 + 3);
    texts.push_back({0, kTitleLine * lineH, ReportHeadingTitle(documentTitle)});
    for (int r = 0; r < rows; ++r) {
        texts.push_back(
            {0, (kFirstStudentLine + r) * lineH, LineText(doc.GetListedName(firstStudent + r))});
    }
    for (int c = 0; c < nCols; ++c) {
        const int a = off + c;
        const CAssignment& assignment = doc.m_assignments[a];
        const int x = ColumnX(c, 230);
        texts.push_back({x, pointsLine * lineH, doc.GetPointsPossibleText(a)});
        texts.push_back({x, kHeadingLine * lineH, NumberedText(a, "")});
        texts.push_back(
            {0, (pointsLine + 3 + c) * lineH, NumberedText(a, assignment.m_description)});
        for (int r = 0; r < rows; ++r) {
            texts.push_back(
                {x, (kFirstStudentLine + r) * lineH, ScoreText(assignment, firstStudent + r)});
        }
    }
    if (nA > 0 && slice.lastStrip) {
        const int totalsX = ColumnX(nCols, 230);
        texts.push_back({totalsX, kHeadingLine * lineH, "Totals"});
        for (int r = 0; r < rows; ++r) {
            StudentTotalTexts totals = TotalTexts(doc, firstStudent + r, cutoffs);
            const int y = (kFirstStudentLine + r) * lineH;
            texts.push_back({totalsX, y, std::move(totals.received)});
            texts.push_back({ColumnX(nCols, 295), y, std::move(totals.percent)});
            texts.push_back({ColumnX(nCols, 400), y, std::move(totals.letter)});
        }
        texts.push_back({totalsX, pointsLine * lineH, doc.GetClassPossibleText()});
    }
    return out;
}

} // namespace markwise
