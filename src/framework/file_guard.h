#pragma once

#include <QByteArray>
#include <QLockFile>
#include <QString>
#include <memory>

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
    // Same bytes; a new modification time alone (a touch, a copy back) is no change.
    bool sameBytes(const DiskStamp& other) const;
};

// The lock that tells other Markwise processes a class is open. Kept in the runtime
// folder ($XDG_RUNTIME_DIR), never beside the class, and keyed by the canonical path so
// that every spelling of the path meets the same lock. A lock left by a process that no
// longer runs is taken over without a word.
class ClassLock {
public:
    // The lock, or null: then holder is the process holding it, or 0 when no lock can be
    // made at all (the class is then simply opened without one).
    static std::unique_ptr<QLockFile> take(const QString& canonicalPath, qint64& holder);
    static QString lockPath(const QString& canonicalPath);
};

} // namespace markwise
