#pragma once

#include <QCoreApplication>
#include <QDialog>

class QCheckBox;
class QListWidget;
class QPushButton;

namespace markwise {

class DialogHost;

// "Exclude Assignments": counts only the assignments from the chosen one onward.
// The exclusion is not part of the saved class, so the document is not marked modified.
class CExcludeAssignmentsDlg : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(CExcludeAssignmentsDlg)
public:
    explicit CExcludeAssignmentsDlg(DialogHost& host, QWidget* parent = nullptr);

    // Closes at once, as if cancelled, when the class has no assignments.
    int exec() override;
    void accept() override;

    QListWidget* List() const { return m_list; }
    QCheckBox* DontExcludeBox() const { return m_dontExclude; }
    QPushButton* OkButton() const { return m_ok; }
    QPushButton* CancelButton() const { return m_cancel; }

private:
    DialogHost& m_host;
    QListWidget* m_list;
    QCheckBox* m_dontExclude;
    QPushButton* m_ok;
    QPushButton* m_cancel;
};

} // namespace markwise
