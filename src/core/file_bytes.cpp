#include "file_bytes.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace markwise {

namespace {

std::string SystemReason(int error) {
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

} // namespace

bool ReadFileBytes(const std::string& path, std::size_t maxSize, std::string_view kind,
                   std::vector<unsigned char>& bytes, std::string& reason) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        reason = SystemReason(errno);
        return false;
    }
    struct stat info {};
    bool ok = ::fstat(fd, &info) == 0;
    if (!ok) {
        reason = SystemReason(errno);
    } else if (S_ISDIR(info.st_mode)) {
        ok = false;
        reason = SystemReason(EISDIR);
    } else if (S_ISREG(info.st_mode) && std::size_t(info.st_size) > maxSize) {
        ok = false;
        reason = "At " + std::to_string(info.st_size / (1 << 20)) + " MB it is far larger than " +
                 std::string(kind) + ".";
    }
    // Read in chunks until end of file so that pipes and growing files are bounded too.
    unsigned char chunk[1 << 16];
    while (ok) {
        const ssize_t got = ::read(fd, chunk, sizeof chunk);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            ok = false;
            reason = SystemReason(errno);
        } else if (got == 0) {
            break;
        } else if (bytes.size() + std::size_t(got) > maxSize) {
            ok = false;
            reason = "It is far larger than " + std::string(kind) + ".";
        } else {
            bytes.insert(bytes.end(), chunk, chunk + got);
        }
    }
    ::close(fd);
    return ok;
}

} // namespace markwise
