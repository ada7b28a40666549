#include "roster_view.h"

#include "core/markwise_doc.h"
#include "dialogs/open_dialogs.h"
#include "framework/commands.h"
#include "framework/document.h"
#include "geometry/roster_layout.h"
#include "report_host.h"
#include "summaries/open_summaries.h"

namespace markwise {

CRosterView::CRosterView(CDocument& document) : CReportView(document) {}

bool CRosterView::updateCommand(int id, CommandState& state) {
    switch (id) {
    case ID_SORT_NAME:
    case ID_STUDENT_EDIT:
    case ID_STUDENT_NEW:
    case ID_STUDENT_REMOVE:
    case ID_STUDENT_SUMMARY:
        return true;
    default:
        return CReportView::updateCommand(id, state);
    }
}

void CRosterView::runCommand(int id) {
    ReportHost host(*this);
    switch (id) {
    case ID_SORT_NAME:
        document().editor().apply(QStringLiteral("Sort by Name"), SortEdit(SortKind::Name));
        break;
    case ID_STUDENT_EDIT:
        OpenEditStudent(host, 0);
        break;
    case ID_STUDENT_NEW:
        OpenAddStudent(host);
        break;
    case ID_STUDENT_REMOVE:
        OpenRemoveStudent(host);
        break;
    case ID_STUDENT_SUMMARY:
        OpenStudentSummary(host);
        break;
    default:
        CReportView::runCommand(id);
        break;
    }
}

ReportScreen CRosterView::LayoutScreen(int rowHeight, VisibleBand band) const {
    return LayoutRosterScreen(*GetDocument(), Title(), rowHeight, band);
}

ReportPrintout CRosterView::PrintPage(const PageRequest& page) const {
    return PrintRosterPage(*GetDocument(), Title(), page);
}

void CRosterView::OnClick(int x, int y) {
    if (const auto student = RosterHitTest(*GetDocument(), m_rowHeight, x, y)) {
        ReportHost host(*this);
        OpenEditStudent(host, *student);
    }
}

} // namespace markwise
