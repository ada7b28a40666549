#include "stu_view.h"

#include "core/markwise_doc.h"
#include "dialogs/open_dialogs.h"
#include "framework/commands.h"
#include "framework/doc_manager.h"
#include "framework/document.h"
#include "framework/translated_sheet_words.h"
#include "report_host.h"
#include "student_report_dlg.h"

namespace markwise {

CStuView::CStuView(CDocument& document) : CReportView(document), m_words(TranslatedSheetWords()) {
    handle(ID_ASSIGNMENT_EDIT, [this] { editAssignment(0); });
}

StudentReportInput CStuView::input() const {
    return {*GetDocument(), m_studentIndex, cutoffs(), texts(), m_words};
}

void CStuView::runDialog() {
    CStudentReportDlg dialog(*GetDocument(), m_studentIndex,
                             frameworkDocument().manager().window());
    dialog.exec();
}

void CStuView::editAssignment(int assignment) {
    // A position no longer in use has no student to preselect; the dialog takes the first.
    const int student = StudentReportInUse(input()) ? m_studentIndex : 0;
    ReportHost host(*this);
    OpenEditAssignment(host, assignment, student);
}

ReportScreen CStuView::layoutScreen(int rowHeight, VisibleBand band) const {
    return LayoutStudentReportScreen(input(), rowHeight, band);
}

ReportPrintout CStuView::printPage(const PageRequest& page) const {
    return PrintStudentReportPage(input(), page);
}

void CStuView::onClick(int x, int y) {
    if (const auto assignment = StudentReportHitTest(input(), m_rowHeight, x, y))
        editAssignment(*assignment);
}

} // namespace markwise
