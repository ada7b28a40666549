#include "stu_view.h"

#include "core/markwise_doc.h"
#include "dialogs/open_dialogs.h"
#include "framework/commands.h"
#include "framework/win_app.h"
#include "report_host.h"
#include "student_report_dlg.h"

namespace markwise {

CStuView::CStuView(CDocument& document) : CReportView(document) {}

StudentReportInput CStuView::Input() const {
    return {*GetDocument(), m_studentIndex, Cutoffs()};
}

void CStuView::RunDialog() {
    const CWinApp* app = CWinApp::instance();
    CStudentReportDlg dialog(*GetDocument(), m_studentIndex, app ? app->mainWindow() : nullptr);
    dialog.exec();
}

bool CStuView::updateCommand(int id, CommandState& state) {
    return id == ID_ASSIGNMENT_EDIT || CReportView::updateCommand(id, state);
}

void CStuView::runCommand(int id) {
    if (id == ID_ASSIGNMENT_EDIT)
        EditAssignment(0);
    else
        CReportView::runCommand(id);
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
