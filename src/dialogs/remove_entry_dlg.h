#pragma once

#include <QCoreApplication>
#include <QDialog>
#include <QString>
#include <QStringList>

class QListWidget;
class QPushButton;

namespace markwise {

class CMarkwiseDoc;
class DialogHost;

// A dialog that removes the entry picked from a list, after the user confirms, and stays
// open for the next one. Subclasses say what the entries are and how one is removed.
class CRemoveEntryDlg : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(CRemoveEntryDlg)
public:
    // Closes at once, as if cancelled, when the class has no entries.
    int exec() override;
    // Remove and Enter; the dialog stays open.
    void accept() override;

    QListWidget* List() const { return m_list; }
    QPushButton* RemoveButton() const { return m_remove; }
    QPushButton* CloseButton() const { return m_close; }

protected:
    struct Setup {
        QString title;
        QString label;
        QString hint;
        QString question;
        int listWidthInChars;
        QStringList (*lines)(const CMarkwiseDoc&);
    };

    CRemoveEntryDlg(DialogHost& host, const Setup& setup, QWidget* parent);

    DialogHost& Host() const { return m_host; }

private:
    virtual int EntriesInUse() const = 0;
    // Checked before asking; false, after telling the user why, refuses the removal.
    virtual bool MayRemove() { return true; }
    virtual void RemoveEntry(int row) = 0;

    void Refresh();

    DialogHost& m_host;
    QString m_question;
    QStringList (*m_lines)(const CMarkwiseDoc&);
    QListWidget* m_list;
    QPushButton* m_remove;
    QPushButton* m_close;
};

} // namespace markwise
