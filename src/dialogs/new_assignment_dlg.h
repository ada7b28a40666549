#pragma once

#include <QCoreApplication>
#include <QDialog>

class QLineEdit;
class QPushButton;

namespace markwise {

class DialogHost;
class LimitedLineEdit;

// "Create New Assignment": makes one assignment with no scores and brings it into view.
class CNewAssignmentDlg : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(CNewAssignmentDlg)
public:
    explicit CNewAssignmentDlg(DialogHost& host, QWidget* parent = nullptr);

    // Refuses with a message, as if cancelled, when the class already has 200 assignments.
    int exec() override;
    void accept() override;

    // The slot of the assignment OK created, or -1.
    int CreatedAssignment() const { return m_created; }

    LimitedLineEdit* TitleBox() const { return m_title; }
    QLineEdit* PointsBox() const { return m_points; }
    LimitedLineEdit* DescriptionBox() const { return m_description; }
    QPushButton* OkButton() const { return m_ok; }
    QPushButton* CancelButton() const { return m_cancel; }

private:
    DialogHost& m_host;
    LimitedLineEdit* m_title;
    QLineEdit* m_points;
    LimitedLineEdit* m_description;
    QPushButton* m_ok;
    QPushButton* m_cancel;
    int m_created = -1;
};

} // namespace markwise
