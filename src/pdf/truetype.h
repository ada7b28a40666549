#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace markwise::pdf {

// A TrueType font (outlines in a glyf table) read from its file: what a PDF needs to place
// its glyphs and embed it. Collections (.ttc) hold several; face picks one.
class TrueTypeFont {
public:
    // Null with a one-line reason when the bytes are not a TrueType font with outlines.
    static std::unique_ptr<TrueTypeFont> parse(std::string bytes, int face, std::string& error);
    static std::unique_ptr<TrueTypeFont> load(const std::string& path, int face,
                                              std::string& error);

    // The glyph of a character; 0 (the missing glyph) when the font has none.
    std::uint16_t glyphOf(char32_t character) const;
    // Advance width in font units.
    int advance(std::uint16_t glyph) const;
    int glyphCount() const { return m_glyphCount; }

    int unitsPerEm() const { return m_unitsPerEm; }
    int ascender() const { return m_ascender; }   // above the baseline, font units
    int descender() const { return m_descender; } // below it, positive
    int lineGap() const { return m_lineGap; }
    int bbox(int i) const { return m_bbox[i]; } // xMin, yMin, xMax, yMax
    const std::string& postScriptName() const { return m_postScriptName; }

    // The font program with every outline but the used glyphs' (and the parts they are
    // made of) left empty, glyph numbers unchanged: what an embedded subset needs.
    std::string subset(const std::vector<bool>& used) const;

private:
    struct Table {
        std::uint32_t offset = 0;
        std::uint32_t length = 0;
    };
    bool read(int face, std::string& error);
    Table table(const char* tag) const;
    std::uint32_t glyphOffset(int glyph) const;

    std::string m_bytes;
    std::vector<std::pair<std::uint32_t, Table>> m_tables;
    int m_glyphCount = 0;
    int m_unitsPerEm = 1000;
    int m_ascender = 0;
    int m_descender = 0;
    int m_lineGap = 0;
    int m_bbox[4] = {0, 0, 0, 0};
    int m_advanceCount = 0;
    std::uint32_t m_hmtx = 0; // offset of the advances
    bool m_longOffsets = false;
    std::uint32_t m_cmap = 0; // offset of the Unicode subtable; 0 none
    int m_cmapFormat = 0;
    std::string m_postScriptName;
};

} // namespace markwise::pdf
