#include "remove_assignment_dlg.h"

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

CRemoveAssignmentDlg::CRemoveAssignmentDlg(DialogHost& host, QWidget* parent)
    : QDialog(parent), m_host(host), m_list(MakeList(this, 16)),
      m_remove(MakeButton(QStringLiteral("Remove"), this)),
      m_close(MakeButton(QStringLiteral("Close Dialog"), this)) {
    setWindowTitle(QStringLiteral("Remove Assignment"));

    auto* listColumn = new QVBoxLayout;
    listColumn->addWidget(MakeLabel(QStringLiteral("Select Assignment:"), m_list, this));
    listColumn->addWidget(m_list, 1);

    auto* right = new QVBoxLayout;
    right->addWidget(MakeHint(QStringLiteral("After selecting an assignment, click \"Remove.\"  "
                                             "The assignment will be removed and all data lost.  "
                                             "To recover this data, re-open the document."),
                              this, 28));
    right->addStretch(1);
    right->addLayout(MakeButtonRow({m_remove, m_close}));

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(listColumn);
    layout->addLayout(right);

    m_remove->setDefault(true);
    connect(m_remove, &QPushButton::clicked, this, &CRemoveAssignmentDlg::accept);
    connect(m_close, &QPushButton::clicked, this, &CRemoveAssignmentDlg::reject);
    setTabOrder(m_list, m_remove);
    setTabOrder(m_remove, m_close);

    Refresh();
    m_list->setFocus();
}

int CRemoveAssignmentDlg::exec() {
    if (m_host.Document().AssignmentsInUse() == 0)
        return Rejected;
    return QDialog::exec();
}

void CRemoveAssignmentDlg::Refresh() {
    FillList(m_list, AssignmentLines(m_host.Document()), 0);
}

void CRemoveAssignmentDlg::accept() {
    const QString question = QStringLiteral(
        "Are you sure you want to remove this assignment?\nClicking OK will result in the loss "
        "of all data entered for that assignment!");
    if (UiSeam::ask(this, question, Buttons::OkCancel) != Answer::Ok)
        return;
    const int assignment = m_list->currentRow();
    if (assignment < 0)
        return;
    m_host.Document().RemoveAssignment(assignment);
    Refresh();
    m_host.Repaint();
}

} // namespace markwise
