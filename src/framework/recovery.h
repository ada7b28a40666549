#pragma once

#include <QDateTime>
#include <QObject>
#include <QString>
#include <QTimer>
#include <chrono>
#include <map>
#include <memory>
#include <vector>

class QWidget;

namespace markwise {

class CDocManager;
class CDocument;
class HeldFile;

// Recovery copies of classes with unsaved changes, so that a crash, a kill or a logout
// loses at most the last two seconds of work. Each copy is a class file plus a small
// record (path or untitled, title, time, the file as last loaded or saved) in the
// recovery folder, both written through the atomic save. A copy goes when its class is
// saved or closed and when the program ends normally. Copies are named after a tag made
// at random for each run of the program, which holds "<tag>.live" (a HeldFile) while it
// runs: copies whose tag nobody holds were left by a run that ended, and are offered at
// start, however process ids were reused since. A class's change signal says when to
// write; a copy that cannot be written is said once, and tried again at the next change.
class CRecoveryCopies : public QObject {
    Q_OBJECT
public:
    // $XDG_STATE_HOME/Markwise/recovery, else ~/.local/state/Markwise/recovery.
    static QString DefaultFolder();

    CRecoveryCopies(CDocManager& manager, QString folder = DefaultFolder());
    // A normal end: this process's copies are removed.
    ~CRecoveryCopies() override;

    const QString& folder() const { return m_folder; }
    // How long after a change the copies are written; tests shorten it.
    void setWriteDelay(std::chrono::milliseconds delay) { m_timer.setInterval(delay); }

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
        QString diskStamp; // DiskStamp::toText of the file at path
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
    // Creates the folder and holds this run's tag (when it can): empty, or why not.
    QString Prepare();
    void Failed(const QString& reason);

    CDocManager& m_manager;
    QString m_folder;
    QString m_tag;
    std::unique_ptr<HeldFile> m_live;
    QTimer m_timer;
    std::map<const QObject*, Copy> m_copies;
    int m_serial = 0;
    bool m_failing = false; // said already; said again only after a copy was written
};

} // namespace markwise
