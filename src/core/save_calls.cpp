#include "save_calls.h"

#include <cstdio>
#include <unistd.h>

namespace markwise::save_calls {

ssize_t Write(int fd, const void* data, std::size_t size) {
    return ::write(fd, data, size);
}

int Sync(int fd) {
    return ::fsync(fd);
}

int Rename(const char* from, const char* to) {
    return std::rename(from, to);
}

int SyncFolder(int fd) {
    return ::fsync(fd);
}

} // namespace markwise::save_calls
