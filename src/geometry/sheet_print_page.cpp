#include "geometry/sheet_print_page.h"

#include "geometry/report_title.h"
#include "geometry/sheet_texts.h"

#include <algorithm>
#include <utility>

namespace markwise {
namespace {

constexpr int kTitleLine = 4;
constexpr int kHeadingLine = 5;
constexpr int kFirstStudentLine = 6;
// Lines besides the students and descriptions: title block, headings, points, blanks.
constexpr int kFixedLines = 8;

// x of column position c (c = nCols gives the totals block), in twips.
int ColumnX(int c, int offset) {
    return 11 * (50 * c + offset);
}

} // namespace

SheetPrintGeometry ComputeSheetPrintGeometry(const CMarkwiseDoc& doc, const PageRequest& request,
                                             SheetPrintColumns which) {
    const int nS = doc.StudentsInUse();
    const int nA = doc.AssignmentsInUse();
    SheetPrintGeometry g;
    // Integer division first, then the product truncated toward zero.
    // NOLINTNEXTLINE(bugprone-integer-division): the whole-number division is the rule
    g.columns = static_cast<int>(((request.width - 450) / 50) * 0.31);
    g.columns = std::min(std::max(g.columns, 0), nA);
    g.linesPerPage = std::max(PrintableLines(request) - kFixedLines - g.columns, 0);
    g.pageCount = g.linesPerPage > 0 ? SlicePage(nS, g.linesPerPage, 1).pageCount : 1;
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
struct SheetSlice {
    int firstAssignment = 0;
    int columns = 0;
    PageSlice students; // with no line for students, none and no more pages
    bool lastStrip = true;
    bool morePages = false;
};

SheetSlice SliceOfPage(const SheetPrintGeometry& g, int nS, int nA, SheetPrintColumns which,
                       int page) {
    const int index = std::max(page, 1) - 1;
    SheetSlice slice;
    if (which == SheetPrintColumns::LastThatFit) {
        slice.firstAssignment = g.firstAssignment;
        slice.columns = g.columns;
        slice.students = SlicePage(nS, g.linesPerPage, index + 1);
        slice.morePages = slice.students.morePages;
        return slice;
    }
    // Pages past the end belong to the last strip and hold no students.
    const int strip = std::min(index / g.pagesPerStrip, g.strips - 1);
    slice.firstAssignment = strip * g.columns;
    slice.columns = std::min(g.columns, nA - slice.firstAssignment);
    slice.students = SlicePage(nS, g.linesPerPage, index - strip * g.pagesPerStrip + 1);
    slice.lastStrip = strip == g.strips - 1;
    slice.morePages = index + 1 < g.pageCount;
    return slice;
}

// A figure as the desktop shows it, as the core writes it where words say nothing.
std::string ShownFigure(const SheetWords& words, std::string text) {
    return words.shownNumber ? words.shownNumber(text) : std::move(text);
}

// The sheet's columns on a printout of assignments off..off+nCols-1: names, one per
// assignment, then received, percent and letter when the totals print. Every student
// counts, not only this page's, so all pages of the printout line up.
FittedColumns FitSheetColumns(const CMarkwiseDoc& doc, const CGradeCutoffs& cutoffs,
                              const SheetSlice& slice, bool totals, int printableWidth,
                              const SheetWords& words) {
    const auto shown = [&words](const std::string& text) { return ShownFigure(words, text); };
    const int nS = doc.StudentsInUse();
    const int nCols = slice.columns;
    std::vector<int> placed{0};
    for (int c = 0; c < nCols; ++c)
        placed.push_back(ColumnX(c, 230));
    if (totals) {
        for (const int offset : {230, 295, 400})
            placed.push_back(ColumnX(nCols, offset));
    }
    ColumnWidths widths(placed.size());
    for (int s = 0; s < nS; ++s)
        widths.widen(0, doc.GetListedName(s));
    for (int c = 0; c < nCols; ++c) {
        const int a = slice.firstAssignment + c;
        const auto column = static_cast<std::size_t>(c) + 1;
        widths.widen(column, NumberedText(a, ""));
        widths.widen(column, shown(doc.GetPointsPossibleText(a)));
        for (int s = 0; s < nS; ++s)
            widths.widen(column, shown(ScoreText(doc, a, s)));
    }
    if (totals) {
        const auto first = static_cast<std::size_t>(nCols) + 1;
        widths.widen(first, shown(doc.GetClassPossibleText()));
        for (int s = 0; s < nS; ++s) {
            const StudentTotalTexts t = TotalTexts(doc, s, cutoffs);
            widths.widenRow(std::vector<std::string>{shown(t.received), shown(t.percent), t.letter},
                            first);
        }
    }
    return FitColumns(placed, widths, printableWidth);
}

} // namespace

SheetPrintPage LayoutSheetPrintPage(const CMarkwiseDoc& doc, const CGradeCutoffs& cutoffs,
                                    std::string_view documentTitle, const PageRequest& request,
                                    SheetPrintColumns which, SheetColumnsCache* cache,
                                    const SheetWords& words) {
    const int nS = doc.StudentsInUse();
    const int nA = doc.AssignmentsInUse();
    const int lineH = request.lineHeight;
    SheetPrintPage out;
    out.geometry = ComputeSheetPrintGeometry(doc, request, which);
    const SheetSlice slice = SliceOfPage(out.geometry, nS, nA, which, request.page);
    const int nCols = slice.columns;
    const int off = slice.firstAssignment;

    out.morePages = slice.morePages;
    out.studentLines = slice.students.itemsOnPage;
    const int firstStudent = slice.students.firstItem;
    const int rows = out.studentLines;
    const int pointsLine = kFirstStudentLine + rows;
    const bool totals = nA > 0 && slice.lastStrip;
    const int printable = PrintableTwips(request.width);
    FittedColumns fitted;
    if (cache) {
        const auto key = std::tuple{slice.firstAssignment, slice.columns, totals, printable};
        auto it = cache->strips.find(key);
        if (it == cache->strips.end())
            it = cache->strips
                     .emplace(key, FitSheetColumns(doc, cutoffs, slice, totals, printable, words))
                     .first;
        fitted = it->second;
    } else {
        fitted = FitSheetColumns(doc, cutoffs, slice, totals, printable, words);
    }
    const auto columnX = [&fitted](int column) {
        return fitted.x[static_cast<std::size_t>(column)];
    };

    DrawList& texts = out.texts;
    texts.reserve(static_cast<size_t>(rows) * (nCols + 4) + static_cast<size_t>(nCols) * 3 + 3);
    texts.push_back({0, kTitleLine * lineH, ReportHeadingTitle(documentTitle)});
    for (int r = 0; r < rows; ++r) {
        texts.push_back({0, (kFirstStudentLine + r) * lineH,
                         CutText(LineText(doc.GetListedName(firstStudent + r)), fitted.cutCells)});
    }
    for (int c = 0; c < nCols; ++c) {
        const int a = off + c;
        const CAssignment& assignment = doc.m_assignments[a];
        const int x = columnX(c + 1);
        texts.push_back({x, pointsLine * lineH, ShownFigure(words, doc.GetPointsPossibleText(a))});
        texts.push_back({x, kHeadingLine * lineH, NumberedText(a, "")});
        texts.push_back(
            {0, (pointsLine + 3 + c) * lineH, NumberedText(a, assignment.m_description)});
        for (int r = 0; r < rows; ++r) {
            texts.push_back({x, (kFirstStudentLine + r) * lineH,
                             ShownFigure(words, ScoreText(doc, a, firstStudent + r))});
        }
    }
    if (totals) {
        const int totalsX = columnX(nCols + 1);
        texts.push_back({totalsX, kHeadingLine * lineH, words.totals});
        for (int r = 0; r < rows; ++r) {
            StudentTotalTexts student = TotalTexts(doc, firstStudent + r, cutoffs);
            const int y = (kFirstStudentLine + r) * lineH;
            texts.push_back({totalsX, y, ShownFigure(words, std::move(student.received))});
            texts.push_back(
                {columnX(nCols + 2), y, ShownFigure(words, std::move(student.percent))});
            texts.push_back({columnX(nCols + 3), y, std::move(student.letter)});
        }
        texts.push_back(
            {totalsX, pointsLine * lineH, ShownFigure(words, doc.GetClassPossibleText())});
    }
    return out;
}

} // namespace markwise
