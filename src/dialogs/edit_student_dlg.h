#pragma once

#include "student_fields.h"

#include <QCoreApplication>
#include <QDialog>

class QListWidget;
class QPushButton;

namespace markwise {

class DialogHost;

// "Edit Student": pick a student, change the six fields, Update; stays open.
class CEditStudentDlg : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(CEditStudentDlg)
public:
    CEditStudentDlg(DialogHost& host, int student, QWidget* parent = nullptr);

    // Closes at once, as if cancelled, when the class has no students.
    int exec() override;
    // Update and Enter; the dialog stays open.
    void accept() override;

    QListWidget* List() const { return m_list; }
    StudentFieldBoxes& Fields() { return m_fields; }
    QPushButton* UpdateButton() const { return m_update; }
    QPushButton* CloseButton() const { return m_close; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Refresh();
    void SelectStudent(int row);

    DialogHost& m_host;
    int m_student;
    QListWidget* m_list;
    StudentFieldBoxes m_fields;
    QPushButton* m_update;
    QPushButton* m_close;
};

} // namespace markwise
