#include "exclude_assignments_dlg.h"

#include "core/markwise_doc.h"
#include "dialog_host.h"
#include "dialog_layout.h"
#include "framework/class_editor.h"
#include "list_lines.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <algorithm>

namespace markwise {

CExcludeAssignmentsDlg::CExcludeAssignmentsDlg(DialogHost& host, QWidget* parent)
    : QDialog(parent), m_host(host), m_list(MakeList(this, tr("Assignments"), 16)),
      m_dontExclude(new QCheckBox(tr("Don't Exclude"), this)), m_ok(MakeButton(tr("OK"), this)),
      m_cancel(MakeButton(tr("Cancel"), this)) {
    setWindowTitle(tr("Exclude Assignments"));

    auto* hint =
        MakeHint(tr("Select the first assignment you want included in the grade.  Select  "
                    "Don't Exclude to remove the exclusion from the grade.  Note that the "
                    "exclusion state is not saved with the document.  Click OK when done."),
                 this, 30);
    LayOutBesideList(this, tr("Select Assignment:"), m_list, {m_dontExclude, hint},
                     {m_ok, m_cancel});

    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &CExcludeAssignmentsDlg::accept);
    connect(m_cancel, &QPushButton::clicked, this, &CExcludeAssignmentsDlg::reject);
    setTabOrder(m_list, m_dontExclude);
    setTabOrder(m_dontExclude, m_ok);
    setTabOrder(m_ok, m_cancel);

    // It opens on the exclusion in force (the first counted assignment), so OK without a
    // choice changes nothing.
    const int first = std::max(m_host.data().m_firstIncluded, 0);
    FillList(m_list, AssignmentLines(m_host.data()), first);
    m_dontExclude->setChecked(first == 0);
    m_list->setFocus();
}

int CExcludeAssignmentsDlg::exec() {
    if (m_host.data().AssignmentsInUse() == 0)
        return Rejected;
    return QDialog::exec();
}

void CExcludeAssignmentsDlg::accept() {
    const int first = m_dontExclude->isChecked() ? 0 : std::max(0, m_list->currentRow());
    m_host.editor().apply(tr("Exclude Assignments"), ExcludeEdit(first));
    QDialog::accept();
}

} // namespace markwise
