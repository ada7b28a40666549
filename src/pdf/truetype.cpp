#include "truetype.h"

#include <algorithm>
#include <cstring>
#include <fstream>

namespace markwise::pdf {

namespace {

// Big-endian reads that give 0 past the end, so a damaged font cannot read out of bounds.
std::uint32_t u16(const std::string& b, std::size_t at) {
    if (at + 2 > b.size())
        return 0;
    return std::uint32_t(std::uint8_t(b[at])) << 8 | std::uint8_t(b[at + 1]);
}
std::int32_t s16(const std::string& b, std::size_t at) {
    return std::int16_t(std::uint16_t(u16(b, at)));
}
std::uint32_t u32(const std::string& b, std::size_t at) {
    return u16(b, at) << 16 | u16(b, at + 2);
}
void put16(std::string& out, std::uint32_t v) {
    out.push_back(char(v >> 8));
    out.push_back(char(v));
}
void put32(std::string& out, std::uint32_t v) {
    put16(out, v >> 16);
    put16(out, v & 0xFFFF);
}
std::uint32_t tagOf(const char* tag) {
    return std::uint32_t(std::uint8_t(tag[0])) << 24 | std::uint32_t(std::uint8_t(tag[1])) << 16 |
           std::uint32_t(std::uint8_t(tag[2])) << 8 | std::uint8_t(tag[3]);
}
std::uint32_t checksum(const std::string& data) {
    std::uint32_t sum = 0;
    for (std::size_t i = 0; i < data.size(); i += 4)
        for (std::size_t k = 0; k < 4; ++k)
            sum += std::uint32_t(i + k < data.size() ? std::uint8_t(data[i + k]) : 0)
                   << (24 - 8 * k);
    return sum;
}

} // namespace

std::unique_ptr<TrueTypeFont> TrueTypeFont::parse(std::string bytes, int face, std::string& error) {
    // NOLINTNEXTLINE(modernize-make-unique): the constructor is private
    auto font = std::unique_ptr<TrueTypeFont>(new TrueTypeFont);
    font->m_bytes = std::move(bytes);
    if (!font->read(face, error))
        return nullptr;
    return font;
}

std::unique_ptr<TrueTypeFont> TrueTypeFont::load(const std::string& path, int face,
                                                 std::string& error) {
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    std::string bytes(in ? std::size_t(std::max<std::streamoff>(0, in.tellg())) : 0, '\0');
    if (!in.seekg(0) || !in.read(bytes.data(), std::streamsize(bytes.size())) || bytes.empty()) {
        error = "cannot read the font " + path;
        return nullptr;
    }
    auto font = parse(std::move(bytes), face, error);
    if (!font)
        error = path + ": " + error;
    return font;
}

TrueTypeFont::Table TrueTypeFont::table(const char* tag) const {
    const std::uint32_t wanted = tagOf(tag);
    for (const auto& [t, where] : m_tables)
        if (t == wanted)
            return where;
    return {};
}

bool TrueTypeFont::read(int face, std::string& error) {
    const std::string& b = m_bytes;
    std::size_t directory = 0;
    if (u32(b, 0) == tagOf("ttcf")) {
        if (face < 0 || std::uint32_t(face) >= u32(b, 8)) {
            error = "no such face in the collection";
            return false;
        }
        directory = u32(b, 12 + 4 * std::size_t(face));
    }
    const std::uint32_t version = u32(b, directory);
    if (version != 0x00010000 && version != tagOf("true")) {
        error = "not a TrueType font with outlines";
        return false;
    }
    const std::uint32_t count = u16(b, directory + 4);
    for (std::uint32_t i = 0; i < count; ++i) {
        const std::size_t at = directory + 12 + 16 * std::size_t(i);
        const Table where{u32(b, at + 8), u32(b, at + 12)};
        if (std::size_t(where.offset) + where.length > b.size()) {
            error = "a table runs past the end of the file";
            return false;
        }
        m_tables.emplace_back(u32(b, at), where);
    }
    const Table head = table("head"), hhea = table("hhea"), maxp = table("maxp");
    if (head.length < 54 || hhea.length < 36 || maxp.length < 6 || table("glyf").length == 0 ||
        table("loca").length == 0 || table("hmtx").length == 0) {
        error = "not a TrueType font with outlines";
        return false;
    }
    m_unitsPerEm = std::max<int>(16, int(u16(b, head.offset + 18)));
    for (int i = 0; i < 4; ++i)
        m_bbox[i] = s16(b, head.offset + 36 + 2 * std::size_t(i));
    m_longOffsets = s16(b, head.offset + 50) != 0;
    m_ascender = s16(b, hhea.offset + 4);
    m_descender = -s16(b, hhea.offset + 6);
    m_lineGap = s16(b, hhea.offset + 8);
    m_advanceCount = std::max<int>(1, int(u16(b, hhea.offset + 34)));
    m_hmtx = table("hmtx").offset;
    m_glyphCount = int(u16(b, maxp.offset + 4));
    const std::size_t locaNeeded = (std::size_t(m_glyphCount) + 1) * (m_longOffsets ? 4 : 2);
    if (table("loca").length < locaNeeded ||
        table("hmtx").length < std::size_t(m_advanceCount) * 4) {
        error = "the glyph tables are cut short";
        return false;
    }

    // The Unicode character map: the full repertoire (3,10) before the basic plane (3,1 / 0,x).
    const Table cmap = table("cmap");
    int best = 0;
    for (std::uint32_t i = 0, n = u16(b, cmap.offset + 2); cmap.length != 0 && i < n; ++i) {
        const std::size_t at = cmap.offset + 4 + 8 * std::size_t(i);
        const std::uint32_t platform = u16(b, at), encoding = u16(b, at + 2);
        const std::uint32_t sub = cmap.offset + u32(b, at + 4);
        const int format = int(u16(b, sub));
        const int rank = format == 12 && (platform == 3 || platform == 0) ? 3
                         : format == 4 && platform == 3 && encoding == 1  ? 2
                         : format == 4 && platform == 0                   ? 1
                                                                          : 0;
        if (rank > best) {
            best = rank;
            m_cmap = sub;
            m_cmapFormat = format;
        }
    }

    // The PostScript name (name id 6), for the embedded font's name.
    const Table name = table("name");
    for (std::uint32_t i = 0, n = u16(b, name.offset + 2); name.length != 0 && i < n; ++i) {
        const std::size_t at = name.offset + 6 + 12 * std::size_t(i);
        if (u16(b, at + 6) != 6)
            continue;
        const std::size_t from = name.offset + u16(b, name.offset + 4) + u16(b, at + 10);
        const std::size_t length = u16(b, at + 8);
        const bool wide = u16(b, at) == 3 || u16(b, at) == 0;
        std::string text;
        for (std::size_t k = 0; k < length && from + k < b.size(); k += wide ? 2 : 1) {
            const char c = b[from + k + (wide ? 1 : 0)];
            if ((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
                c == '-' || c == '_')
                text.push_back(c);
        }
        if (!text.empty()) {
            m_postScriptName = text;
            break;
        }
    }
    if (m_postScriptName.empty())
        m_postScriptName = "Font";
    return true;
}

std::uint16_t TrueTypeFont::glyphOf(char32_t character) const {
    const std::string& b = m_bytes;
    if (m_cmap == 0)
        return 0;
    if (m_cmapFormat == 12) {
        std::uint32_t low = 0, high = u32(b, m_cmap + 12);
        while (low < high) {
            const std::uint32_t mid = (low + high) / 2;
            const std::size_t at = m_cmap + 16 + 12 * std::size_t(mid);
            if (character < u32(b, at))
                high = mid;
            else if (character > u32(b, at + 4))
                low = mid + 1;
            else
                return std::uint16_t(u32(b, at + 8) + (character - u32(b, at)));
        }
        return 0;
    }
    if (character > 0xFFFF)
        return 0;
    const std::uint32_t segments = u16(b, m_cmap + 6) / 2;
    const std::size_t ends = m_cmap + 14, starts = ends + 2 * segments + 2;
    const std::size_t deltas = starts + 2 * segments, ranges = deltas + 2 * segments;
    std::uint32_t low = 0, high = segments;
    while (low < high) {
        const std::uint32_t mid = (low + high) / 2;
        if (u16(b, ends + 2 * mid) < character)
            low = mid + 1;
        else
            high = mid;
    }
    if (low == segments || u16(b, starts + 2 * low) > character)
        return 0;
    const std::uint32_t delta = u16(b, deltas + 2 * low);
    const std::uint32_t range = u16(b, ranges + 2 * low);
    if (range == 0)
        return std::uint16_t(character + delta);
    const std::uint32_t glyph =
        u16(b, ranges + 2 * low + range + 2 * (character - u16(b, starts + 2 * low)));
    return glyph == 0 ? 0 : std::uint16_t(glyph + delta);
}

int TrueTypeFont::advance(std::uint16_t glyph) const {
    const int entry = std::min<int>(glyph, m_advanceCount - 1);
    return int(u16(m_bytes, m_hmtx + 4 * std::size_t(entry)));
}

std::uint32_t TrueTypeFont::glyphOffset(int glyph) const {
    const std::uint32_t loca = table("loca").offset;
    return m_longOffsets ? u32(m_bytes, loca + 4 * std::size_t(glyph))
                         : 2 * u16(m_bytes, loca + 2 * std::size_t(glyph));
}

std::string TrueTypeFont::subset(const std::vector<bool>& used) const {
    const std::string& b = m_bytes;
    const Table glyf = table("glyf");
    // A composite glyph is drawn from others: they come along, and theirs in turn.
    std::vector<bool> keep(std::size_t(m_glyphCount), false);
    std::vector<int> pending;
    for (int g = 0; g < m_glyphCount; ++g)
        if ((g == 0 || (std::size_t(g) < used.size() && used[std::size_t(g)])))
            pending.push_back(g);
    while (!pending.empty()) {
        const int g = pending.back();
        pending.pop_back();
        if (keep[std::size_t(g)])
            continue;
        keep[std::size_t(g)] = true;
        const std::uint32_t from = glyphOffset(g), to = glyphOffset(g + 1);
        if (to <= from || s16(b, glyf.offset + from) >= 0)
            continue;
        std::size_t at = glyf.offset + from + 10;
        for (std::uint32_t flags = 0x20; (flags & 0x20) != 0 && at < glyf.offset + to;) {
            flags = u16(b, at);
            const int component = int(u16(b, at + 2));
            if (component < m_glyphCount)
                pending.push_back(component);
            at += 4 + ((flags & 0x1) ? 4 : 2) +
                  ((flags & 0x8)    ? 2
                   : (flags & 0x40) ? 4
                   : (flags & 0x80) ? 8
                                    : 0);
        }
    }

    std::string glyphs, loca;
    for (int g = 0; g < m_glyphCount; ++g) {
        put32(loca, std::uint32_t(glyphs.size()));
        const std::uint32_t from = glyphOffset(g), to = glyphOffset(g + 1);
        if (keep[std::size_t(g)] && to > from && std::size_t(glyf.offset) + to <= b.size()) {
            glyphs.append(b, glyf.offset + from, to - from);
            glyphs.resize((glyphs.size() + 3) & ~std::size_t(3), '\0');
        }
    }
    put32(loca, std::uint32_t(glyphs.size()));

    // The tables a PDF viewer reads to draw; the rest (names, character maps, layout) stay out.
    std::vector<std::pair<const char*, std::string>> tables;
    for (const char* tag :
         {"cvt ", "fpgm", "glyf", "head", "hhea", "hmtx", "loca", "maxp", "prep"}) {
        const Table where = table(tag);
        if (std::strcmp(tag, "glyf") == 0)
            tables.emplace_back(tag, glyphs);
        else if (std::strcmp(tag, "loca") == 0)
            tables.emplace_back(tag, loca);
        else if (where.length != 0)
            tables.emplace_back(tag, b.substr(where.offset, where.length));
    }
    for (auto& [tag, data] : tables)
        if (std::strcmp(tag, "head") == 0) {
            data.replace(8, 4, 4, '\0');    // checkSumAdjustment, not kept up
            data.replace(50, 2, "\0\1", 2); // long glyph offsets
        }

    std::string out;
    put32(out, 0x00010000);
    const auto count = std::uint32_t(tables.size());
    std::uint32_t power = 1, log = 0;
    while (power * 2 <= count) {
        power *= 2;
        ++log;
    }
    put16(out, count);
    put16(out, power * 16);
    put16(out, log);
    put16(out, count * 16 - power * 16);
    std::uint32_t offset = 12 + 16 * count;
    for (const auto& [tag, data] : tables) {
        put32(out, tagOf(tag));
        put32(out, checksum(data));
        put32(out, offset);
        put32(out, std::uint32_t(data.size()));
        offset += std::uint32_t((data.size() + 3) & ~std::size_t(3));
    }
    for (const auto& [tag, data] : tables) {
        out += data;
        out.resize((out.size() + 3) & ~std::size_t(3), '\0');
    }
    return out;
}

} // namespace markwise::pdf
