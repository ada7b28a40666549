#include "roster_view.h"

#include "core/markwise_doc.h"
#include "dialogs/open_dialogs.h"
#include "framework/commands.h"
#include "framework/document.h"
#include "geometry/roster_layout.h"
#include "report_host.h"
#include "summaries/open_summaries.h"

namespace markwise {

CRosterView::CRosterView(CDocument& document)
    : CReportView(document), m_find(
                                 *this, [this]() -> const CMarkwiseDoc& { return *GetDocument(); },
                                 [this] { return m_found; },
                                 [this](int s) {
                                     m_found = s;
                                     showItem(s);
                                 }) {
    const StateRule needsStudent = [this](CommandState& state) {
        state.enabled = GetDocument()->StudentsInUse() > 0;
    };
    handle(ID_EDIT_FIND, [this] { m_find.find(); }).state(needsStudent);
    handle(ID_EDIT_REPEAT, [this] { m_find.findNext(); }).state(needsStudent);
    handle(ID_SORT_NAME, [this] {
        this->frameworkDocument().editor().apply(tr("Sort by Name"), SortEdit(SortKind::Name));
    });
    // The student commands open their dialogs on this window.
    const auto withHost = [this](void (*open)(DialogHost&)) {
        return [this, open] {
            ReportHost host(*this);
            open(host);
        };
    };
    handle(ID_STUDENT_EDIT, withHost([](DialogHost& host) { OpenEditStudent(host, 0); }))
        .state(needsStudent);
    handle(ID_STUDENT_NEW, withHost(OpenAddStudent));
    handle(ID_STUDENT_REMOVE, withHost(OpenRemoveStudent)).state(needsStudent);
    handle(ID_STUDENT_SUMMARY, withHost(OpenStudentSummary)).state(needsStudent);
}

ReportScreen CRosterView::layoutScreen(int rowHeight, VisibleBand band) const {
    return LayoutRosterScreen(*GetDocument(), title(), rowHeight, band, texts());
}

ReportPrintout CRosterView::printPage(const PageRequest& page) const {
    return PrintRosterPage(*GetDocument(), title(), page, texts());
}

int CRosterView::highlightedItem() const {
    return m_found < GetDocument()->StudentsInUse() ? m_found : -1;
}

void CRosterView::onClick(int x, int y) {
    if (const auto student = RosterHitTest(*GetDocument(), m_rowHeight, x, y)) {
        ReportHost host(*this);
        OpenEditStudent(host, *student);
    }
}

} // namespace markwise
