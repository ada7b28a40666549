#include "new_assignment_dlg.h"

#include "core/markwise_doc.h"
#include "dialog_host.h"
#include "dialog_layout.h"
#include "field_rules.h"
#include "framework/class_editor.h"
#include "framework/ui_seam.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace markwise {

CNewAssignmentDlg::CNewAssignmentDlg(DialogHost& host, QWidget* parent)
    : QDialog(parent), m_host(host), m_title(new LimitedLineEdit(kMaxTitleChars, this)),
      m_points(new QLineEdit(QStringLiteral("0"), this)),
      m_description(new LimitedLineEdit(kMaxDescriptionChars, this)),
      m_ok(MakeButton(tr("OK"), this)), m_cancel(MakeButton(tr("Cancel"), this)) {
    setWindowTitle(tr("Create New Assignment"));
    SetWidthInChars(m_title, kMaxTitleChars + 2);
    SetWidthInChars(m_points, 10);
    m_description->setMinimumWidth(m_description->fontMetrics().averageCharWidth() * 48);

    auto* grid = new QGridLayout;
    grid->addWidget(MakeLabel(tr("Assignment Title:"), m_title, this), 0, 0);
    grid->addWidget(m_title, 1, 0);
    grid->addWidget(MakeLabel(tr("Points Possible:"), m_points, this), 0, 1);
    grid->addWidget(m_points, 1, 1);
    grid->setColumnStretch(2, 1);
    grid->setRowMinimumHeight(2, fontMetrics().height() / 2);
    grid->addWidget(MakeLabel(tr("Assignment Description (optional):"), m_description, this), 3, 0,
                    1, 3);
    grid->addWidget(m_description, 4, 0, 1, 3);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(MakeButtonRow({m_ok, m_cancel}));
    layout->setSizeConstraint(QLayout::SetFixedSize);

    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &CNewAssignmentDlg::accept);
    connect(m_cancel, &QPushButton::clicked, this, &CNewAssignmentDlg::reject);
    setTabOrder(m_title, m_points);
    setTabOrder(m_points, m_description);
    setTabOrder(m_description, m_ok);
    setTabOrder(m_ok, m_cancel);
    m_title->setFocus();
}

int CNewAssignmentDlg::exec() {
    if (m_host.data().AssignmentsInUse() >= kMaxAssignments) {
        UiSeam::tell(parentWidget(), tr("All Assignment slots full!"));
        return Rejected;
    }
    return QDialog::exec();
}

void CNewAssignmentDlg::accept() {
    FieldReader reader(this);
    std::string title;
    std::string description;
    double points = 0.0;
    reader.Text(m_title, tr("Assignment Title"), title);
    reader.Number(m_points, tr("Points Possible"), points);
    reader.Text(m_description, tr("Assignment Description"), description);
    if (!reader.Ok())
        return;
    const int slot = m_host.data().AssignmentsInUse();
    if (slot >= kMaxAssignments)
        return;
    m_host.editor().apply(tr("New Assignment"), NewAssignmentEdit(title, description, points));
    m_created = slot;
    m_host.showLastAssignment();
    QDialog::accept();
}

} // namespace markwise
