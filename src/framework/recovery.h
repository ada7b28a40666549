#pragma once

#include <QDateTime>
#include <QObject>
#include <QString>
#include <QTimer>
#include <map>
#include <vector>

class QWidget;

namespace markwise {

class CDocManager;
class CDocument;

// Recovery copies of classes with unsaved changes, so that a crash, a kill or a logout
// loses at most the last two seconds of work. Each copy is a class file plus a small
// record (path or untitled, title, time, process) in the recovery folder, both written
// through the atomic save. A copy goes when its class is saved or closed and when the
// program ends normally; one left by a process that no longer runs is offered at start.
// A class's change signal says when to write.
class CRecoveryCopies : public QObject {
    Q_OBJECT
public:
    // $XDG_STATE_HOME/Markwise/recovery, else ~/.local/state/Markwise/recovery.
    static QString DefaultFolder();

    CRecoveryCopies(CDocManager& manager, QString folder = DefaultFolder());
    // A normal end: this process's copies are removed.
    ~CRecoveryCopies() override;

    const QString& folder() const { return m_folder; }

    // The one hook for changes: a class changed, so copies are written within a second
    // (changes in between are taken along).
    void NoteChange();
    // Writes the copy of every class with unsaved changes that differs from its last copy,
    // and removes the copies of classes saved meanwhile.
    void WriteChangedCopies();

    // A copy left by a process that no longer runs.
    struct Abandoned {
        QString copyFile;
        QString recordFile;
        QString path; // empty: the class had never been saved
        QString title;
        QDateTime time;
    };
    std::vector<Abandoned> FindAbandoned() const;
    // Asks once about every abandoned copy: Recover opens each as a modified class that
    // saves to its own path; Discard deletes them. Either way the old copies go.
    void OfferRecovery(QWidget* parent);

private:
    struct Copy {
        QString base; // file name without extension, unique to this process and class
        std::vector<unsigned char> bytes;
    };
    void WatchDocuments();
    void Forget(QObject* document);
    bool Write(const CDocument& document, Copy& copy, std::vector<unsigned char> bytes);

    CDocManager& m_manager;
    QString m_folder;
    QTimer m_timer;
    std::map<const QObject*, Copy> m_copies;
    int m_serial = 0;
};

} // namespace markwise
