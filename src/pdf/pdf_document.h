#pragma once

#include "geometry/draw_text.h"
#include "print_fonts.h"
#include "stream_packer.h"

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

namespace markwise::pdf {

// The sheet of paper and where the printable area lies on it, in points (1/72 inch).
struct PdfPaper {
    double width = 612; // Letter
    double height = 792;
    double left = 10; // top-left corner of the printable area
    double top = 10;
};

// A PDF file built page by page in memory: each page's texts (UTF-8, twips, y downward
// from the top of the printable area, each by its top-left corner) become one text
// command per run of one font, in the print font at its character height; the fonts
// go in at the end as subsets of the glyphs used, with their character maps, so the
// text can be searched and copied.
class PdfDocument {
public:
    explicit PdfDocument(PrintFonts& fonts, PdfPaper paper);
    ~PdfDocument();
    PdfDocument(const PdfDocument&) = delete;
    PdfDocument& operator=(const PdfDocument&) = delete;

    void addPage(const DrawList& texts);
    int pageCount() const { return int(m_pages.size() + m_pagesInFlight + m_laidOutCount); }
    // The whole file; the document is spent.
    std::string finish();

private:
    struct FontUse;
    FontUse& fontUse(int font); // what the page shows of the font, ready for its glyphs
    std::size_t beginObject();
    std::size_t reserveObject();
    void beginObject(std::size_t number);
    void writeStream(std::string_view dictionary, std::string_view data);
    void writePackedStream(std::string_view dictionary, std::string_view body, bool packed);
    void packLaidOutPages();
    void writePagesInFlight();
    void writePage(std::string_view data, const std::string* packed);
    void writeFont(int font, std::size_t number);

    PrintFonts& m_fonts;
    PdfPaper m_paper;
    std::string m_out;
    // Pages are laid out a batch at a time, and deflated while the next batch is laid out.
    static constexpr std::size_t kPagesPerBatch = 32;
    std::vector<std::string> m_laidOut; // kept to spare the heap
    std::size_t m_laidOutCount = 0;
    std::size_t m_pagesInFlight = 0;
    std::string m_packed;
    std::vector<std::size_t> m_offsets; // by object number; 0 is the free head
    std::vector<std::size_t> m_pages;   // page objects
    std::vector<FontUse> m_used;        // by font index
    std::unique_ptr<Deflater> m_deflater;
    std::unique_ptr<BackgroundDeflater> m_pagePacker;
};

} // namespace markwise::pdf
