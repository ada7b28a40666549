#include "atomic_file.h"

#include <cerrno>
#include <chrono>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace markwise {

namespace {

std::string WriteReason(int error) {
    switch (error) {
    case ENOENT:
    case ENOTDIR:
        return "The folder does not exist.";
    case EACCES:
    case EPERM:
        return "You do not have permission to write there.";
    case EISDIR:
        return "A folder of that name is in the way.";
    default:
        return std::string(std::strerror(error)) + ".";
    }
}

// Saving through a symbolic link replaces the file it points to, not the link.
std::string ResolveTarget(const std::string& path) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) {
        return path;
    }
    char resolved[PATH_MAX];
    return ::realpath(path.c_str(), resolved) ? std::string(resolved) : path;
}

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::uint64_t NextRandom() {
    static std::uint64_t state =
        std::uint64_t(std::chrono::steady_clock::now().time_since_epoch().count()) ^
        (std::uint64_t(::getpid()) << 32);
    // splitmix64: enough to make clashes with other writers unlikely; O_EXCL makes them safe.
    std::uint64_t z = (state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

// Creates a new file beside target with a unique name. Mode 0666 lets the umask decide,
// as for any new file.
int CreateTemporary(const std::string& target, std::string& tempPath) {
    static constexpr char kDigits[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    const std::string folder = FolderOf(target);
    const std::string base = target.substr(target.rfind('/') + 1);
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::uint64_t bits = NextRandom();
        std::string suffix(8, '0');
        for (char& c : suffix) {
            c = kDigits[bits % 36];
            bits /= 36;
        }
        tempPath = folder + "/." + base + "." + suffix + ".tmp";
        const int fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    errno = EEXIST;
    return -1;
}

bool WriteAll(int fd, const unsigned char* data, std::size_t size) {
    while (size > 0) {
        const ssize_t written = ::write(fd, data, size);
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        data += written;
        size -= std::size_t(written);
    }
    return true;
}

void SyncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

bool WriteFileAtomically(const std::string& path, const void* data, std::size_t size,
                         std::string& error) {
    const std::string target = ResolveTarget(path);
    std::string tempPath;
    const int fd = CreateTemporary(target, tempPath);
    if (fd < 0) {
        error = "Could not save \"" + path + "\". " + WriteReason(errno);
        return false;
    }

    // An existing file keeps its permissions; a new one gets the umask's.
    struct stat existing {};
    bool ok = ::stat(target.c_str(), &existing) != 0 || S_ISDIR(existing.st_mode) ||
              ::fchmod(fd, existing.st_mode & 07777) == 0;
    ok = ok && WriteAll(fd, static_cast<const unsigned char*>(data), size) && ::fsync(fd) == 0;
    int failure = ok ? 0 : errno;
    if (::close(fd) != 0 && ok) {
        ok = false;
        failure = errno;
    }
    if (ok && ::rename(tempPath.c_str(), target.c_str()) != 0) {
        ok = false;
        failure = errno;
    }
    if (!ok) {
        ::unlink(tempPath.c_str());
        error = "Could not save \"" + path + "\". " + WriteReason(failure);
        return false;
    }
    SyncFolder(FolderOf(target));
    return true;
}

} // namespace markwise
