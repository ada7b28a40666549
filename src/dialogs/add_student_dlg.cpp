#include "add_student_dlg.h"

#include "dialog_host.h"
#include "dialog_layout.h"
#include "field_rules.h"
#include "framework/class_editor.h"
#include "framework/ui_seam.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace markwise {

namespace {

// One field of a group box: its label in the top row, its box below.
void AddField(QGridLayout* grid, int column, QLabel* label, QWidget* box) {
    grid->addWidget(label, 0, column);
    grid->addWidget(box, 1, column);
}

} // namespace

CAddStudentDlg::CAddStudentDlg(DialogHost& host, QWidget* parent)
    : QDialog(parent), m_host(host), m_fields(this), m_add(MakeButton(tr("Add"), this)),
      m_close(MakeButton(tr("Close Dialog"), this)) {
    setWindowTitle(tr("Add New Student"));

    auto* basic = new QGroupBox(tr("Basic Information"), this);
    auto* basicGrid = new QGridLayout(basic);
    AddField(basicGrid, 0, m_fields.lastNameLabel, m_fields.lastName);
    basicGrid->addWidget(new QLabel(QStringLiteral(","), basic), 1, 1);
    AddField(basicGrid, 2, m_fields.firstNameLabel, m_fields.firstName);
    AddField(basicGrid, 3, m_fields.studentIdLabel, m_fields.studentId);
    basicGrid->setColumnStretch(4, 1);

    auto* extended = new QGroupBox(tr("Extended Information"), this);
    auto* extendedGrid = new QGridLayout(extended);
    AddField(extendedGrid, 0, m_fields.gradeLevelLabel, m_fields.gradeLevel);
    AddField(extendedGrid, 1, m_fields.bookNumberLabel, m_fields.bookNumber);
    AddField(extendedGrid, 2, m_fields.phoneLabel, m_fields.phone);
    extendedGrid->setColumnStretch(3, 1);

    auto* hint = MakeHint(tr("Press TAB to move between items, and ENTER to add "
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

    m_fields.ChainTabOrder(nullptr, m_add);
    setTabOrder(m_add, m_close);
    m_fields.lastName->setFocus();
}

void CAddStudentDlg::accept() {
    FieldReader reader(this);
    StudentFields fields;
    if (!m_fields.Read(reader, fields))
        return;
    // Both names empty: nothing to add, and the boxes keep what was typed.
    if (fields.firstName.empty() && fields.lastName.empty())
        return;
    const bool full = m_host.data().StudentsInUse() >= kMaxStudents;
    m_host.editor().apply(tr("Add Student"), AddStudentEdit(fields));
    if (full)
        UiSeam::tell(this, tr("All Name slots full!"));
    m_fields.Clear();
    m_fields.lastName->setFocus();
}

} // namespace markwise
