#pragma once

#include <QCoreApplication>
#include <QDialog>

class QLineEdit;
class QListWidget;
class QPushButton;

namespace markwise {

class DialogHost;

// "Student Summary": one student's total, possible points, percent and letter grade, and
// under a grading policy each category's part.
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
    // The per-category lines; null for a class without categories.
    QListWidget* BreakdownList() const { return m_breakdown; }

private:
    void ShowStudent(int student);

    DialogHost& m_host;
    QListWidget* m_list;
    QLineEdit* m_total;
    QLineEdit* m_possible;
    QLineEdit* m_percent;
    QLineEdit* m_grade;
    QListWidget* m_breakdown = nullptr;
    QPushButton* m_ok;
};

} // namespace markwise
