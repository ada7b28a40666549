#include "geometry/text_fit.h"

#include "core/encoding.h"

namespace markwise {

double CellMeasure::Advance(char32_t cp) const {
    return Cp1252Byte(cp) >= 0 ? m_cell : m_font.Advance(cp);
}

double PageCellMeasure::Advance(char32_t cp) const {
    return Cp1252Byte(cp) >= 0 ? 1 : 2;
}

double TextWidth(std::string_view utf8, const TextMeasure& measure) {
    double width = 0;
    for (std::size_t pos = 0; pos < utf8.size();) {
        char32_t cp;
        pos = NextCodePoint(utf8, pos, cp);
        width += measure.Advance(cp);
    }
    return width;
}

bool HasWideCharacters(std::string_view utf8) {
    for (std::size_t pos = 0; pos < utf8.size();) {
        if (static_cast<unsigned char>(utf8[pos]) < 0x80) {
            ++pos;
            continue;
        }
        char32_t cp;
        pos = NextCodePoint(utf8, pos, cp);
        if (Cp1252Byte(cp) < 0)
            return true;
    }
    return false;
}

std::string CutToFit(std::string_view utf8, double room, const TextMeasure& measure) {
    if (TextWidth(utf8, measure) <= room)
        return std::string(utf8);
    double width = TextWidth(kEllipsis, measure);
    std::size_t kept = 0;
    while (kept < utf8.size()) {
        char32_t cp;
        const std::size_t next = NextCodePoint(utf8, kept, cp);
        const double advance = measure.Advance(cp);
        if (width + advance > room)
            break;
        width += advance;
        kept = next;
    }
    while (kept > 0 && utf8[kept - 1] == ' ')
        --kept;
    return std::string(utf8.substr(0, kept)) + std::string(kEllipsis);
}

} // namespace markwise
