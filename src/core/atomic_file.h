#pragma once

#include <cstddef>
#include <string>

namespace markwise {

// Writes bytes to a temporary file beside path, flushes it to disk and renames it over
// path. On failure the temporary file is removed, path is untouched and error says why.
// Refused: a path that is not a regular file (a device, pipe, folder or dangling link) and
// an existing file the user may not write. Temporaries of earlier saves of the same file
// by processes that no longer run are removed.
bool WriteFileAtomically(const std::string& path, const void* data, std::size_t size,
                         std::string& error);

// Why path may not be replaced by a save (empty when it may), as WriteFileAtomically
// decides; target is the file a save would replace (a link's target).
std::string CheckSaveTarget(const std::string& path, std::string& target);

// False when the file exists and the user may not write it (a new file counts as writable).
bool IsWritable(const std::string& path);

} // namespace markwise
