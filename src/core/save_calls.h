#pragma once

#include <cstddef>
#include <sys/types.h>

// The system calls that decide whether a save reaches the disk, each in a file of its own
// so that a test can link in versions that fail on demand and walk every failure path.
namespace markwise::save_calls {

ssize_t Write(int fd, const void* data, std::size_t size);
int Sync(int fd);
int Rename(const char* from, const char* to);
// fd is the open folder the renamed file lives in.
int SyncFolder(int fd);

} // namespace markwise::save_calls
