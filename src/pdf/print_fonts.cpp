#include "print_fonts.h"

#include <algorithm>
#include <cmath>
#include <fontconfig/fontconfig.h>

namespace markwise::pdf {

// The fontconfig configuration, loaded once per PrintFonts.
struct PrintFonts::Finder {
    FcConfig* config = FcInitLoadConfigAndFonts();
    ~Finder() {
        if (config != nullptr)
            FcConfigDestroy(config);
    }

    // The file of the best match for the pattern, as "path" and face; false when none.
    bool match(FcPattern* pattern, std::string& path, int& face) const {
        FcConfigSubstitute(config, pattern, FcMatchPattern);
        FcDefaultSubstitute(pattern);
        FcResult result = FcResultNoMatch;
        FcPattern* found = FcFontMatch(config, pattern, &result);
        FcPatternDestroy(pattern);
        if (found == nullptr)
            return false;
        FcChar8* file = nullptr;
        int index = 0;
        const bool ok = FcPatternGetString(found, FC_FILE, 0, &file) == FcResultMatch;
        if (ok) {
            path = reinterpret_cast<const char*>(file);
            FcPatternGetInteger(found, FC_INDEX, 0, &index);
            face = index;
        }
        FcPatternDestroy(found);
        return ok;
    }

    static FcPattern* printPattern() {
        FcPattern* pattern = FcPatternCreate();
        for (const char* family : {"Courier New", "Liberation Mono", "monospace"})
            FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family));
        FcPatternAddInteger(pattern, FC_WEIGHT, FC_WEIGHT_REGULAR);
        FcPatternAddInteger(pattern, FC_SLANT, FC_SLANT_ROMAN);
        FcPatternAddInteger(pattern, FC_SPACING, FC_MONO);
        FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
        return pattern;
    }
};

std::unique_ptr<PrintFonts> PrintFonts::find(std::string& error) {
    // NOLINTNEXTLINE(modernize-make-unique): the constructor is private
    auto fonts = std::unique_ptr<PrintFonts>(new PrintFonts);
    fonts->m_finder = std::make_unique<Finder>();
    std::string path;
    int face = 0;
    if (fonts->m_finder->config == nullptr ||
        !fonts->m_finder->match(Finder::printPattern(), path, face)) {
        error = "no print font found (fontconfig names none for Courier New)";
        return nullptr;
    }
    auto print = TrueTypeFont::load(path, face, error);
    if (!print)
        return nullptr;
    fonts->m_fonts.push_back(std::move(print));
    fonts->m_fontFiles.push_back(path + "#" + std::to_string(face));
    fonts->m_givenFonts = 1;
    return fonts;
}

PrintFonts::PrintFonts(std::unique_ptr<TrueTypeFont> print,
                       std::vector<std::unique_ptr<TrueTypeFont>> fallbacks) {
    m_fonts.push_back(std::move(print));
    for (auto& font : fallbacks)
        m_fonts.push_back(std::move(font));
    m_givenFonts = int(m_fonts.size());
    m_fontFiles.resize(m_fonts.size());
}

PrintFonts::~PrintFonts() = default;

GlyphPick PrintFonts::pickFirstTime(char32_t character) {
    if (character < 256) {
        if (!m_latinKnown[character]) {
            m_latin[character] = fallback(character);
            m_latinKnown[character] = true;
        }
        return m_latin[character];
    }
    const auto known = m_others.find(character);
    if (known != m_others.end())
        return known->second;
    return m_others[character] = fallback(character);
}

namespace {
// Font units at the character height, to the 1/64 unit the desktop toolkit keeps metrics in,
// so glyphs land where it puts them.
double scaled(int units, int unitsPerEm) {
    return std::round(double(units) * PrintFonts::kCharacterHeight * 64 / unitsPerEm) / 64;
}
} // namespace

GlyphPick PrintFonts::pickOf(std::size_t font, std::uint16_t glyph) const {
    const TrueTypeFont& f = *m_fonts[font];
    return {std::uint16_t(font), glyph, scaled(f.advance(glyph), f.unitsPerEm())};
}

GlyphPick PrintFonts::fallback(char32_t character) {
    for (int f = 0; f < m_givenFonts; ++f)
        if (const std::uint16_t glyph = m_fonts[std::size_t(f)]->glyphOf(character); glyph != 0)
            return pickOf(std::size_t(f), glyph);
    // Control characters and the like are nobody's to draw: the missing glyph, as on screen.
    if (m_finder == nullptr || character < 0x20 || m_fonts.size() >= 0xFFFF)
        return pickOf(0, 0);
    FcPattern* pattern = Finder::printPattern();
    FcCharSet* wanted = FcCharSetCreate();
    FcCharSetAddChar(wanted, FcChar32(character));
    FcPatternAddCharSet(pattern, FC_CHARSET, wanted);
    FcCharSetDestroy(wanted);
    std::string path;
    int face = 0;
    if (!m_finder->match(pattern, path, face))
        return pickOf(0, 0);
    const std::string key = path + "#" + std::to_string(face);
    auto known = std::find(m_fontFiles.begin(), m_fontFiles.end(), key);
    if (known == m_fontFiles.end()) {
        std::string ignored; // a font that cannot be embedded is simply no fallback
        auto font = TrueTypeFont::load(path, face, ignored);
        m_fontFiles.push_back(key);
        m_fonts.push_back(std::move(font));
        known = m_fontFiles.end() - 1;
    }
    const auto index = std::size_t(known - m_fontFiles.begin());
    const std::uint16_t glyph = m_fonts[index] ? m_fonts[index]->glyphOf(character) : 0;
    return glyph == 0 ? pickOf(0, 0) : pickOf(index, glyph);
}

int PrintFonts::lineHeight() const {
    const TrueTypeFont& f = *m_fonts.front();
    const auto scaled = [&](int units) {
        return int(std::lround(double(units) * kCharacterHeight / f.unitsPerEm()));
    };
    return scaled(f.ascender()) + scaled(f.descender()) + scaled(std::max(0, f.lineGap()));
}

double PrintFonts::ascent() const {
    const TrueTypeFont& f = *m_fonts.front();
    return scaled(f.ascender(), f.unitsPerEm());
}

} // namespace markwise::pdf
