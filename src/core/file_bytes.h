#pragma once

#include "message.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace markwise {

// Reads a whole regular file of at most maxSize bytes (a file growing meanwhile included).
// The file is opened without blocking, so a pipe, device or folder given by mistake is
// refused at once instead of hanging or reading forever. On failure returns false and sets
// reason to a sentence such as "The file does not exist." or "It is far larger than <kind>.".
bool ReadFileBytes(const std::string& path, std::size_t maxSize, const Message& kind,
                   std::vector<unsigned char>& bytes, Message& reason);
bool ReadFileBytes(const std::string& path, std::size_t maxSize, const Message& kind,
                   std::vector<unsigned char>& bytes, std::string& reason);

} // namespace markwise
