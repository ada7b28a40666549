// The page loop, the print and preview dialogs' paths, and the grade sheet on paper,
// checked on the pages poppler reads back from PDF files.
#include "core/profile.h"
#include "framework/commands.h"
#include "framework/document.h"
#include "framework/draw_list.h"
#include "framework/paged_text_job.h"
#include "framework/print_services.h"
#include "framework/print_text.h"
#include "framework/win_app.h"
#include "gradesheet/markwise_view.h"
#include "gradesheet/sheet_print_job.h"
#include "pdf/pdf_print.h"
#include "pdf_pages.h"
#include "support/class_builder.h"
#include "support/offscreen_noise.h"

#include <QAction>
#include <QDir>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QRawFont>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>

using namespace markwise;
using namespace markwise::test;

namespace {

// Records the hooks the loop calls; page n says "Page<n>"; the page count is maxPage,
// known from the start.
class RecordingJob : public PrintJob {
public:
    explicit RecordingJob(int pages = 3) : maxPage(pages) {}
    QStringList calls;
    int maxPage;
    QRect rectDraw;

    bool OnPreparePrinting(CPrintInfo& info) override {
        calls << "prepare";
        info.SetMaxPage(maxPage);
        return DoPreparePrinting(info);
    }
    void OnBeginPrinting(QPainter&, CPrintInfo&) override { calls << "begin"; }
    void OnPrepareDC(QPainter& painter, CPrintInfo& info) override {
        calls << QString("dc %1").arg(info.m_nCurPage);
        PrintJob::OnPrepareDC(painter, info);
    }
    void OnPrint(QPainter& painter, CPrintInfo& info) override {
        calls << QString("print %1").arg(info.m_nCurPage);
        rectDraw = info.m_rectDraw;
        SetTwipsMapping(painter);
        painter.setFont(PrintFont());
        DrawTexts(painter, {{0, 0, "Page" + std::to_string(info.m_nCurPage)}});
    }
    void OnEndPrinting(QPainter&, CPrintInfo&) override { calls << "end"; }
};

// Claims pageCount pages but reports nothing left after page 1, so a printer stops after
// one page while a preview shows them all.
class FixedPagesJob : public PagedTextJob {
public:
    int pageCount = 3;

protected:
    PageTexts layoutPage(const PageRequest&) override {
        return {{{0, 0, "Stubborn"}}, pageCount, false};
    }
};

constexpr double kMargin = 10;    // Qt's default page margins, points
constexpr double kLinePt = 11.35; // 227 twips

QList<PdfPage> printSheet(const CMarkwiseDoc& doc, const QString& file, int dpi) {
    SheetPrintJob job(doc, "Period3.MKW", CGradeCutoffs());
    QString error;
    if (!PrintToPdf(job, {file, QPageSize(QPageSize::Letter), dpi}, &error))
        return {};
    return ReadPdfPages(file);
}

// Whether a word's top lies on text line k of the page.
bool onLine(const PdfWord* word, int k) {
    return word && qAbs(word->yMin - (kMargin + k * kLinePt)) < 1.5;
}

} // namespace

class PrintTest : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    PrintServices m_printing;

    QString pdf(const QString& name) const { return m_dir.filePath(name); }

private slots:
    void initTestCase() { DropOffscreenNoise(); }
    void cleanup() {
        m_printing.setPrintDialogAnswerer({});
        m_printing.setPrintChoicesAnswerer({});
    }

    // The PDF writer without Qt measures, places and pages as Qt's printer does, so both
    // give the same pages: the same words at the same places.
    void theToolkitFreeWriterGivesThePagesQtPrints() {
        std::string error;
        auto fonts = pdf::PrintFonts::find(error);
        QVERIFY2(fonts, error.c_str());
        QCOMPARE(fonts->lineHeight(), MeasurePrintLineHeight());
        const qreal qtAscent = QRawFont::fromFont(PrintFont()).ascent();
        QVERIFY2(std::abs(fonts->ascent() - qtAscent) < 1e-6,
                 qPrintable(QString::number(fonts->ascent()) + " " + QString::number(qtAscent)));
        for (const auto& [size, paper] :
             {std::pair{QPageSize::Letter, PaperSize::Letter}, {QPageSize::A4, PaperSize::A4}}) {
            for (const int dpi : {72, 300, 600, 1200}) {
                QPrinter printer(QPrinter::HighResolution);
                printer.setOutputFormat(QPrinter::PdfFormat);
                printer.setResolution(dpi);
                printer.setPageSize(QPageSize(size));
                const QPageLayout layout = printer.pageLayout();
                const PageRequest request = pdf::PageRequestOf({paper, dpi}, paper, 227);
                QCOMPARE(QSize(request.width, request.height), layout.paintRectPixels(300).size());
                const pdf::PdfPaper sheet = pdf::PaperOf({paper, dpi}, paper);
                QCOMPARE(sheet.width, layout.fullRectPoints().width());
                QVERIFY(std::abs(sheet.left - layout.paintRectPixels(dpi).left() * 72.0 / dpi) <
                        1e-9);
            }
        }

        auto doc = ClassOf(60);
        AddAssignment(*doc, 10, std::vector<double>(60, 7.5), "Quiz \u2026");
        doc->m_lastName[3] = "Mu\xf1oz";
        for (const char* report : {"sheet", "roster", "students", "progress:80"}) {
            const Printout printout = MakePrintout(report, *doc, "Period 1.MKW", CGradeCutoffs(),
                                                   SheetPrintColumns::All, error);
            QVERIFY2(printout, error.c_str());
            PrintoutJob job(printout);
            QString qtError;
            QVERIFY(PrintToPdf(job, {pdf("qt.pdf"), QPageSize(QPageSize::Letter), 300}, &qtError));
            QVERIFY2(pdf::WritePrintoutPdf(printout, {PaperSize::Letter, 300}, *fonts,
                                           pdf("own.pdf").toStdString(), error),
                     error.c_str());
            const auto qt = ReadPdfPages(pdf("qt.pdf")), own = ReadPdfPages(pdf("own.pdf"));
            QVERIFY(!qt.isEmpty());
            QCOMPARE(own.size(), qt.size());
            for (int p = 0; p < qt.size(); ++p) {
                QCOMPARE(own[p].width, qt[p].width);
                QCOMPARE(own[p].words.size(), qt[p].words.size());
                for (int w = 0; w < qt[p].words.size(); ++w) {
                    const PdfWord &a = own[p].words[w], &b = qt[p].words[w];
                    QCOMPARE(a.text, b.text);
                    QVERIFY2(std::abs(a.xMin - b.xMin) < 0.05 && std::abs(a.yMin - b.yMin) < 0.05,
                             qPrintable(a.text));
                }
            }
        }
    }

    void loopAndPreviewFollowTheJobsPageCounts() {
        RecordingJob job;
        QString error;
        QVERIFY(PrintToPdf(job, {pdf("a.pdf"), QPageSize(QPageSize::Letter), 300}, &error));
        QCOMPARE(job.calls, QStringList({"prepare", "begin", "dc 1", "print 1", "dc 2", "print 2",
                                         "dc 3", "print 3", "dc 4", "end"}));
        const auto pages = ReadPdfPages(pdf("a.pdf"));
        QCOMPARE(pages.size(), 3);
        QVERIFY(pages[2].has("Page3"));
        QCOMPARE(job.rectDraw, QRect(0, 0, 2466, 3216));

        RecordingJob unwritable;
        QVERIFY(!PrintToPdf(unwritable, {"/nonexistent-folder/out.pdf", QPageSize(), 300}, &error));
        QVERIFY(error.contains("/nonexistent-folder/out.pdf"));

        // A preview shows the last page count while a printer stops on the continue flag.
        FixedPagesJob fixed;
        QVERIFY(PrintToPdf(fixed, {pdf("p.pdf"), QPageSize(QPageSize::Letter), 300}, &error));
        QCOMPARE(ReadPdfPages(pdf("p.pdf")).size(), 1);
        QCOMPARE(PreviewPageCount(m_printing, [&] { m_printing.preview(fixed, nullptr); }), 3);
        fixed.pageCount = 0; // nothing to page through still shows its one page
        QCOMPARE(PreviewPageCount(m_printing, [&] { m_printing.preview(fixed, nullptr); }), 1);
    }

    void printDialogCancelPrintsNothingAndItsPageRangeIsFollowed() {
        m_printing.printer().setOutputFormat(QPrinter::PdfFormat);
        m_printing.printer().setOutputFileName(pdf("cancelled.pdf"));
        m_printing.setPrintDialogAnswerer([](QPrinter&) { return false; });
        RecordingJob cancelled;
        m_printing.print(cancelled, nullptr);
        QCOMPARE(cancelled.calls, QStringList({"prepare"}));
        QVERIFY(!QFile::exists(pdf("cancelled.pdf")));

        m_printing.setPrintDialogAnswerer([this](QPrinter& printer) {
            printer.setOutputFileName(pdf("range.pdf"));
            printer.setPrintRange(QPrinter::PageRange);
            printer.setFromTo(2, 3);
            return true;
        });
        RecordingJob ranged(5);
        m_printing.print(ranged, nullptr);
        const auto pages = ReadPdfPages(pdf("range.pdf"));
        QCOMPARE(pages.size(), 2);
        QVERIFY(pages[0].has("Page2"));
        QVERIFY(pages[1].has("Page3"));
        m_printing.printer().setPrintRange(QPrinter::AllPages);
    }

    // What each page holds is geometry's (sheet_print_page_test); here: where it lands on
    // paper, the same at every resolution and inside the printable area.
    void hundredStudentsOnLetterAtEveryResolution() {
        const auto doc = FilledClass(100, 20);
        const auto reference = printSheet(*doc, pdf("300.pdf"), 300);
        QCOMPARE(reference.size(), 3);
        // Full page: the title on line 4, students from line 6, the last description line 66.
        const PdfPage& full = reference[0];
        QVERIFY(onLine(full.find("Period3"), 4));
        QVERIFY(onLine(full.find("Last0,"), 6));
        QVERIFY(qAbs(full.find("Last0,")->xMin - kMargin) < 1.5);
        QVERIFY(onLine(&*std::max_element(full.words.begin(), full.words.end(),
                                          [](auto& a, auto& b) { return a.yMin < b.yMin; }),
                       66));
        const auto pages = printSheet(*doc, pdf("1200.pdf"), 1200);
        QCOMPARE(pages.size(), reference.size());
        for (int p = 0; p < pages.size(); ++p) {
            const PdfPage& page = pages[p];
            QCOMPARE(page.words.size(), reference[p].words.size());
            for (int w = 0; w < page.words.size(); ++w) {
                const PdfWord& word = page.words[w];
                QCOMPARE(word.text, reference[p].words[w].text);
                QVERIFY(qAbs(word.xMin - reference[p].words[w].xMin) < 0.5);
                QVERIFY(qAbs(word.yMin - reference[p].words[w].yMin) < 0.5);
                QVERIFY2(word.xMin >= kMargin - 0.5 && word.yMin >= kMargin - 0.5 &&
                             word.xMax <= page.width - kMargin &&
                             word.yMax <= page.height - kMargin,
                         qPrintable(word.text));
            }
        }
    }

    void gradeSheetViewPrintsItsClassThroughItsCommands() {
        CWinApp app(CProfile(pdf("Markwise.ini").toStdString()));
        CDocument document(app.docManager(), FilledClass(100, 20), pdf("Period3.MKW"),
                           "Period3.MKW");
        const ViewDialogs none;
        CMarkwiseView view(document, none);
        PrintServices& printing = app.services().printing;
        printing.printer().setPageSize(QPageSize(QPageSize::Letter));
        printing.printer().setOutputFormat(QPrinter::PdfFormat);

        const QString direct = pdf("direct.pdf");
        printing.printer().setOutputFileName(direct);
        view.runCommand(ID_FILE_PRINT_DIRECT);
        QCOMPARE(ReadPdfPages(direct).size(), 3);
        QCOMPARE(PreviewPageCount(printing, [&] { view.runCommand(ID_FILE_PRINT_PREVIEW); }), 3);

        // "All assignments" ticked in the Print dialog: strips 1-12 and 13-20, three pages each.
        // The Print dialog proposes the class's own name beside the class file for a PDF.
        const QString all = pdf("all.pdf");
        QStringList offered;
        printing.setPrintChoicesAnswerer([&](QPrinter& printer, PrintChoices& choices) {
            for (const auto& choice : choices.items)
                offered << choice.label + (choice.checked ? "+" : "-");
            offered << printer.docName() << printer.outputFileName();
            choices.items.front().checked = true;
            printer.setOutputFileName(all);
            return true;
        });
        view.runCommand(ID_FILE_PRINT);
        QCOMPARE(offered, (QStringList{"All assignments-", "Period3", pdf("Period3.pdf")}));
        const auto strips = ReadPdfPages(all);
        QCOMPARE(strips.size(), 6);
        QVERIFY(strips[0].has("1:"));
        QVERIFY(strips[5].has("20:"));
        // The choice holds for that job only: the next print is the last columns again.
        printing.printer().setOutputFileName(direct);
        view.runCommand(ID_FILE_PRINT_DIRECT);
        QCOMPARE(ReadPdfPages(direct).size(), 3);

        // Page Setup's orientation holds for the printout: a landscape Letter page is wider
        // than high and holds 17 assignments across (4 to 20) instead of 12.
        printing.printer().setPageOrientation(QPageLayout::Landscape);
        view.runCommand(ID_FILE_PRINT_DIRECT);
        const auto wide = ReadPdfPages(direct);
        printing.printer().setPageOrientation(QPageLayout::Portrait);
        QVERIFY(!wide.isEmpty());
        QVERIFY(wide[0].width > wide[0].height);
        QVERIFY(wide[0].has("4:") && !wide[0].has("3:") && wide[0].has("20:"));

        // The preview offers the choice on its toolbar, and follows it.
        int before = -1;
        int after = -1;
        printing.setPreviewAnswerer([&](QPrintPreviewDialog& dialog) {
            auto* widget = dialog.findChild<QPrintPreviewWidget*>();
            QAction* toggle = nullptr;
            for (QAction* action : dialog.findChildren<QAction*>())
                toggle = action->text() == "All assignments" ? action : toggle;
            if (!widget || !toggle || !toggle->isCheckable() || toggle->isChecked())
                return;
            widget->updatePreview();
            before = widget->pageCount();
            toggle->setChecked(true);
            after = widget->pageCount();
        });
        view.runCommand(ID_FILE_PRINT_PREVIEW);
        printing.setPreviewAnswerer({});
        QCOMPARE(before, 3);
        QCOMPARE(after, 6);

        // A class never saved proposes its title in the home folder.
        CDocument untitled(app.docManager(), FilledClass(1, 1), QString(), "Markwi2");
        QCOMPARE(ProposedPdfFile(untitled), QDir::home().filePath("Markwi2.pdf"));
    }
};

QTEST_MAIN(PrintTest)
#include "print_test.moc"
