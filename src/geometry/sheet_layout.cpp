#include "geometry/sheet_layout.h"

#include "geometry/sheet_texts.h"

#include <algorithm>
#include <climits>
#include <string>

namespace markwise {
namespace {

constexpr int kUnmeasuredRowHeight = 20;
constexpr int kRowsBesideStudents = 3; // heading, points possible, blank
constexpr int kProvisionalWidth = 600;

// The rows [first, last] that a layout emits; first > last emits none.
struct RowSpan {
    long long first = INT_MIN;
    long long last = INT_MAX;

    bool Holds(long long row) const { return row >= first && row <= last; }
};

long long FloorDiv(long long a, long long b) {
    long long q = a / b;
    if (a % b != 0 && (a < 0) != (b < 0)) {
        --q;
    }
    return q;
}

// For a positive row height and top < bottom.
RowSpan RowsMeeting(int rowHeight, int top, int bottom) {
    return {FloorDiv(top, rowHeight), FloorDiv(static_cast<long long>(bottom) - 1, rowHeight)};
}

DrawList Layout(const CMarkwiseDoc& doc, const SheetView& view, const CGradeCutoffs& cutoffs,
                const SheetWords& words, const RowSpan& rows) {
    const int h = view.rowHeight;
    const int nS = doc.StudentsInUse();
    const int nA = doc.AssignmentsInUse();
    const int f = view.firstAssignment;
    const int nV = std::min(VisibleColumnCount(view.clientWidth), nA);
    // Student i sits on row i + 1.
    const int firstStudent = static_cast<int>(std::clamp<long long>(rows.first - 1, 0, nS));
    const int endStudent = static_cast<int>(std::clamp<long long>(rows.last, firstStudent, nS));
    const int bandStudents = endStudent - firstStudent;
    const int pointsRow = nS + 1;

    DrawList out;
    out.reserve(static_cast<size_t>(bandStudents) * (nV + 4) + static_cast<size_t>(nV) * 3 + 2);

    for (int i = firstStudent; i < endStudent; ++i) {
        out.push_back({0, h * (i + 1), LineText(doc.GetListedName(i))});
    }

    for (int j = 0; j < nV && f + j < nA; ++j) {
        const int a = f + j;
        if (a < 0) {
            continue;
        }
        const CAssignment& assignment = doc.m_assignments[a];
        const int x = kSheetNameWidth + kSheetColumnWidth * j;
        if (rows.Holds(pointsRow)) {
            out.push_back({x, h * pointsRow, doc.GetPointsPossibleText(a)});
        }
        if (rows.Holds(0)) {
            out.push_back({x, 0, NumberedText(a, assignment.m_title)});
        }
        const int descriptionRow = nS + 3 + j;
        if (rows.Holds(descriptionRow)) {
            out.push_back({0, h * descriptionRow, NumberedText(a, assignment.m_description)});
        }
        for (int k = firstStudent; k < endStudent; ++k) {
            out.push_back({x, h * (k + 1), ScoreText(doc, a, k)});
        }
    }

    if (nA > 0) {
        const int totalsX = kSheetNameWidth + kSheetColumnWidth * nV;
        if (rows.Holds(0)) {
            out.push_back({totalsX, 0, words.totals});
        }
        for (int i = firstStudent; i < endStudent; ++i) {
            StudentTotalTexts totals = TotalTexts(doc, i, cutoffs);
            const int y = h * (i + 1);
            out.push_back({totalsX, y, std::move(totals.received)});
            out.push_back({totalsX + kSheetPercentOffset, y, std::move(totals.percent)});
            out.push_back({totalsX + kSheetLetterOffset, y, std::move(totals.letter)});
        }
        if (rows.Holds(pointsRow)) {
            out.push_back({totalsX, h * pointsRow, doc.GetClassPossibleText()});
        }
    }
    return out;
}

} // namespace

int VisibleColumnCount(int clientWidth) {
    return std::max(0, (clientWidth - kSheetFixedWidth) / kSheetColumnWidth);
}

int ShownColumnCount(const CMarkwiseDoc& doc, int clientWidth) {
    return std::min(VisibleColumnCount(clientWidth), doc.AssignmentsInUse());
}

bool IsExcludedHeading(const CMarkwiseDoc& doc, const SheetView& view, const DrawText& text) {
    const int offset = text.x - kSheetNameWidth;
    if (text.y != 0 || offset < 0 || offset % kSheetColumnWidth != 0)
        return false;
    const int column = offset / kSheetColumnWidth;
    return column < ShownColumnCount(doc, view.clientWidth) &&
           !doc.CountsAssignment(view.firstAssignment + column);
}

ScrollSize SheetScrollSize(const CMarkwiseDoc& doc, int clientWidth, int rowHeight) {
    const int rows = doc.StudentsInUse() + kRowsBesideStudents + ShownColumnCount(doc, clientWidth);
    return {kSheetFixedWidth, (rowHeight > 0 ? rowHeight : kUnmeasuredRowHeight) * rows};
}

ScrollSize SheetProvisionalScrollSize(const CMarkwiseDoc& doc, int rowHeight) {
    return {kProvisionalWidth, (doc.StudentsInUse() + 3) * rowHeight};
}

DrawList LayoutSheet(const CMarkwiseDoc& doc, const SheetView& view, const CGradeCutoffs& cutoffs,
                     const SheetWords& words) {
    return Layout(doc, view, cutoffs, words, RowSpan{});
}

DrawList LayoutSheetBand(const CMarkwiseDoc& doc, const SheetView& view,
                         const CGradeCutoffs& cutoffs, int top, int bottom,
                         const SheetWords& words) {
    if (top >= bottom) {
        return {};
    }
    if (view.rowHeight > 0) {
        return Layout(doc, view, cutoffs, words, RowsMeeting(view.rowHeight, top, bottom));
    }
    // Rows without height: no row span to speak of, so keep the texts drawn in the band.
    DrawList all = LayoutSheet(doc, view, cutoffs, words);
    std::erase_if(all, [&](const DrawText& t) { return t.y < top || t.y >= bottom; });
    return all;
}

} // namespace markwise
