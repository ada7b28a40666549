#pragma once

#include <QCoreApplication>
#include <QDialog>

class QListWidget;
class QPushButton;

namespace markwise {

class CMarkwiseDoc;

// "Student Report": chooses the student a new report window is for. OK stores the
// selected class position in `student`; closing otherwise leaves it as it was.
class CStudentReportDlg : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(CStudentReportDlg)
public:
    CStudentReportDlg(const CMarkwiseDoc& doc, int& student, QWidget* parent = nullptr);

    // Ends at once, as if cancelled, when the class has no students.
    int exec() override;
    void accept() override;

    QListWidget* List() const { return m_list; }
    QPushButton* OkButton() const { return m_ok; }

private:
    const CMarkwiseDoc& m_doc;
    int& m_student;
    QListWidget* m_list;
    QPushButton* m_ok;
};

} // namespace markwise
