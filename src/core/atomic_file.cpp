#include "atomic_file.h"

#include "save_calls.h"

#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <random>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace markwise {

namespace {

Message WriteReason(int error) {
    switch (error) {
    case ENOENT:
    case ENOTDIR:
        return Message(MessageId::SaveNoFolder);
    case EACCES:
    case EPERM:
        return Message(MessageId::SaveNoWritePermission);
    case EISDIR:
        return Message(MessageId::SaveFolderInWay);
    default:
        return {MessageId::SystemReason, {std::strerror(error)}};
    }
}

std::string LinkText(const std::string& path) {
    char text[PATH_MAX];
    const ssize_t length = ::readlink(path.c_str(), text, sizeof text);
    return length > 0 ? std::string(text, std::size_t(length)) : std::string();
}

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

// Temporaries are named ".<name>.<process>-<random>.tmp", so those left behind by a save
// that was killed can be told from those of a save still running.
std::string TemporaryPrefix(const std::string& target) {
    return "." + target.substr(target.rfind('/') + 1) + ".";
}

// Creates a new file beside target with a unique name. Mode 0666 lets the umask decide,
// as for any new file.
int CreateTemporary(const std::string& target, std::string& tempPath) {
    static constexpr char kDigits[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    const std::string folder = FolderOf(target);
    // The kernel's random source, asked once per save: clashes with other writers are
    // unlikely, and O_EXCL makes them safe.
    std::random_device source;
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::uint64_t bits = (std::uint64_t(source()) << 32) ^ source();
        std::string suffix(8, '0');
        for (char& c : suffix) {
            c = kDigits[bits % 36];
            bits /= 36;
        }
        tempPath = folder + "/" + TemporaryPrefix(target) + std::to_string(::getpid()) + "-" +
                   suffix + ".tmp";
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
        const ssize_t written = save_calls::Write(fd, data, size);
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

// The rename reaches the disk only with the folder; 0 or why not.
int SyncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        return errno;
    }
    int failure = save_calls::SyncFolder(fd) == 0 ? 0 : errno;
    // Some file systems cannot sync a folder at all; their renames are as safe as they get.
    if (failure == EINVAL || failure == ENOTSUP) {
        failure = 0;
    }
    ::close(fd);
    return failure;
}

bool ProcessIsGone(const std::string& pidText) {
    if (pidText.empty() || pidText.size() > 9 ||
        pidText.find_first_not_of("0123456789") != std::string::npos) {
        return false;
    }
    const long pid = std::strtol(pidText.c_str(), nullptr, 10);
    return pid > 0 && ::kill(pid_t(pid), 0) != 0 && errno == ESRCH;
}

// Any save's temporary in the folder whose process no longer runs, whatever file it was for.
void RemoveStaleTemporaries(const std::string& folder) {
    DIR* dir = ::opendir(folder.c_str());
    if (!dir) {
        return;
    }
    std::vector<std::string> stale;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        // ".<name>.<process>-<8 characters>.tmp"
        if (name.size() < 17 || name[0] != '.' || name.compare(name.size() - 4, 4, ".tmp") != 0 ||
            name[name.size() - 13] != '-') {
            continue;
        }
        const std::size_t dot = name.rfind('.', name.size() - 14);
        if (dot != std::string::npos && dot > 0 &&
            ProcessIsGone(name.substr(dot + 1, name.size() - 14 - dot))) {
            stale.push_back(folder + "/" + name);
        }
    }
    ::closedir(dir);
    for (const std::string& path : stale) {
        ::unlink(path.c_str());
    }
}

} // namespace

// Saving through a symbolic link replaces the file it points to, not the link. Only a
// regular file, or a new one in an existing folder, is replaced: a rename would turn a
// device or pipe into a plain file, and a protected file would lose its protection since
// the rename asks only the folder.
std::string CheckSaveTarget(const std::string& path, std::string& target) {
    return English(SaveTargetProblem(path, target));
}

Message SaveTargetProblem(const std::string& path, std::string& target) {
    target = path;
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0) {
        return {}; // a new file; creating the temporary finds out whether the folder will do
    }
    if (S_ISLNK(info.st_mode)) {
        char resolved[PATH_MAX];
        if (!::realpath(path.c_str(), resolved)) {
            return errno == ENOENT ? Message(MessageId::SaveBrokenLink, {LinkText(path)})
                                   : WriteReason(errno);
        }
        target = resolved;
        if (::stat(target.c_str(), &info) != 0) {
            return WriteReason(errno);
        }
    }
    if (S_ISDIR(info.st_mode)) {
        return WriteReason(EISDIR);
    }
    if (!S_ISREG(info.st_mode)) {
        return Message(MessageId::FileIsDevice);
    }
    if (!IsWritable(target)) {
        return Message(MessageId::SaveWriteProtected);
    }
    return {};
}

bool IsWritable(const std::string& path) {
    return ::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) == 0 || errno == ENOENT;
}

bool WriteFileAtomically(const std::string& path, const void* data, std::size_t size,
                         std::string& error) {
    return InEnglish(
        error, [&](Message& message) { return WriteFileAtomically(path, data, size, message); });
}

bool WriteFileAtomically(const std::string& path, const void* data, std::size_t size,
                         Message& error) {
    std::string target;
    if (Message unfit = SaveTargetProblem(path, target); !unfit.empty()) {
        error = {MessageId::SaveCouldNotSave, {path, std::move(unfit)}};
        return false;
    }
    RemoveStaleTemporaries(FolderOf(target));
    std::string tempPath;
    const int fd = CreateTemporary(target, tempPath);
    if (fd < 0) {
        error = {MessageId::SaveCouldNotSave, {path, WriteReason(errno)}};
        return false;
    }

    // An existing file keeps its permissions; a new one gets the umask's.
    struct stat existing {};
    bool ok = ::stat(target.c_str(), &existing) != 0 || S_ISDIR(existing.st_mode) ||
              ::fchmod(fd, existing.st_mode & 07777) == 0;
    ok = ok && WriteAll(fd, static_cast<const unsigned char*>(data), size) &&
         save_calls::Sync(fd) == 0;
    int failure = ok ? 0 : errno;
    if (::close(fd) != 0 && ok) {
        ok = false;
        failure = errno;
    }
    if (ok && save_calls::Rename(tempPath.c_str(), target.c_str()) != 0) {
        ok = false;
        failure = errno;
    }
    if (!ok) {
        ::unlink(tempPath.c_str());
        error = {MessageId::SaveCouldNotSave, {path, WriteReason(failure)}};
        return false;
    }
    // The file is whole, old or new, either way; but it may not survive a power failure.
    if (const int failure = SyncFolder(FolderOf(target)); failure != 0) {
        error = {MessageId::SaveCouldNotSave, {path, WriteReason(failure)}};
        return false;
    }
    return true;
}

} // namespace markwise
