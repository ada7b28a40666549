#include "edit_student_dlg.h"

#include "dialog_host.h"
#include "dialog_layout.h"
#include "field_rules.h"
#include "framework/class_editor.h"
#include "list_lines.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <algorithm>

namespace markwise {

CEditStudentDlg::CEditStudentDlg(DialogHost& host, int student, QWidget* parent)
    : QDialog(parent), m_host(host), m_student(student), m_list(MakeList(this, tr("Students"), 24)),
      m_fields(this), m_update(MakeButton(tr("Update"), this)),
      m_close(MakeButton(tr("Close Dialog"), this)) {
    setWindowTitle(tr("Edit Student"));

    auto* group = new QGroupBox(tr("Edit Student Data"), this);
    auto* grid = new QGridLayout(group);
    grid->addWidget(m_fields.lastNameLabel, 0, 0);
    grid->addWidget(m_fields.lastName, 0, 1);
    grid->addWidget(m_fields.firstNameLabel, 1, 0);
    grid->addWidget(m_fields.firstName, 1, 1);
    grid->addWidget(m_fields.studentIdLabel, 2, 0);
    grid->addWidget(m_fields.studentId, 2, 1);
    grid->addWidget(m_fields.gradeLevelLabel, 0, 3);
    grid->addWidget(m_fields.gradeLevel, 0, 4);
    grid->addWidget(m_fields.bookNumberLabel, 1, 3);
    grid->addWidget(m_fields.bookNumber, 1, 4);
    grid->addWidget(m_fields.phoneLabel, 2, 3);
    grid->addWidget(m_fields.phone, 2, 4);
    grid->setColumnMinimumWidth(2, fontMetrics().averageCharWidth() * 2);
    grid->setColumnStretch(5, 1);

    auto* hint = MakeHint(tr("Select a name, make any changes, then click Update."), this);
    LayOutBesideList(this, tr("Select Name:"), m_list, {group, hint}, {m_update, m_close});

    m_update->setDefault(true);
    connect(m_update, &QPushButton::clicked, this, &CEditStudentDlg::accept);
    connect(m_close, &QPushButton::clicked, this, &CEditStudentDlg::reject);
    connect(m_list, &QListWidget::currentRowChanged, this, &CEditStudentDlg::SelectStudent);

    m_fields.ChainTabOrder(m_list, m_update);
    setTabOrder(m_update, m_close);

    Refresh();
    m_list->setFocus();
}

int CEditStudentDlg::exec() {
    if (m_host.data().StudentsInUse() == 0)
        return Rejected;
    return QDialog::exec();
}

void CEditStudentDlg::Refresh() {
    const CMarkwiseDoc& doc = m_host.data();
    m_student = std::clamp(m_student, 0, std::max(0, doc.StudentsInUse() - 1));
    FillList(m_list, StudentLines(doc), m_student);
    m_fields.Load(doc.GetStudent(m_student));
}

void CEditStudentDlg::SelectStudent(int row) {
    if (row < 0)
        return;
    // Whatever was typed for the previous student and not updated is dropped.
    m_student = row;
    m_fields.Load(m_host.data().GetStudent(row));
}

void CEditStudentDlg::accept() {
    const int student = m_list->currentRow();
    if (student < 0)
        return;
    FieldReader reader(this);
    StudentFields fields;
    if (!m_fields.Read(reader, fields))
        return;
    m_host.editor().apply(tr("Edit Student"), EditStudentEdit(student, fields));
    m_student = student;
    Refresh();
}

void CEditStudentDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (QListWidgetItem* item = m_list->currentItem())
        m_list->scrollToItem(item, QAbstractItemView::PositionAtCenter);
}

} // namespace markwise
