#pragma once

#include "message.h"

#include <cstddef>
#include <string>

namespace markwise {

// Writes bytes to a temporary file beside path, flushes it to disk, renames it over path
// and flushes the folder. On failure no temporary file is left, path is whole (untouched,
// unless only the folder's flush failed: then it is new) and error says why.
// Refused: a path that is not a regular file (a device, pipe, folder or dangling link) and
// an existing file the user may not write. Temporaries that saves in the same folder by
// processes that no longer run left behind are removed.
bool WriteFileAtomically(const std::string& path, const void* data, std::size_t size,
                         std::string& error);
bool WriteFileAtomically(const std::string& path, const void* data, std::size_t size,
                         Message& error);

// Why path may not be replaced by a save (empty when it may), as WriteFileAtomically
// decides; target is the file a save would replace (a link's target).
Message SaveTargetProblem(const std::string& path, std::string& target);
std::string CheckSaveTarget(const std::string& path, std::string& target);

// False when the file exists and the user may not write it (a new file counts as writable).
bool IsWritable(const std::string& path);

} // namespace markwise
