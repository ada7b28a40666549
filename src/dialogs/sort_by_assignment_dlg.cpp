#include "sort_by_assignment_dlg.h"

#include "core/markwise_doc.h"
#include "dialog_host.h"
#include "dialog_layout.h"
#include "framework/class_editor.h"
#include "list_lines.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace markwise {

CSortByAssignmentDlg::CSortByAssignmentDlg(DialogHost& host, QWidget* parent)
    : QDialog(parent), m_host(host), m_list(MakeList(this, tr("Assignments"), 16)),
      m_ok(MakeButton(tr("OK"), this)), m_cancel(MakeButton(tr("Cancel"), this)) {
    setWindowTitle(tr("Sort by Assignment Grade"));

    auto* hint = MakeHint(tr("Select the Assignment from the list at the left and "
                             "press OK.  The grades in that assignment will be "
                             "sorted in descending order."),
                          this, 28);
    LayOutBesideList(this, tr("Which Assignment?"), m_list, {hint}, {m_ok, m_cancel});

    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &CSortByAssignmentDlg::accept);
    connect(m_cancel, &QPushButton::clicked, this, &CSortByAssignmentDlg::reject);
    setTabOrder(m_list, m_ok);
    setTabOrder(m_ok, m_cancel);

    FillList(m_list, AssignmentLines(m_host.data()), 0);
    m_list->setFocus();
}

int CSortByAssignmentDlg::exec() {
    if (m_host.data().AssignmentsInUse() == 0)
        return Rejected;
    return QDialog::exec();
}

void CSortByAssignmentDlg::accept() {
    const int assignment = m_list->currentRow();
    if (assignment < 0)
        return;
    m_host.editor().apply(tr("Sort by Assignment Grade"),
                          SortEdit(SortKind::Assignment, assignment));
    QDialog::accept();
}

} // namespace markwise
