#include "shown_text.h"

namespace markwise {

std::string ShownText(std::string_view utf8, LineBreaks breaks) {
    std::string shown;
    shown.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        const bool kept = breaks == LineBreaks::Keep && (c == '\t' || c == '\r' || c == '\n');
        // U+0080..U+009F are C2 80..C2 9F in UTF-8.
        if (c == 0xC2 && i + 1 < utf8.size() && static_cast<unsigned char>(utf8[i + 1]) >= 0x80 &&
            static_cast<unsigned char>(utf8[i + 1]) <= 0x9F) {
            shown += '?';
            ++i;
        } else {
            shown += (c < 0x20 && !kept) || c == 0x7F ? '?' : static_cast<char>(c);
        }
    }
    return shown;
}

} // namespace markwise
