#include "add_student_dlg.h"

#include "dialog_host.h"
#include "dialog_layout.h"
#include "field_rules.h"
#include "framework/ui_seam.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace markwise {

CAddStudentDlg::CAddStudentDlg(DialogHost& host, QWidget* parent)
    : QDialog(parent), m_host(host), m_fields(this), m_add(MakeButton(QStringLiteral("Add"), this)),
      m_close(MakeButton(QStringLiteral("Close Dialog"), this)) {
    setWindowTitle(QStringLiteral("Add New Student"));

    auto* basic = new QGroupBox(QStringLiteral("Basic Information"), this);
    auto* basicGrid = new QGridLayout(basic);
    basicGrid->addWidget(m_fields.lastNameLabel, 0, 0);
    basicGrid->addWidget(m_fields.firstNameLabel, 0, 2);
    basicGrid->addWidget(m_fields.studentIdLabel, 0, 3);
    basicGrid->addWidget(m_fields.lastName, 1, 0);
    basicGrid->addWidget(new QLabel(QStringLiteral(","), basic), 1, 1);
    basicGrid->addWidget(m_fields.firstName, 1, 2);
    basicGrid->addWidget(m_fields.studentId, 1, 3);
    basicGrid->setColumnStretch(4, 1);

    auto* extended = new QGroupBox(QStringLiteral("Extended Information"), this);
    auto* extendedGrid = new QGridLayout(extended);
    extendedGrid->addWidget(m_fields.gradeLevelLabel, 0, 0);
    extendedGrid->addWidget(m_fields.bookNumberLabel, 0, 1);
    extendedGrid->addWidget(m_fields.phoneLabel, 0, 2);
    extendedGrid->addWidget(m_fields.gradeLevel, 1, 0);
    extendedGrid->addWidget(m_fields.bookNumber, 1, 1);
    extendedGrid->addWidget(m_fields.phone, 1, 2);
    extendedGrid->setColumnStretch(3, 1);

    auto* hint = MakeHint(QStringLiteral("Press TAB to move between items, and ENTER to add "
                                         "names.  You can also do this with the mouse."),
                          this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(basic);
    layout->addWidget(extended);
    layout->addWidget(hint);
    layout->addLayout(MakeButtonRow({m_add, m_close}));
    layout->setSizeConstraint(QLayout::SetFixedSize);

    m_add->setDefault(true);
    connect(m_add, &QPushButton::clicked, this, &CAddStudentDlg::accept);
    connect(m_close, &QPushButton::clicked, this, &CAddStudentDlg::reject);

    setTabOrder(m_fields.lastName, m_fields.firstName);
    setTabOrder(m_fields.firstName, m_fields.studentId);
    setTabOrder(m_fields.studentId, m_fields.gradeLevel);
    setTabOrder(m_fields.gradeLevel, m_fields.bookNumber);
    setTabOrder(m_fields.bookNumber, m_fields.phone);
    setTabOrder(m_fields.phone, m_add);
    setTabOrder(m_add, m_close);
    m_fields.lastName->setFocus();
}

void CAddStudentDlg::accept() {
    FieldReader reader(this);
    StudentFields fields;
    if (!m_fields.Read(reader, fields))
        return;
    switch (m_host.Document().AddStudent(fields)) {
    case CMarkwiseDoc::AddResult::Ignored:
        // Both names empty: nothing to add, and the boxes keep what was typed.
        return;
    case CMarkwiseDoc::AddResult::Added:
        m_host.Repaint();
        break;
    case CMarkwiseDoc::AddResult::Full:
        UiSeam::tell(this, QStringLiteral("All Name slots full!"));
        break;
    }
    m_fields.Clear();
    m_fields.lastName->setFocus();
}

} // namespace markwise
