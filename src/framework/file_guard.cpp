#include "file_guard.h"

#include "file_names.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
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

DiskStamp DiskStamp::ofBytes(const std::vector<unsigned char>& bytes) {
    DiskStamp stamp;
    stamp.exists = true;
    stamp.size = qint64(bytes.size());
    stamp.hash = QCryptographicHash::hash(
        QByteArrayView(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size())),
        QCryptographicHash::Sha256);
    return stamp;
}

bool DiskStamp::sameBytes(const DiskStamp& other) const {
    return exists == other.exists && size == other.size && hash == other.hash;
}

// "absent", or "<size> <hash in hex>" (the hash may be missing).
QString DiskStamp::toText() const {
    return exists ? QString::number(size) + ' ' + QString::fromLatin1(hash.toHex())
                  : QStringLiteral("absent");
}

DiskStamp DiskStamp::fromText(const QString& text) {
    DiskStamp stamp;
    if (text == QLatin1String("absent"))
        return stamp;
    // Anything else, even unreadable, stands for a file: it is compared before a save.
    stamp.exists = true;
    bool ok = false;
    stamp.size = text.section(' ', 0, 0).toLongLong(&ok);
    if (!ok)
        stamp.size = -1;
    stamp.hash = QByteArray::fromHex(text.section(' ', 1, 1).toLatin1());
    return stamp;
}

namespace {

bool SameFile(int fd, const QByteArray& path) {
    struct stat held {};
    struct stat named {};
    return ::fstat(fd, &held) == 0 && ::stat(path.constData(), &named) == 0 &&
           held.st_dev == named.st_dev && held.st_ino == named.st_ino;
}

} // namespace

std::unique_ptr<HeldFile> HeldFile::take(const QString& path, const QByteArray& text,
                                         Outcome& outcome) {
    const QByteArray bytes = QByteArray::fromStdString(pathBytes(path));
    outcome = Outcome::Unavailable;
    // A holder that lets go removes the file: what was opened may be gone from the folder.
    for (int attempt = 0; attempt < 10; ++attempt) {
        const int fd = ::open(bytes.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
        if (fd < 0)
            return nullptr;
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            if (errno == EWOULDBLOCK)
                outcome = Outcome::HeldElsewhere;
            ::close(fd);
            return nullptr;
        }
        if (!SameFile(fd, bytes)) {
            ::close(fd);
            continue;
        }
        if (::ftruncate(fd, 0) != 0 || ::pwrite(fd, text.constData(), text.size(), 0) < 0) {
            ::close(fd); // held, but it cannot say by whom: as good as no lock
            return nullptr;
        }
        outcome = Outcome::Taken;
        return std::unique_ptr<HeldFile>(new HeldFile(fd, bytes));
    }
    return nullptr;
}

bool HeldFile::removeIfUnheld(const QString& path) {
    const QByteArray bytes = QByteArray::fromStdString(pathBytes(path));
    const int fd = ::open(bytes.constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0)
        return errno == ENOENT;
    // Removed while held here, so a holder arriving meanwhile finds it gone and makes anew.
    const bool unheld = ::flock(fd, LOCK_EX | LOCK_NB) == 0;
    if (unheld && SameFile(fd, bytes))
        ::unlink(bytes.constData());
    ::close(fd);
    return unheld;
}

HeldFile::~HeldFile() {
    ::unlink(m_path.constData());
    ::close(m_fd);
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

std::unique_ptr<HeldFile> ClassLock::take(const QString& canonicalPath, qint64& holder) {
    holder = 0;
    const QString path = lockPath(canonicalPath);
    if (!QDir().mkpath(QFileInfo(path).path()))
        return nullptr;
    HeldFile::Outcome outcome;
    std::unique_ptr<HeldFile> lock = HeldFile::take(
        path, QByteArray::number(QCoreApplication::applicationPid()) + '\n', outcome);
    if (outcome == HeldFile::Outcome::HeldElsewhere) {
        QFile file(path);
        bool ok = false;
        if (file.open(QIODevice::ReadOnly))
            holder = file.readLine(32).trimmed().toLongLong(&ok);
        if (!ok || holder <= 0)
            holder = -1; // it has not written its number yet
    }
    return lock;
}

} // namespace markwise
