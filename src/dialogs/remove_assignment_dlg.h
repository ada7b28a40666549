#pragma once

#include <QDialog>

class QListWidget;
class QPushButton;

namespace markwise {

class DialogHost;

// "Remove Assignment": removes the selected assignment with all its scores; stays open.
class CRemoveAssignmentDlg : public QDialog {
public:
    explicit CRemoveAssignmentDlg(DialogHost& host, QWidget* parent = nullptr);

    // Closes at once, as if cancelled, when the class has no assignments.
    int exec() override;
    // Remove and Enter; the dialog stays open.
    void accept() override;

    QListWidget* List() const { return m_list; }
    QPushButton* RemoveButton() const { return m_remove; }
    QPushButton* CloseButton() const { return m_close; }

private:
    void Refresh();

    DialogHost& m_host;
    QListWidget* m_list;
    QPushButton* m_remove;
    QPushButton* m_close;
};

} // namespace markwise
