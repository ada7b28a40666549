// Any bytes through the conversions: nothing reads or writes out of bounds, Windows-1252
// text survives a trip through UTF-8, and whatever UTF-16 is accepted survives a trip back.
#include "core/encoding.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    std::string back;
    // Every Windows-1252 byte, the five undefined ones included, survives UTF-8.
    if (!markwise::Utf8ToCp1252(markwise::Cp1252ToUtf8(bytes), back) || back != bytes)
        std::abort();
    // The same bytes taken as UTF-8: at most one UTF-16 unit per byte, one character per unit
    // pair at most, and a prefix never longer than the text.
    const std::u16string units = markwise::Utf8ToUtf16(bytes);
    if (units.size() > size || markwise::CodePointCount(bytes) > size ||
        markwise::Utf8Prefix(bytes, size / 2) > size)
        std::abort();
    (void)markwise::NameSortKey(bytes);
    // Taken as UTF-16LE: what is accepted is well-formed UTF-8 that converts back unchanged.
    std::string utf8;
    if (markwise::Utf16LeToUtf8(data, size / 2, utf8)) {
        const std::u16string again = markwise::Utf8ToUtf16(utf8);
        if (!markwise::IsValidUtf8(utf8) || again.size() != size / 2)
            std::abort();
        for (std::size_t i = 0; i < again.size(); ++i)
            if (again[i] != (data[2 * i] | (data[2 * i + 1] << 8)))
                std::abort();
    }
    return 0;
}
