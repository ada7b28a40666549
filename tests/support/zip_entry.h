#pragma once

// One file of a zip archive (a workbook), found through the central directory and
// inflated, so tests can read the XML a workbook holds. Empty when it is not there.
#include <cstdint>
#include <string>
#include <string_view>
#include <zlib.h>

namespace markwise::test {

inline std::string ZipEntry(const std::string& zip, std::string_view name) {
    const auto number = [&zip](std::size_t at, int bytes) {
        std::uint32_t value = 0;
        for (int i = bytes - 1; i >= 0; --i)
            value = value << 8 | static_cast<unsigned char>(zip[at + i]);
        return std::size_t{value};
    };
    for (std::size_t at = zip.find("PK\x01\x02"); at != std::string::npos && at + 46 <= zip.size();
         at = zip.find("PK\x01\x02", at + 4)) {
        const std::size_t nameSize = number(at + 28, 2);
        if (std::string_view(zip).substr(at + 46, nameSize) != name)
            continue;
        const std::size_t method = number(at + 10, 2);
        const std::size_t packed = number(at + 20, 4);
        std::string out(number(at + 24, 4), '\0');
        const std::size_t local = number(at + 42, 4);
        const std::size_t data = local + 30 + number(local + 26, 2) + number(local + 28, 2);
        if (data + packed > zip.size())
            return {};
        if (method == 0)
            return zip.substr(data, packed);
        z_stream stream{};
        if (inflateInit2(&stream, -MAX_WBITS) != Z_OK)
            return {};
        stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(zip.data() + data));
        stream.avail_in = static_cast<uInt>(packed);
        stream.next_out = reinterpret_cast<Bytef*>(out.data());
        stream.avail_out = static_cast<uInt>(out.size());
        const int result = inflate(&stream, Z_FINISH);
        inflateEnd(&stream);
        return result == Z_STREAM_END ? out : std::string();
    }
    return {};
}

} // namespace markwise::test
