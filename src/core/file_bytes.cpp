#include "file_bytes.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace markwise {

namespace {

Message ReadReason(int error) {
    switch (error) {
    case ENOENT:
        return Message(MessageId::FileMissing);
    case EACCES:
    case EPERM:
        return Message(MessageId::FileNoReadPermission);
    case EISDIR:
        return Message(MessageId::FileIsFolder);
    default:
        return {MessageId::SystemReason, {std::strerror(error)}};
    }
}

Message TooLarge(std::size_t size, const Message& kind) {
    return {MessageId::FileTooLarge, {std::to_string(size / (1 << 20)), kind}};
}

} // namespace

bool ReadFileBytes(const std::string& path, std::size_t maxSize, const Message& kind,
                   std::vector<unsigned char>& bytes, std::string& reason) {
    return InEnglish(reason, [&](Message& message) {
        return ReadFileBytes(path, maxSize, kind, bytes, message);
    });
}

bool ReadFileBytes(const std::string& path, std::size_t maxSize, const Message& kind,
                   std::vector<unsigned char>& bytes, Message& reason) {
    bytes.clear();
    // O_NONBLOCK: opening a pipe with no writer would otherwise wait for one forever.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        reason = ReadReason(errno);
        return false;
    }
    struct stat info {};
    bool ok = ::fstat(fd, &info) == 0;
    if (!ok) {
        reason = ReadReason(errno);
    } else if (S_ISDIR(info.st_mode)) {
        ok = false;
        reason = ReadReason(EISDIR);
    } else if (!S_ISREG(info.st_mode)) {
        ok = false;
        reason = Message(MessageId::FileIsDevice);
    } else if (std::size_t(info.st_size) > maxSize) {
        ok = false;
        reason = TooLarge(std::size_t(info.st_size), kind);
    }
    if (ok) // room for what the file holds now, so a large file is not copied as it grows
        bytes.reserve(std::size_t(info.st_size));
    // Read until end of file, so that a file growing meanwhile is bounded too.
    unsigned char chunk[1 << 16];
    while (ok) {
        const ssize_t got = ::read(fd, chunk, sizeof chunk);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            ok = false;
            reason = ReadReason(errno);
        } else if (got == 0) {
            break;
        } else if (bytes.size() + std::size_t(got) > maxSize) {
            ok = false;
            reason = TooLarge(bytes.size() + std::size_t(got), kind);
        } else {
            bytes.insert(bytes.end(), chunk, chunk + got);
        }
    }
    ::close(fd);
    if (!ok) {
        bytes.clear();
    }
    return ok;
}

} // namespace markwise
