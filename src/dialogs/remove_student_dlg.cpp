#include "remove_student_dlg.h"

#include "core/markwise_doc.h"
#include "dialog_host.h"
#include "dialog_layout.h"
#include "framework/ui_seam.h"
#include "list_lines.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace markwise {

CRemoveStudentDlg::CRemoveStudentDlg(DialogHost& host, QWidget* parent)
    : QDialog(parent), m_host(host), m_list(MakeList(this, 24)),
      m_remove(MakeButton(QStringLiteral("Remove"), this)),
      m_close(MakeButton(QStringLiteral("Close Dialog"), this)) {
    setWindowTitle(QStringLiteral("Remove Student"));

    auto* listColumn = new QVBoxLayout;
    listColumn->addWidget(MakeLabel(QStringLiteral("Select Name:"), m_list, this));
    listColumn->addWidget(m_list, 1);

    auto* right = new QVBoxLayout;
    right->addWidget(MakeHint(QStringLiteral("After selecting a name, click \"Remove.\"  The "
                                             "student will be removed and all data lost.  To "
                                             "recover this data, re-open the document."),
                              this, 28));
    right->addStretch(1);
    right->addLayout(MakeButtonRow({m_remove, m_close}));

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(listColumn);
    layout->addLayout(right);

    m_remove->setDefault(true);
    connect(m_remove, &QPushButton::clicked, this, &CRemoveStudentDlg::accept);
    connect(m_close, &QPushButton::clicked, this, &CRemoveStudentDlg::reject);
    setTabOrder(m_list, m_remove);
    setTabOrder(m_remove, m_close);

    Refresh();
    m_list->setFocus();
}

int CRemoveStudentDlg::exec() {
    if (m_host.Document().StudentsInUse() == 0)
        return Rejected;
    return QDialog::exec();
}

void CRemoveStudentDlg::Refresh() {
    FillList(m_list, StudentLines(m_host.Document()), 0);
}

void CRemoveStudentDlg::accept() {
    CMarkwiseDoc& doc = m_host.Document();
    if (doc.StudentsInUse() <= 1) {
        UiSeam::tell(this, QStringLiteral("You can't remove all the students!  If you want to "
                                          "replace this student, select Edit Student from the "
                                          "student Menu, and change all of the information."));
        return;
    }
    const QString question = QStringLiteral(
        "Are you sure you want to remove this student?\nClicking OK will result in the loss of "
        "all data entered for that student!");
    if (UiSeam::ask(this, question, Buttons::OkCancel) != Answer::Ok)
        return;
    const int student = m_list->currentRow();
    if (student < 0)
        return;
    doc.RemoveStudent(student);
    Refresh();
    m_host.Repaint();
}

} // namespace markwise
