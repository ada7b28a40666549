#pragma once

#include <QCoreApplication>
#include <QDialog>

class QListWidget;
class QPushButton;

namespace markwise {

class DialogHost;

// "Sort by Assignment Grade": puts the class in descending order of one assignment's scores.
class CSortByAssignmentDlg : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(CSortByAssignmentDlg)
public:
    explicit CSortByAssignmentDlg(DialogHost& host, QWidget* parent = nullptr);

    // Closes at once, as if cancelled, when the class has no assignments.
    int exec() override;
    void accept() override;

    QListWidget* List() const { return m_list; }
    QPushButton* OkButton() const { return m_ok; }
    QPushButton* CancelButton() const { return m_cancel; }

private:
    DialogHost& m_host;
    QListWidget* m_list;
    QPushButton* m_ok;
    QPushButton* m_cancel;
};

} // namespace markwise
