#pragma once

#include <QCoreApplication>
#include <QDialog>

class QLineEdit;
class QListWidget;
class QPushButton;

namespace markwise {

class DialogHost;

// "Student Summary": one student's total, possible points, percent and letter grade.
class CStudentSummaryDlg : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(CStudentSummaryDlg)
public:
    explicit CStudentSummaryDlg(DialogHost& host, QWidget* parent = nullptr);

    // Closes at once, as if cancelled, when the class has no students.
    int exec() override;

    QListWidget* List() const { return m_list; }
    QLineEdit* TotalBox() const { return m_total; }
    QLineEdit* PossibleBox() const { return m_possible; }
    QLineEdit* PercentBox() const { return m_percent; }
    QLineEdit* GradeBox() const { return m_grade; }
    QPushButton* OkButton() const { return m_ok; }

private:
    void ShowStudent(int student);

    DialogHost& m_host;
    QListWidget* m_list;
    QLineEdit* m_total;
    QLineEdit* m_possible;
    QLineEdit* m_percent;
    QLineEdit* m_grade;
    QPushButton* m_ok;
};

} // namespace markwise
