#pragma once

#include <string>
#include <string_view>

namespace markwise {

// How wide a text is, in a layout's unit. Texts are drawn unshaped, so a text's width is the
// sum of its characters' advances.
class TextMeasure {
public:
    virtual ~TextMeasure() = default;
    virtual double Advance(char32_t cp) const = 0;
};

// The fixed-pitch measure of the grade sheet and the printouts: every character with a
// Windows-1252 byte is one cell, so Latin columns keep their places; any other character
// (CJK, which is wider) takes what the font gives it.
class CellMeasure : public TextMeasure {
public:
    CellMeasure(double cell, const TextMeasure& font) : m_cell(cell), m_font(font) {}
    double Advance(char32_t cp) const override;

private:
    double m_cell;
    const TextMeasure& m_font;
};

// Cells of a fixed-pitch page: one per character with a Windows-1252 byte, two for any other.
class PageCellMeasure : public TextMeasure {
public:
    double Advance(char32_t cp) const override;
};

double TextWidth(std::string_view utf8, const TextMeasure& measure);

// Whether some character has no Windows-1252 byte: a text whose width only the font knows.
bool HasWideCharacters(std::string_view utf8);

inline constexpr std::string_view kEllipsis = "\u2026";

// The text as it is when it is no wider than room; else its longest beginning (whole
// characters, trailing spaces dropped) that fits with the ellipsis after it.
std::string CutToFit(std::string_view utf8, double room, const TextMeasure& measure);

} // namespace markwise
