#include "file_guard.h"

#include "file_names.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace markwise {

DiskStamp DiskStamp::of(const QString& path) {
    DiskStamp stamp;
    const std::string bytes = pathBytes(path);
    struct stat info {};
    stamp.exists = ::stat(bytes.c_str(), &info) == 0;
    if (!stamp.exists || !S_ISREG(info.st_mode))
        return stamp;
    stamp.size = info.st_size;
    // Without blocking: a pipe put in the file's place must not hang the save.
    const int fd = ::open(bytes.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return stamp; // unreadable: no hash, so it never matches
    QCryptographicHash hash(QCryptographicHash::Sha256);
    char chunk[1 << 16];
    ssize_t got = 0;
    while ((got = ::read(fd, chunk, sizeof chunk)) > 0 || (got < 0 && errno == EINTR)) {
        if (got > 0)
            hash.addData(QByteArrayView(chunk, got));
    }
    ::close(fd);
    if (got == 0)
        stamp.hash = hash.result();
    return stamp;
}

bool DiskStamp::sameBytes(const DiskStamp& other) const {
    return exists == other.exists && size == other.size && hash == other.hash;
}

QString ClassLock::lockPath(const QString& canonicalPath) {
    const QString folder =
        QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation) + "/Markwise";
    const QByteArray key =
        QCryptographicHash::hash(QByteArray::fromStdString(pathBytes(canonicalPath)),
                                 QCryptographicHash::Sha256)
            .toHex()
            .left(32);
    return folder + '/' + QString::fromLatin1(key) + ".lock";
}

std::unique_ptr<QLockFile> ClassLock::take(const QString& canonicalPath, qint64& holder) {
    holder = 0;
    const QString path = lockPath(canonicalPath);
    if (!QDir().mkpath(QFileInfo(path).path()))
        return nullptr;
    auto lock = std::make_unique<QLockFile>(path);
    // Only a holder that no longer runs makes a lock stale, however old it is.
    lock->setStaleLockTime(0);
    if (lock->tryLock(0))
        return lock;
    if (lock->error() == QLockFile::LockFailedError) {
        QString host;
        QString application;
        lock->getLockInfo(&holder, &host, &application);
    }
    return nullptr;
}

} // namespace markwise
