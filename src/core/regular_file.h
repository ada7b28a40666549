#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace markwise {

// Reads a whole regular file of at most maxSize bytes. The file is opened without
// blocking, so a pipe, device or folder given by mistake is refused at once instead of
// hanging or reading forever. On failure reason is one sentence for the user; kind names
// what the file should be ("class file") when it is too large.
bool ReadRegularFile(const std::string& path, std::size_t maxSize, const std::string& kind,
                     std::vector<unsigned char>& bytes, std::string& reason);

} // namespace markwise
