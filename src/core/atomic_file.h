#pragma once

#include <cstddef>
#include <string>

namespace markwise {

// Writes bytes to a temporary file beside path, flushes it to disk and renames it over
// path. On failure the temporary file is removed, path is untouched and error says why.
bool WriteFileAtomically(const std::string& path, const void* data, std::size_t size,
                         std::string& error);

} // namespace markwise
