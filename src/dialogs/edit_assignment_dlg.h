#pragma once

#include <QCoreApplication>
#include <QDialog>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace markwise {

class DialogHost;
class LimitedLineEdit;

// "Edit Assignment": an assignment's details and one student's score; with Fast Edit on,
// each Update moves to the next student, ready for the next score. Stays open.
class CEditAssignmentDlg : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(CEditAssignmentDlg)
public:
    CEditAssignmentDlg(DialogHost& host, int assignment, int student, QWidget* parent = nullptr);

    // Closes at once, as if cancelled, when the class has no assignments.
    int exec() override;
    // Update and Enter; the dialog stays open.
    void accept() override;

    int Assignment() const { return m_assignment; }
    int Student() const { return m_student; }

    QListWidget* AssignmentList() const { return m_assignments; }
    QListWidget* StudentList() const { return m_students; }
    QCheckBox* FastEditBox() const { return m_fastEdit; }
    QLineEdit* TitleBox() const { return m_title; }
    QLineEdit* PointsBox() const { return m_points; }
    QLineEdit* ScoreBox() const { return m_score; }
    QCheckBox* NotAvailableBox() const { return m_notAvailable; }
    LimitedLineEdit* DescriptionBox() const { return m_description; }
    QPushButton* UpdateButton() const { return m_update; }
    QPushButton* CloseButton() const { return m_close; }
    // The assignment's category; none while the class has no categories.
    QComboBox* CategoryBox() const { return m_category; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void BuildLayout();
    void Refresh();
    // The selected student's score, N/A box and score box, for the Fast Edit state.
    void ShowScore();
    void SelectionChanged();
    void NotAvailableClicked(bool checked);

    DialogHost& m_host;
    // Everything one opening stores is one undo step.
    int m_session;
    bool m_fastEdited = false;
    int m_assignment;
    int m_student;
    QListWidget* m_assignments;
    QListWidget* m_students;
    QCheckBox* m_fastEdit;
    QLineEdit* m_title;
    QLineEdit* m_points;
    QLineEdit* m_score;
    QCheckBox* m_notAvailable;
    LimitedLineEdit* m_description;
    QComboBox* m_category = nullptr;
    QPushButton* m_update;
    QPushButton* m_close;
};

} // namespace markwise
