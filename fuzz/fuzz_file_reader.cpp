// Any bytes: the reader either refuses them with a message or yields a class that
// saves, reloads and saves again to the same bytes.
#include "core/class_file.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string error;
    const auto doc = markwise::ReadClass(data, size, error);
    if (!doc) {
        if (error.empty()) {
            std::abort();
        }
        return 0;
    }
    const std::vector<unsigned char> first = markwise::WriteClass(*doc);
    const auto again = markwise::ReadClass(first.data(), first.size(), error);
    if (!again || markwise::WriteClass(*again) != first) {
        std::abort();
    }
    return 0;
}
