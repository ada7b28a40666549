#include "file_guard.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace markwise {

DiskStamp DiskStamp::of(const QString& path) {
    DiskStamp stamp;
    const QFileInfo info(path);
    if (!info.isFile())
        return stamp;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return stamp;
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!hash.addData(&file))
        return stamp;
    stamp.exists = true;
    stamp.size = info.size();
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
        QCryptographicHash::hash(QFile::encodeName(canonicalPath), QCryptographicHash::Sha256)
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
