#include "core/class_file.h"
#include "pdf/pdf_document.h"
#include "pdf/pdf_print.h"
#include "pdf/stream_packer.h"
#include "support/class_builder.h"
#include "support/temp_folder.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <regex>

namespace markwise::pdf {
namespace {

std::string run(const std::string& command) {
    std::string out;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[4096];
        while (const std::size_t n = std::fread(buffer, 1, sizeof buffer, pipe))
            out.append(buffer, n);
        pclose(pipe);
    }
    return out;
}

std::string fileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

PrintFonts& fonts() {
    static std::unique_ptr<PrintFonts> found = [] {
        std::string error;
        auto f = PrintFonts::find(error);
        EXPECT_TRUE(f) << error;
        return f;
    }();
    return *found;
}

// The PDF's text as poppler reads it, page by page ("\f" between), lines trimmed.
std::string textOf(const std::string& pdf) {
    return run("pdftotext -layout -enc UTF-8 '" + pdf + "' - 2>&1");
}

TEST(PdfDocumentTest, PagesCarryTheirTextsInEveryScriptWithFontsEmbedded) {
    markwise::test::TempFolder dir;
    PdfDocument document(fonts(), {612, 792, 10.08, 10.08});
    const std::vector<DrawList> pages = {
        {{0, 0, "Okafor, Chidi"},
         {4000, 0, "88.0556%"},
         {0, 227, "Zo\xc3\xab M\xc3\xbcller \xe2\x80\xa6"}},
        {{0, 0, "\xe6\x9d\x8e\xe5\xb0\x8f\xe9\xbe\x99 Li"},
         {0, 227, "\xe0\xa4\xb0\xe0\xa4\xbe\xe0\xa4\xae"},
         {0, 454, "\xd7\xa9\xd7\x9c\xd7\x95\xd7\x9d"}},
        {},
    };
    for (const DrawList& page : pages)
        document.addPage(page);
    EXPECT_EQ(document.pageCount(), 3);
    const std::string bytes = document.finish();
    const std::string file = dir.File("p.pdf");
    std::ofstream(file, std::ios::binary) << bytes;

    // Every object the cross-reference table names starts where it says.
    const std::size_t xref = std::stoul(bytes.substr(bytes.rfind("startxref") + 10));
    ASSERT_EQ(bytes.compare(xref, 4, "xref"), 0);
    const int objects = std::stoi(bytes.substr(xref + 7));
    for (int n = 1; n < objects; ++n) {
        const std::size_t at = std::stoul(
            bytes.substr(xref + 7 + std::to_string(objects).size() + 1 + 20 * std::size_t(n), 10));
        EXPECT_EQ(bytes.compare(at, std::to_string(n).size() + 6, std::to_string(n) + " 0 obj"), 0)
            << n;
    }

    const std::string info = run("pdfinfo '" + file + "' 2>&1");
    EXPECT_NE(info.find("Pages:           3"), std::string::npos) << info;
    EXPECT_NE(info.find("612 x 792"), std::string::npos) << info;
    EXPECT_EQ(info.find("rror"), std::string::npos) << info;
    // The print font and a fallback for the scripts it lacks, each an embedded subset.
    const std::string fontList = run("pdffonts '" + file + "' 2>&1");
    EXPECT_NE(fontList.find("+LiberationMono"), std::string::npos) << fontList;
    EXPECT_GE(std::count(fontList.begin(), fontList.end(), '\n'), 4) << fontList;
    EXPECT_EQ(fontList.find(" no "), std::string::npos) << fontList; // embedded, subset, mapped

    const std::string text = textOf(file);
    for (const char* shown : {"Okafor, Chidi", "88.0556%", "Zo\xc3\xab M\xc3\xbcller \xe2\x80\xa6",
                              "\xe6\x9d\x8e\xe5\xb0\x8f\xe9\xbe\x99 Li",
                              // Glyphs go left to right as stored: each letter is shown.
                              "\xd7\xa9", "\xd7\x9c", "\xd7\x95", "\xd7\x9d"})
        EXPECT_NE(text.find(shown), std::string::npos) << shown << "\n" << text;
    EXPECT_EQ(std::count(text.begin(), text.end(), '\f'), 3);

    // Where the words stand: a text's top-left corner, in twips from the printable area's.
    const std::string boxes = run("pdftotext -bbox '" + file + "' - 2>&1");
    const std::regex word(R"re(xMin="([0-9.]+)" yMin="([0-9.]+)"[^>]*>88.0556%<)re");
    std::smatch found;
    ASSERT_TRUE(std::regex_search(boxes, found, word)) << boxes;
    EXPECT_NEAR(std::stod(found[1]), 10.08 + 4000 / 20.0, 0.01);
    EXPECT_NEAR(std::stod(found[2]), 10.08, 1.0);
}

TEST(PdfDocumentTest, PagesDeflatedInBatchesComeOutWholeAndInOrder) {
    // Batches end within the document, at its end and on a batch boundary.
    markwise::test::TempFolder dir;
    for (const int pages : {1, 32, 33, 70}) {
        PdfDocument document(fonts(), {});
        for (int p = 1; p <= pages; ++p) {
            DrawList texts;
            for (int line = 0; line < p % 5 + 1; ++line)
                texts.push_back({0, 227 * line, "Page " + std::to_string(p)});
            document.addPage(texts);
            EXPECT_EQ(document.pageCount(), p);
        }
        const std::string file = dir.File("pages" + std::to_string(pages) + ".pdf");
        std::ofstream(file, std::ios::binary) << document.finish();
        const std::string text = textOf(file);
        ASSERT_EQ(std::count(text.begin(), text.end(), '\f'), pages) << text;
        std::size_t from = 0;
        for (int p = 1; p <= pages; ++p) {
            const std::size_t end = text.find('\f', from);
            const std::string page = text.substr(from, end - from);
            const std::string shown = "Page " + std::to_string(p) + "\n";
            std::size_t lines = 0;
            for (std::size_t at = page.find(shown); at != std::string::npos;
                 at = page.find(shown, at + 1))
                ++lines;
            EXPECT_EQ(lines, std::size_t(p % 5 + 1)) << pages << " pages, page " << p << page;
            from = end + 1;
        }
    }
}

TEST(StreamPackerTest, TheBackgroundPackerGivesTheDeflatersBytesBatchAfterBatch) {
    Deflater deflater;
    BackgroundDeflater background;
    std::vector<std::string> batch;
    for (const std::size_t count : {3u, 1u, 0u, 5u}) {
        batch.resize(std::max<std::size_t>(batch.size(), count + 1));
        for (std::size_t k = 0; k < count; ++k)
            batch[k] =
                std::string(100 * k, char('a' + k)) + "BT (x) Tj ET " + std::to_string(count);
        batch[count] = "past the count: not packed";
        const std::vector<std::string> given = batch;
        background.start(batch, count);
        background.wait();
        ASSERT_EQ(background.count(), count);
        for (std::size_t k = 0; k < count; ++k) {
            std::string expected;
            ASSERT_TRUE(deflater.pack(given[k], expected));
            EXPECT_EQ(background.input(k), given[k]);
            ASSERT_NE(background.packed(k), nullptr);
            EXPECT_EQ(*background.packed(k), expected) << count << " " << k;
        }
    }
}

TEST(PdfDocumentTest, BrokenUtf8AndMissingCharactersStillMakeAReadableFile) {
    PdfDocument document(fonts(), {});
    document.addPage({{0, 0, "a\xff\xc3(b\xe2\x82"}, {0, 300, "\x01\x7f"}, {0, 600, "(\\)"}});
    const std::string bytes = document.finish();
    markwise::test::TempFolder dir;
    const std::string file = dir.File("b.pdf");
    std::ofstream(file, std::ios::binary) << bytes;
    EXPECT_EQ(run("pdfinfo '" + file + "' 2>&1 >/dev/null"), "");
    const std::string text = textOf(file);
    EXPECT_NE(text.find("(\\)"), std::string::npos) << text;
    EXPECT_NE(text.find("a\xef\xbf\xbd\xef\xbf\xbd(b"), std::string::npos) << text;
}

TEST(PdfPaperTest, PaperMarginsAndPrintableAreaAsTheDesktopPrinterGivesThem) {
    const struct {
        PaperSize paper;
        int dpi;
        double width, height, margin;
        int areaWidth, areaHeight;
    } cases[] = {
        {PaperSize::Letter, 300, 612, 792, 42 * 72.0 / 300, 2466, 3216},
        {PaperSize::A4, 300, 595, 842, 42 * 72.0 / 300, 2395, 3424},
        {PaperSize::Letter, 600, 612, 792, 83 * 72.0 / 600, 2466, 3216},
        {PaperSize::A4, 72, 595, 842, 10, 2395, 3424},
        {PaperSize::Locale, 300, 595, 842, 42 * 72.0 / 300, 2395, 3424}, // an A4 locale
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.dpi);
        const PdfPaper paper = PaperOf({c.paper, c.dpi}, PaperSize::A4);
        EXPECT_EQ(paper.width, c.width);
        EXPECT_EQ(paper.height, c.height);
        EXPECT_NEAR(paper.left, c.margin, 1e-9);
        EXPECT_NEAR(paper.top, c.margin, 1e-9);
        const PageRequest request = PageRequestOf({c.paper, c.dpi}, PaperSize::A4, 227);
        EXPECT_EQ(request.width, c.areaWidth);
        EXPECT_EQ(request.height, c.areaHeight);
        EXPECT_EQ(request.lineHeight, 227);
        EXPECT_EQ(request.page, 1);
    }

    const struct {
        const char *all, *measurement, *lang;
        PaperSize paper;
    } locales[] = {
        {nullptr, nullptr, nullptr, PaperSize::A4},
        {nullptr, nullptr, "en_US.UTF-8", PaperSize::Letter},
        {nullptr, nullptr, "en_GB.UTF-8", PaperSize::A4},
        {"", "", "es_US", PaperSize::Letter},
        {"de_DE.UTF-8", nullptr, "en_US.UTF-8", PaperSize::A4},
        {nullptr, "en_US@euro", "de_DE", PaperSize::Letter},
        {nullptr, nullptr, "en_LR", PaperSize::Letter},
        {nullptr, nullptr, "my_MM.UTF-8", PaperSize::Letter},
        {nullptr, nullptr, "C", PaperSize::A4},
        {nullptr, nullptr, "en_USA", PaperSize::A4},
    };
    for (const auto& l : locales)
        EXPECT_EQ(LocalePaper(l.all, l.measurement, l.lang), l.paper)
            << (l.lang ? l.lang : "") << (l.measurement ? l.measurement : "");
}

TEST(PdfPrintTest, APrintoutPrintsUntilItsLastPageInTheClassFontsCharacters) {
    markwise::test::TempFolder dir;
    std::vector<PageRequest> asked;
    const Printout printout = [&asked](const PageRequest& request) {
        asked.push_back(request);
        // UTF-8: the cut marker and an e with an acute.
        return PrintedPage{{{0, 0, "page " + std::to_string(request.page) + " Ren\u00e9\u2026"}},
                           3,
                           request.page < 3};
    };
    std::string error;
    const std::string file = dir.File("three.pdf");
    ASSERT_TRUE(WritePrintoutPdf(printout, {PaperSize::Letter, 300}, fonts(), file, error))
        << error;
    ASSERT_EQ(asked.size(), 3u);
    for (std::size_t i = 0; i < asked.size(); ++i) {
        EXPECT_EQ(asked[i].page, int(i) + 1);
        EXPECT_EQ(asked[i].width, 2466);
        EXPECT_EQ(asked[i].lineHeight, fonts().lineHeight());
    }
    const std::string text = textOf(file);
    EXPECT_NE(text.find("page 3 Ren\xc3\xa9\xe2\x80\xa6"), std::string::npos) << text;
    EXPECT_EQ(std::count(text.begin(), text.end(), '\f'), 3);

    // Refused targets and unwritable folders say why, and leave nothing behind.
    const struct {
        std::string path;
        std::string reason;
    } refused[] = {
        {dir.Path().string(), "cannot write " + dir.Path().string() + ": "},
        {"/nonexistent-folder/out.pdf", "cannot write /nonexistent-folder/out.pdf: "},
    };
    for (const auto& r : refused) {
        error.clear();
        EXPECT_FALSE(WritePrintoutPdf(printout, {}, fonts(), r.path, error));
        EXPECT_EQ(error.rfind(r.reason, 0), 0u) << error;
        EXPECT_GT(error.size(), r.reason.size()) << error;
    }
}

TEST(PdfPrintTest, AClassFilePrintsItsReportOrSaysWhyNot) {
    markwise::test::TempFolder dir;
    auto doc = markwise::test::ClassOf(3);
    markwise::test::AddAssignment(*doc, 10, {7, 8, 9}, "Quiz");
    std::string error;
    const std::string classFile = dir.File("period 2.mkw");
    ASSERT_TRUE(SaveClassFile(classFile, *doc, error)) << error;
    const auto empty = markwise::test::ClassOf(0);
    ASSERT_TRUE(SaveClassFile(dir.File("empty.mkw"), *empty, error)) << error;
    const struct {
        std::string classFile, report;
        std::string shown; // in the PDF; empty: it fails
        std::string error;
    } cases[] = {
        {classFile, "sheet", "period 2", ""},
        {classFile, "roster", "Class roster for period 2", ""},
        {classFile, "students", "Last2", ""},
        {classFile, "student:1", "Last1", ""},
        {classFile, "progress:85", "Last1", ""},
        {classFile, "student:3", "", "no student at position 3 (0 to 2)"},
        {classFile, "grades", "", "unknown report grades"},
        {dir.File("empty.mkw"), "students", "",
         "a student report needs a class with students and assignments"},
        {dir.File("missing.mkw"), "sheet", "", dir.File("missing.mkw") + ": "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.report);
        const std::string pdf = dir.File("out.pdf");
        std::remove(pdf.c_str());
        error.clear();
        const bool printed =
            PrintClassToPdf({c.classFile, pdf, c.report, SheetPrintColumns::All, {}, {}, {}},
                            CGradeCutoffs(), fonts(), error);
        EXPECT_EQ(printed, !c.shown.empty()) << error;
        if (printed)
            EXPECT_NE(textOf(pdf).find(c.shown), std::string::npos) << textOf(pdf);
        else
            EXPECT_EQ(error.rfind(c.error, 0), 0u) << error;
        EXPECT_EQ(fileBytes(pdf).empty(), !printed);
    }
}

} // namespace
} // namespace markwise::pdf
