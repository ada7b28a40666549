// Any bytes through the three conversions: nothing reads or writes out of bounds, and
// Windows-1252 text survives a trip through UTF-8.
#include "core/encoding.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    // Every Windows-1252 byte, the five undefined ones included, survives UTF-8.
    if (markwise::Utf8ToCp1252(markwise::Cp1252ToUtf8(bytes)) != bytes) {
        std::abort();
    }
    // The same bytes taken as UTF-8 and as UTF-16LE code units: at most one byte per
    // character, and what comes out is stable under a further trip.
    const std::string fromUtf8 = markwise::Utf8ToCp1252(bytes);
    if (fromUtf8.size() > size ||
        markwise::Utf8ToCp1252(markwise::Cp1252ToUtf8(fromUtf8)) != fromUtf8) {
        std::abort();
    }
    if (markwise::Utf16LeToCp1252(data, size / 2).size() > size / 2) {
        std::abort();
    }
    return 0;
}
