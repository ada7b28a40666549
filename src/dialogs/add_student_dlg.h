#pragma once

#include "student_fields.h"

#include <QCoreApplication>
#include <QDialog>

class QPushButton;

namespace markwise {

class DialogHost;

// "Add New Student": appends one student per Add and stays open for the next one.
class CAddStudentDlg : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(CAddStudentDlg)
public:
    explicit CAddStudentDlg(DialogHost& host, QWidget* parent = nullptr);

    StudentFieldBoxes& Fields() { return m_fields; }
    QPushButton* AddButton() const { return m_add; }
    QPushButton* CloseButton() const { return m_close; }

    // The Add button and Enter; the dialog stays open.
    void accept() override;

private:
    DialogHost& m_host;
    StudentFieldBoxes m_fields;
    QPushButton* m_add;
    QPushButton* m_close;
};

} // namespace markwise
