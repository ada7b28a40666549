#pragma once

#include <QByteArray>
#include <QString>
#include <memory>
#include <vector>

class QWidget;

namespace markwise {

// A class file's bytes as last read or written here, to tell whether another program
// changed it since.
struct DiskStamp {
    bool exists = false; // anything by that name
    // A regular file's size and hash; no hash when it cannot be read.
    qint64 size = 0;
    QByteArray hash;

    static DiskStamp of(const QString& path);
    // The stamp a file holding bytes has.
    static DiskStamp ofBytes(const std::vector<unsigned char>& bytes);
    // What a recovery copy keeps of it.
    QString toText() const;
    static DiskStamp fromText(const QString& text);
    // Same bytes; a new modification time alone (a touch, a copy back) is no change.
    bool sameBytes(const DiskStamp& other) const;
};

// A file held with flock(2) while this object lives, and removed when it goes. The kernel
// lets go of the hold however the holder ends, so a file left by a crash never counts as
// held, and neither does a process id in it that another program (or this one, restarted
// in a fresh sandbox) has since been given.
class HeldFile {
public:
    enum class Outcome { Taken, HeldElsewhere, Unavailable };
    // Holds path, made if need be (the folder must exist), with text as its contents.
    static std::unique_ptr<HeldFile> take(const QString& path, const QByteArray& text,
                                          Outcome& outcome);
    // True when path does not exist or nothing holds it; then it is removed.
    static bool removeIfUnheld(const QString& path);
    ~HeldFile();
    HeldFile(const HeldFile&) = delete;
    HeldFile& operator=(const HeldFile&) = delete;

private:
    HeldFile(int fd, QByteArray path) : m_fd(fd), m_path(std::move(path)) {}
    int m_fd;
    QByteArray m_path;
};

// The lock that tells other Markwise processes a class is open: a held file naming the
// holder's process. Kept in the runtime folder ($XDG_RUNTIME_DIR), never beside the class,
// and keyed by the canonical path so that every spelling of the path meets the same lock.
// A lock file nobody holds is taken over without a word.
class ClassLock {
public:
    // The lock, or null: then holder is the process holding it (-1 when it cannot be
    // told), or 0 when no lock can be made at all (the class is then opened without one).
    static std::unique_ptr<HeldFile> take(const QString& canonicalPath, qint64& holder);
    static QString lockPath(const QString& canonicalPath);
};

} // namespace markwise
