#include "student_report_dlg.h"

#include "core/markwise_doc.h"
#include "dialogs/dialog_layout.h"
#include "dialogs/list_lines.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace markwise {

CStudentReportDlg::CStudentReportDlg(const CMarkwiseDoc& doc, int& student, QWidget* parent)
    : QDialog(parent), m_doc(doc), m_student(student), m_list(MakeList(this, tr("Students"))),
      m_ok(MakeButton(tr("OK"), this)) {
    setWindowTitle(tr("Student Report"));
    QWidget* hint = MakeHint(tr("Select the student for whom you wish to generate "
                                "the report and then click OK.  Once the report "
                                "appears, print it by choosing Print from the "
                                "file menu."),
                             this, 24);
    LayOutBesideList(this, tr("Select Student:"), m_list, {hint}, {m_ok});
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &CStudentReportDlg::accept);
    connect(m_list, &QListWidget::itemDoubleClicked, this, &CStudentReportDlg::accept);
    FillList(m_list, StudentLines(m_doc), 0);
    m_list->setFocus();
}

int CStudentReportDlg::exec() {
    if (m_doc.StudentsInUse() == 0)
        return Rejected;
    return QDialog::exec();
}

void CStudentReportDlg::accept() {
    QDialog::accept();
    if (m_list->currentRow() >= 0)
        m_student = m_list->currentRow();
}

} // namespace markwise
