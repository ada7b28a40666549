#include "stu_view.h"

#include "core/markwise_doc.h"
#include "dialogs/open_dialogs.h"
#include "framework/commands.h"
#include "framework/doc_manager.h"
#include "framework/document.h"
#include "report_host.h"
#include "student_report_dlg.h"

namespace markwise {

CStuView::CStuView(CDocument& document) : CReportView(document) {
    handle(ID_ASSIGNMENT_EDIT, [this] { EditAssignment(0); });
}

StudentReportInput CStuView::Input() const {
    return {*GetDocument(), m_studentIndex, Cutoffs()};
}

void CStuView::RunDialog() {
    CStudentReportDlg dialog(*GetDocument(), m_studentIndex, document().manager().window());
    dialog.exec();
}

void CStuView::EditAssignment(int assignment) {
    // A position no longer in use has no student to preselect; the dialog takes the first.
    const int student = StudentReportInUse(Input()) ? m_studentIndex : 0;
    ReportHost host(*this);
    OpenEditAssignment(host, assignment, student);
}

ReportScreen CStuView::LayoutScreen(int rowHeight, VisibleBand band) const {
    return LayoutStudentReportScreen(Input(), rowHeight, band);
}

ReportPrintout CStuView::PrintPage(const PageRequest& page) const {
    return PrintStudentReportPage(Input(), page);
}

void CStuView::OnClick(int x, int y) {
    if (const auto assignment = StudentReportHitTest(Input(), m_rowHeight, x, y))
        EditAssignment(*assignment);
}

} // namespace markwise
