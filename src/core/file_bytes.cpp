#include "file_bytes.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace markwise {

namespace {

std::string ReadReason(int error) {
    switch (error) {
    case ENOENT:
        return "The file does not exist.";
    case EACCES:
    case EPERM:
        return "You do not have permission to read it.";
    case EISDIR:
        return "It is a folder, not a file.";
    default:
        return std::string(std::strerror(error)) + ".";
    }
}

std::string TooLarge(std::size_t size, std::string_view kind) {
    return "At " + std::to_string(size / (1 << 20)) + " MB it is far larger than " +
           std::string(kind) + ".";
}

} // namespace

bool ReadFileBytes(const std::string& path, std::size_t maxSize, std::string_view kind,
                   std::vector<unsigned char>& bytes, std::string& reason) {
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
        reason = "It is a device or a pipe, not a file.";
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
