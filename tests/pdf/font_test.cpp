#include "pdf/print_fonts.h"
#include "pdf/truetype.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <map>

namespace markwise::pdf {
namespace {

std::uint32_t be(const std::string& b, std::size_t at, int bytes) {
    std::uint32_t v = 0;
    for (int k = 0; k < bytes; ++k)
        v = v << 8 | std::uint8_t(b.at(at + std::size_t(k)));
    return v;
}

// Each glyph's outline bytes, read from a font file's own tables.
std::vector<std::string> outlines(const std::string& font) {
    std::map<std::string, std::pair<std::uint32_t, std::uint32_t>> tables;
    for (std::uint32_t i = 0, n = be(font, 4, 2); i < n; ++i)
        tables[font.substr(12 + 16 * i, 4)] = {be(font, 12 + 16 * i + 8, 4),
                                               be(font, 12 + 16 * i + 12, 4)};
    const auto [head, headLength] = tables.at("head");
    const bool longOffsets = be(font, head + 50, 2) != 0;
    const auto [maxp, maxpLength] = tables.at("maxp");
    const auto [loca, locaLength] = tables.at("loca");
    const auto [glyf, glyfLength] = tables.at("glyf");
    const auto offset = [&](std::uint32_t g) {
        return longOffsets ? be(font, loca + 4 * g, 4) : 2 * be(font, loca + 2 * g, 2);
    };
    std::vector<std::string> out;
    for (std::uint32_t g = 0; g < be(font, maxp + 4, 2); ++g) {
        std::string outline = font.substr(glyf + offset(g), offset(g + 1) - offset(g));
        while (!outline.empty() && outline.back() == '\0' && outline.size() % 4 != 0)
            outline.pop_back();
        out.push_back(outline);
    }
    return out;
}

// The file fontconfig gives the desktop toolkit for a family.
std::string fontconfigFile(const std::string& family) {
    std::string path;
    if (FILE* pipe = popen(("fc-match -f '%{file}' '" + family + "'").c_str(), "r")) {
        char buffer[512];
        while (const std::size_t n = std::fread(buffer, 1, sizeof buffer, pipe))
            path.append(buffer, n);
        pclose(pipe);
    }
    return path;
}

std::string fileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::unique_ptr<PrintFonts> systemFonts() {
    std::string error;
    auto fonts = PrintFonts::find(error);
    EXPECT_TRUE(fonts) << error;
    return fonts;
}

TEST(PrintFontTest, ThePrintFontIsFoundMeasuredAndLooksUpCharacters) {
    auto fonts = systemFonts();
    ASSERT_TRUE(fonts);
    const TrueTypeFont& font = fonts->font(0);
    std::string error;
    const auto resolved = TrueTypeFont::load(fontconfigFile("Courier New"), 0, error);
    ASSERT_TRUE(resolved) << error;
    EXPECT_EQ(font.postScriptName(), resolved->postScriptName());
    // The monospace face the desktop program prints in: every character one advance.
    const std::uint16_t m = font.glyphOf(U'M');
    ASSERT_NE(m, 0);
    for (const char32_t c : {U'i', U'W', U' ', U'\u00e9', U'\u2026', U'\u20ac'}) {
        ASSERT_NE(font.glyphOf(c), 0) << unsigned(c);
        EXPECT_EQ(font.advance(font.glyphOf(c)), font.advance(m)) << unsigned(c);
    }
    EXPECT_EQ(font.glyphOf(U'\u4e00'), 0);
    EXPECT_EQ(font.glyphOf(U'\U0001F600'), 0);
    // Ascent and descent each rounded at 200 units, as the layouts' line pitch is measured.
    EXPECT_EQ(fonts->lineHeight(),
              int(std::lround(font.ascender() * 200.0 / font.unitsPerEm())) +
                  int(std::lround(font.descender() * 200.0 / font.unitsPerEm())) +
                  int(std::lround(std::max(0, font.lineGap()) * 200.0 / font.unitsPerEm())));
    EXPECT_GT(fonts->lineHeight(), 200);
    // Metrics in 1/64 units, as the desktop toolkit keeps them.
    EXPECT_NEAR(fonts->ascent(), font.ascender() * 200.0 / font.unitsPerEm(), 1.0 / 128);
    EXPECT_EQ(fonts->ascent() * 64, std::round(fonts->ascent() * 64));
    const GlyphPick m2 = fonts->pick(U'M');
    EXPECT_EQ(m2.advance * 64, std::round(font.advance(m) * 200.0 * 64 / font.unitsPerEm()));

    // Characters the print font lacks come from a font that has them, the rest from it.
    const struct {
        char32_t character;
        bool fromPrintFont;
        bool drawn;
    } picks[] = {
        {U'A', true, true},           {U'\u00fc', true, true}, {U'\u4e2d', false, true},
        {U'\u3042', false, true},     {U'\u05d0', true, true}, {U'\x01', true, false},
        {U'\U0010FFFD', true, false},
    };
    for (const auto& p : picks) {
        const GlyphPick pick = fonts->pick(p.character);
        SCOPED_TRACE(unsigned(p.character));
        if (p.fromPrintFont)
            EXPECT_EQ(pick.font, 0);
        else
            EXPECT_GT(pick.font, 0);
        EXPECT_EQ(pick.glyph != 0, p.drawn);
        if (p.drawn) {
            EXPECT_EQ(fonts->font(pick.font).glyphOf(p.character), pick.glyph);
        }
        const GlyphPick again = fonts->pick(p.character);
        EXPECT_EQ(again.font, pick.font);
        EXPECT_EQ(again.glyph, pick.glyph);
    }
}

TEST(PrintFontTest, ASubsetKeepsTheUsedOutlinesTheirPartsAndEveryGlyphNumber) {
    auto fonts = systemFonts();
    ASSERT_TRUE(fonts);
    const TrueTypeFont& font = fonts->font(0);
    std::vector<bool> used(std::size_t(font.glyphCount()), false);
    for (const char32_t c : {U'A', U'\u00c5', U'\u00e9', U'1', U'\u2026'})
        used[font.glyphOf(c)] = true;

    std::string error;
    const std::string subset = font.subset(used);
    const auto reread = TrueTypeFont::parse(subset, 0, error);
    ASSERT_TRUE(reread) << error;
    EXPECT_EQ(reread->glyphCount(), font.glyphCount());
    EXPECT_EQ(reread->unitsPerEm(), font.unitsPerEm());
    EXPECT_EQ(reread->advance(font.glyphOf(U'A')), font.advance(font.glyphOf(U'A')));

    // The font's outlines, from its own file, against the subset's.
    const std::string whole = fileBytes(fontconfigFile("Courier New"));
    const std::vector<std::string> all = outlines(whole), kept = outlines(subset);
    ASSERT_EQ(all.size(), kept.size());
    std::vector<bool> needed = used;
    needed[0] = true; // the missing glyph always stays
    for (std::size_t g = 0; g < all.size(); ++g) {
        // A composite outline's parts are needed too.
        if (needed[g] && all[g].size() >= 10 && std::int16_t(be(all[g], 0, 2)) < 0) {
            for (std::size_t at = 10, flags = 0x20; (flags & 0x20) != 0;) {
                flags = be(all[g], at, 2);
                needed[be(all[g], at + 2, 2)] = true;
                at += 4 + ((flags & 1) ? 4 : 2) +
                      ((flags & 8)      ? 2
                       : (flags & 0x40) ? 4
                       : (flags & 0x80) ? 8
                                        : 0);
            }
        }
    }
    int parts = 0, keptCount = 0;
    for (std::size_t g = 0; g < all.size(); ++g) {
        SCOPED_TRACE(g);
        EXPECT_EQ(kept[g], needed[g] ? all[g] : std::string());
        keptCount += !kept[g].empty();
        parts += needed[g] && !used[g] && g != 0;
    }
    EXPECT_GE(keptCount, 5);
    EXPECT_LT(subset.size(), whole.size() / 4);
    EXPECT_GT(parts, 0); // the accented capital is drawn from others
}

TEST(PrintFontTest, DamagedFontsAreRefusedWithAReason) {
    auto fonts = systemFonts();
    ASSERT_TRUE(fonts);
    const std::string good = fonts->font(0).subset({});
    const struct {
        std::string bytes;
        int face;
        std::string reason;
    } cases[] = {
        {"", 0, "not a TrueType font with outlines"},
        {"OTTO" + std::string(100, '\0'), 0, "not a TrueType font with outlines"},
        {good.substr(0, 200), 0, "a table runs past the end of the file"},
        {"ttcf" + std::string(8, '\0'), 0, "no such face in the collection"},
        {"ttcf" + std::string(4, '\0') + std::string("\0\0\0\1", 4) + std::string(4, '\0'), 1,
         "no such face in the collection"},
    };
    for (const auto& c : cases) {
        std::string error;
        EXPECT_FALSE(TrueTypeFont::parse(c.bytes, c.face, error));
        EXPECT_EQ(error, c.reason);
    }
    std::string error;
    EXPECT_TRUE(TrueTypeFont::parse(good, 0, error)) << error;
    EXPECT_FALSE(TrueTypeFont::load("/nonexistent/font.ttf", 0, error));
    EXPECT_EQ(error, "cannot read the font /nonexistent/font.ttf");
}

} // namespace
} // namespace markwise::pdf
