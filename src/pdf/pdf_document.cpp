#include "pdf_document.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <string_view>

namespace markwise::pdf {

namespace {

constexpr std::size_t kCatalog = 1, kPageTree = 2, kResources = 3;

void number(std::string& out, std::size_t value) {
    char text[24];
    out.append(text, std::size_t(std::to_chars(text, text + sizeof text, value).ptr - text));
}
// At most three decimals, no trailing zeros: the shortest text a reader takes back.
void number(std::string& out, double value) {
    long long thousandths = std::llround(value * 1000);
    if (thousandths < 0) {
        out.push_back('-');
        thousandths = -thousandths;
    }
    number(out, std::size_t(thousandths / 1000));
    int fraction = int(thousandths % 1000);
    if (fraction == 0)
        return;
    out.push_back('.');
    for (int unit = 100; fraction != 0; unit /= 10) {
        out.push_back(char('0' + fraction / unit));
        fraction %= unit;
    }
}
// Two bytes of a glyph number in a literal string: the bytes that would end or change
// it escaped, and a carriage return, which a reader would take for a line end.
void glyph16(std::string& out, unsigned value) {
    for (const char byte : {char(value >> 8), char(value & 0xFF)}) {
        if (byte == '(' || byte == ')' || byte == '\\')
            out.push_back('\\');
        if (byte == '\r') {
            out += "\\r";
            continue;
        }
        out.push_back(byte);
    }
}
void hex16(std::string& out, unsigned value) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    for (int shift = 12; shift >= 0; shift -= 4)
        out.push_back(kDigits[(value >> shift) & 0xF]);
}

// The next character of a UTF-8 text; a broken sequence is U+FFFD and one byte.
char32_t nextCharacter(std::string_view text, std::size_t& at) {
    const auto lead = std::uint8_t(text[at++]);
    if (lead < 0x80)
        return lead;
    const int length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 0;
    if (length == 0 || at + std::size_t(length) - 1 > text.size() || lead > 0xF4)
        return 0xFFFD;
    char32_t value = lead & (0x7F >> length);
    for (int k = 1; k < length; ++k) {
        const auto next = std::uint8_t(text[at + std::size_t(k) - 1]);
        if ((next & 0xC0) != 0x80)
            return 0xFFFD;
        value = value << 6 | (next & 0x3F);
    }
    static constexpr char32_t kLeast[] = {0, 0, 0x80, 0x800, 0x10000};
    if (value < kLeast[length] || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
        return 0xFFFD;
    at += std::size_t(length) - 1;
    return value;
}

} // namespace

// What one font has shown: its glyphs and, for the character map, the character of each.
struct PdfDocument::FontUse {
    std::vector<bool> glyphs;
    std::vector<char32_t> characters; // by glyph; 0 none
};

PdfDocument::PdfDocument(PrintFonts& fonts, PdfPaper paper)
    : m_fonts(fonts), m_paper(paper), m_offsets(kResources + 1, 0),
      m_deflater(std::make_unique<Deflater>()),
      m_pagePacker(std::make_unique<BackgroundDeflater>()) {
    m_out.reserve(1 << 16);
    m_out += "%PDF-1.4\n%\xE2\xE3\xCF\xD3\n";
}

PdfDocument::~PdfDocument() = default;

std::size_t PdfDocument::reserveObject() {
    m_offsets.push_back(0);
    return m_offsets.size() - 1;
}

void PdfDocument::beginObject(std::size_t number) {
    m_offsets[number] = m_out.size();
    pdf::number(m_out, number);
    m_out += " 0 obj\n";
}

std::size_t PdfDocument::beginObject() {
    const std::size_t number = reserveObject();
    beginObject(number);
    return number;
}

void PdfDocument::writeStream(std::string_view dictionary, std::string_view data) {
    const bool packed = m_deflater->pack(data, m_packed);
    writePackedStream(dictionary, packed ? std::string_view(m_packed) : data, packed);
}

void PdfDocument::writePackedStream(std::string_view dictionary, std::string_view body,
                                    bool packed) {
    m_out += "<<";
    m_out += dictionary;
    m_out += packed ? "/Filter/FlateDecode/Length " : "/Length ";
    number(m_out, body.size());
    m_out += ">>\nstream\n";
    m_out += body;
    m_out += "\nendstream\nendobj\n";
}

PdfDocument::FontUse& PdfDocument::fontUse(int index) {
    const auto f = std::size_t(index);
    if (m_used.size() <= f)
        m_used.resize(f + 1);
    FontUse& use = m_used[f];
    if (use.glyphs.empty()) {
        const auto glyphs = std::size_t(m_fonts.font(index).glyphCount());
        use.glyphs.resize(glyphs, false);
        use.characters.resize(glyphs, 0);
    }
    return use;
}

void PdfDocument::addPage(const DrawList& texts) {
    const double scale = 1.0 / 20; // twips to points
    if (m_laidOut.size() <= m_laidOutCount)
        m_laidOut.resize(m_laidOutCount + 1);
    std::string& c = m_laidOut[m_laidOutCount++];
    c.clear();
    // Twips, y downward from the printable area's top-left corner; the text matrix turns
    // the glyphs upright again, and each run moves from the last by Td.
    number(c, scale);
    c += " 0 0 ";
    number(c, -scale);
    c += ' ';
    number(c, m_paper.left);
    c += ' ';
    number(c, m_paper.height - m_paper.top);
    c += " cm\nBT\n1 0 0 -1 0 0 Tm\n";
    int current = -1;
    const double ascent = m_fonts.ascent();
    double lineX = 0, lineY = 0; // where the last run started
    for (const DrawText& text : texts) {
        double x = text.x;
        const double baseline = text.y + ascent;
        std::size_t at = 0;
        bool open = false;
        int runFont = -1;
        FontUse* use = nullptr; // the run font's
        while (at < text.text.size()) {
            char32_t character = std::uint8_t(text.text[at]);
            if (character < 0x80)
                ++at;
            else
                character = nextCharacter(text.text, at);
            const GlyphPick glyph = m_fonts.pick(character);
            if (glyph.font != runFont) {
                if (open)
                    c += ")Tj\n";
                if (glyph.font != current) {
                    c += "/F";
                    number(c, std::size_t(glyph.font));
                    c += ' ';
                    number(c, std::size_t(PrintFonts::kCharacterHeight));
                    c += " Tf\n";
                    current = glyph.font;
                }
                number(c, x - lineX);
                c += ' ';
                number(c, lineY - baseline);
                c += " Td(";
                lineX = x;
                lineY = baseline;
                open = true;
                runFont = glyph.font;
                use = &fontUse(glyph.font);
            }
            if (glyph.glyph < use->glyphs.size() && !use->glyphs[glyph.glyph]) {
                use->glyphs[glyph.glyph] = true;
                use->characters[glyph.glyph] = glyph.glyph == 0 ? 0 : character;
            }
            glyph16(c, glyph.glyph);
            x += glyph.advance;
        }
        if (open)
            c += ")Tj\n";
    }
    c += "ET\n";
    // These pages are deflated while the next ones are laid out.
    if (m_laidOutCount == kPagesPerBatch)
        packLaidOutPages();
}

void PdfDocument::packLaidOutPages() {
    writePagesInFlight();
    m_pagePacker->start(m_laidOut, m_laidOutCount);
    m_pagesInFlight = m_laidOutCount;
    m_laidOutCount = 0;
}

void PdfDocument::writePagesInFlight() {
    if (m_pagesInFlight == 0)
        return;
    m_pagePacker->wait();
    for (std::size_t k = 0; k < m_pagesInFlight; ++k)
        writePage(m_pagePacker->input(k), m_pagePacker->packed(k));
    m_pagesInFlight = 0;
}

void PdfDocument::writePage(std::string_view data, const std::string* packed) {
    const std::size_t page = beginObject();
    const std::size_t content = page + 1;
    m_out += "<</Type/Page/Parent 2 0 R/Resources 3 0 R/MediaBox[0 0 ";
    number(m_out, m_paper.width);
    m_out += ' ';
    number(m_out, m_paper.height);
    m_out += "]/Contents ";
    number(m_out, content);
    m_out += " 0 R>>\nendobj\n";
    beginObject(reserveObject());
    writePackedStream("", packed != nullptr ? std::string_view(*packed) : data, packed != nullptr);
    m_pages.push_back(page);
}

void PdfDocument::writeFont(int index, std::size_t type0) {
    const TrueTypeFont& font = m_fonts.font(index);
    const FontUse& use = m_used[std::size_t(index)];
    const double perMille = 1000.0 / font.unitsPerEm();
    // A subset's name starts with six capitals told by the glyphs it holds.
    std::uint32_t hash = 2166136261u;
    for (std::size_t g = 0; g < use.glyphs.size(); ++g)
        if (use.glyphs[g])
            hash = (hash ^ std::uint32_t(g)) * 16777619u;
    std::string name;
    for (int k = 0; k < 6; ++k, hash /= 26)
        name.push_back(char('A' + hash % 26));
    name += '+' + font.postScriptName();

    const std::size_t cidFont = reserveObject(), descriptor = reserveObject(),
                      program = reserveObject(), toUnicode = reserveObject();
    beginObject(type0);
    m_out +=
        "<</Type/Font/Subtype/Type0/BaseFont/" + name + "/Encoding/Identity-H/DescendantFonts[";
    number(m_out, cidFont);
    m_out += " 0 R]/ToUnicode ";
    number(m_out, toUnicode);
    m_out += " 0 R>>\nendobj\n";

    beginObject(cidFont);
    m_out += "<</Type/Font/Subtype/CIDFontType2/BaseFont/" + name +
             "/CIDSystemInfo<</Registry(Adobe)/Ordering(Identity)/Supplement 0>>/FontDescriptor ";
    number(m_out, descriptor);
    m_out += " 0 R/CIDToGIDMap/Identity/W[";
    for (std::size_t g = 0; g < use.glyphs.size(); ++g) {
        if (!use.glyphs[g])
            continue;
        number(m_out, g);
        m_out += '[';
        number(m_out, double(font.advance(std::uint16_t(g))) * perMille);
        m_out += "]";
    }
    m_out += "]>>\nendobj\n";

    beginObject(descriptor);
    m_out += "<</Type/FontDescriptor/FontName/" + name + "/Flags 4/FontBBox[";
    for (int i = 0; i < 4; ++i) {
        number(m_out, double(font.bbox(i)) * perMille);
        m_out += i < 3 ? " " : "]";
    }
    m_out += "/ItalicAngle 0/Ascent ";
    number(m_out, double(font.ascender()) * perMille);
    m_out += "/Descent ";
    number(m_out, -double(font.descender()) * perMille);
    m_out += "/CapHeight ";
    number(m_out, double(font.ascender()) * perMille);
    m_out += "/StemV 80/FontFile2 ";
    number(m_out, program);
    m_out += " 0 R>>\nendobj\n";

    const std::string subset = font.subset(use.glyphs);
    beginObject(program);
    std::string length = "/Length1 ";
    number(length, subset.size());
    writeStream(length, subset);

    std::string cmap = "/CIDInit/ProcSet findresource begin\n12 dict begin\nbegincmap\n"
                       "/CIDSystemInfo<</Registry(Adobe)/Ordering(UCS)/Supplement 0>>def\n"
                       "/CMapName/Adobe-Identity-UCS def\n/CMapType 2 def\n"
                       "1 begincodespacerange\n<0000><FFFF>\nendcodespacerange\n";
    std::vector<std::size_t> mapped;
    for (std::size_t g = 0; g < use.characters.size(); ++g)
        if (use.characters[g] != 0)
            mapped.push_back(g);
    for (std::size_t from = 0; from < mapped.size(); from += 100) {
        const std::size_t count = std::min<std::size_t>(100, mapped.size() - from);
        number(cmap, count);
        cmap += " beginbfchar\n";
        for (std::size_t k = from; k < from + count; ++k) {
            cmap += '<';
            hex16(cmap, unsigned(mapped[k]));
            cmap += "><";
            const char32_t ch = use.characters[mapped[k]];
            if (ch > 0xFFFF) {
                hex16(cmap, unsigned(0xD800 + ((ch - 0x10000) >> 10)));
                hex16(cmap, unsigned(0xDC00 + ((ch - 0x10000) & 0x3FF)));
            } else {
                hex16(cmap, unsigned(ch));
            }
            cmap += ">\n";
        }
        cmap += "endbfchar\n";
    }
    cmap += "endcmap\nCMapName currentdict/CMap defineresource pop\nend\nend\n";
    beginObject(toUnicode);
    writeStream("", cmap);
}

std::string PdfDocument::finish() {
    writePagesInFlight();
    // The last pages are packed here: handing them over would only wait for them (and a
    // document of a few pages starts no thread at all).
    for (std::size_t k = 0; k < m_laidOutCount; ++k) {
        const bool packed = m_deflater->pack(m_laidOut[k], m_packed);
        writePage(m_laidOut[k], packed ? &m_packed : nullptr);
    }
    m_laidOutCount = 0;
    std::vector<std::size_t> fontObjects(m_used.size(), 0);
    for (std::size_t f = 0; f < m_used.size(); ++f)
        if (!m_used[f].glyphs.empty()) {
            fontObjects[f] = reserveObject();
            writeFont(int(f), fontObjects[f]);
        }
    beginObject(kResources);
    m_out += "<</Font<<";
    for (std::size_t f = 0; f < fontObjects.size(); ++f)
        if (fontObjects[f] != 0) {
            m_out += "/F";
            number(m_out, f);
            m_out += ' ';
            number(m_out, fontObjects[f]);
            m_out += " 0 R";
        }
    m_out += ">>>>\nendobj\n";
    beginObject(kPageTree);
    m_out += "<</Type/Pages/Count ";
    number(m_out, m_pages.size());
    m_out += "/Kids[";
    for (const std::size_t page : m_pages) {
        number(m_out, page);
        m_out += " 0 R ";
    }
    m_out += "]>>\nendobj\n";
    beginObject(kCatalog);
    m_out += "<</Type/Catalog/Pages 2 0 R>>\nendobj\n";

    const std::size_t xref = m_out.size();
    m_out += "xref\n0 ";
    number(m_out, m_offsets.size());
    m_out += "\n0000000000 65535 f \n";
    for (std::size_t n = 1; n < m_offsets.size(); ++n) {
        char entry[21];
        std::snprintf(entry, sizeof entry, "%010zu 00000 n \n", m_offsets[n]);
        m_out.append(entry, 20);
    }
    m_out += "trailer\n<</Size ";
    number(m_out, m_offsets.size());
    m_out += "/Root 1 0 R>>\nstartxref\n";
    number(m_out, xref);
    m_out += "\n%%EOF\n";
    return std::move(m_out);
}

} // namespace markwise::pdf
