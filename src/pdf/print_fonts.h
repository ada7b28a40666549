#pragma once

#include "truetype.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

namespace markwise::pdf {

// One glyph of one of the fonts a document uses (0: the print font, then fallbacks).
struct GlyphPick {
    std::uint16_t font = 0;
    std::uint16_t glyph = 0;
    double advance = 0; // at the character height, in twips
};

// The printed pages' fonts: the print font as the desktop program resolves it through
// fontconfig ("Courier New", else its metric twin "Liberation Mono", a monospace face at
// normal weight), and for each character it lacks the font fontconfig names for that
// character, as the desktop toolkit falls back. Characters no TrueType font has show the
// print font's missing glyph. Kept across documents, so a run over many classes reads each
// font once.
class PrintFonts {
public:
    static constexpr int kCharacterHeight = 200; // twips: 10 points

    // Null with a one-line reason when no print font can be found or read.
    static std::unique_ptr<PrintFonts> find(std::string& error);
    // Over given fonts, no fontconfig (tests): fallbacks are tried in order.
    PrintFonts(std::unique_ptr<TrueTypeFont> print,
               std::vector<std::unique_ptr<TrueTypeFont>> fallbacks);
    ~PrintFonts();
    PrintFonts(const PrintFonts&) = delete;
    PrintFonts& operator=(const PrintFonts&) = delete;

    GlyphPick pick(char32_t character) {
        return character < 256 && m_latinKnown[character] ? m_latin[character]
                                                          : pickFirstTime(character);
    }
    const TrueTypeFont& font(int index) const { return *m_fonts[std::size_t(index)]; }
    int fontCount() const { return int(m_fonts.size()); }

    // Height + leading of the print font at the character height, each rounded to a whole
    // unit as the desktop toolkit measures it: the line pitch page layouts take.
    int lineHeight() const;
    // The print font's ascent at the character height: where a text's baseline lies below
    // its top.
    double ascent() const;

private:
    struct Finder;
    PrintFonts() = default;
    GlyphPick pickFirstTime(char32_t character);
    GlyphPick fallback(char32_t character);
    GlyphPick pickOf(std::size_t font, std::uint16_t glyph) const;

    std::vector<std::unique_ptr<TrueTypeFont>> m_fonts;
    std::vector<std::string> m_fontFiles; // "path#face" of each font from fontconfig
    std::array<GlyphPick, 256> m_latin{};
    std::array<bool, 256> m_latinKnown{};
    std::unordered_map<char32_t, GlyphPick> m_others;
    std::unique_ptr<Finder> m_finder; // none: fallbacks only from the given fonts
    int m_givenFonts = 0;
};

} // namespace markwise::pdf
