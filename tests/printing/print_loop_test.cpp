// The page loop, the print, setup and preview dialogs' paths, and PDF output, checked on
// the pages poppler reads back.
#include "core/markwise_doc.h"
#include "framework/draw_list.h"
#include "framework/paged_text_job.h"
#include "framework/print_services.h"
#include "framework/print_text.h"
#include "geometry/roster_layout.h"
#include "pdf_pages.h"

#include <QFontInfo>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

using namespace markwise;
using markwise::test::ReadPdfPages;

namespace {

// Records the hooks the loop calls; page n says "Page<n>"; the page count is maxPage,
// known from the start.
class RecordingJob : public PrintJob {
public:
    QStringList calls;
    int maxPage = 3;
    QRect rectDraw;
    QRect rectDraw300;

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
        rectDraw300 = info.m_rectDraw300;
        SetTwipsMapping(painter);
        painter.setFont(PrintFont());
        DrawTexts(painter, {{0, 0, "Page" + std::to_string(info.m_nCurPage)}});
    }
    void OnEndPrinting(QPainter&, CPrintInfo&) override { calls << "end"; }
};

// Fixed texts on every page; claims pageCount pages but reports nothing left after page 1,
// so a printer stops after one page while a preview shows them all.
class FixedPagesJob : public PagedTextJob {
public:
    DrawList texts;
    int pageCount = 3;

protected:
    PageTexts LayoutPage(const PageRequest&) override { return {texts, pageCount, false}; }
};

QString pdfIn(const QTemporaryDir& dir, const QString& name) {
    return dir.filePath(name);
}

// Routes the application printer to a PDF file for the next dialog.
void printToFileFromDialog(const QString& file) {
    PrintSeam::setPrintDialogAnswerer([file](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(file);
        return true;
    });
}

int previewPageCount(PrintJob& job) {
    int pages = -1;
    PrintSeam::setPreviewAnswerer([&pages](QPrintPreviewDialog& dialog) {
        auto* widget = dialog.findChild<QPrintPreviewWidget*>();
        QVERIFY(widget != nullptr);
        widget->updatePreview();
        pages = widget->pageCount();
    });
    FilePrintPreview(job, nullptr);
    PrintSeam::setPreviewAnswerer({});
    return pages;
}

} // namespace

class PrintLoopTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() {
        PrintSeam::setPrintDialogAnswerer({});
        PrintSeam::setPageSetupAnswerer({});
        PrintSeam::setPreviewAnswerer({});
    }

    void loopCallsHooksInOrderAndStopsOnTheContinueFlag() {
        QTemporaryDir dir;
        RecordingJob job;
        QString error;
        QVERIFY(PrintToPdf(job, {pdfIn(dir, "a.pdf"), QPageSize(QPageSize::Letter), 300}, &error));
        QCOMPARE(job.calls, QStringList({"prepare", "begin", "dc 1", "print 1", "dc 2", "print 2",
                                         "dc 3", "print 3", "dc 4", "end"}));
        const auto pages = ReadPdfPages(pdfIn(dir, "a.pdf"));
        QCOMPARE(pages.size(), 3);
        for (int p = 0; p < 3; ++p) {
            QVERIFY(pages[p].has(QString("Page%1").arg(p + 1)));
            QCOMPARE(pages[p].words.size(), 1);
        }
        // Qt's default Letter margins are 10 points.
        QCOMPARE(job.rectDraw, QRect(0, 0, 2466, 3216));
        QCOMPARE(job.rectDraw300, job.rectDraw);

        RecordingJob fine;
        fine.maxPage = 1;
        QVERIFY(
            PrintToPdf(fine, {pdfIn(dir, "b.pdf"), QPageSize(QPageSize::Letter), 1200}, &error));
        QCOMPARE(fine.rectDraw, QRect(0, 0, 9866, 12866));
        QCOMPARE(fine.rectDraw300, QRect(0, 0, 2466, 3216));
        QCOMPARE(ReadPdfPages(pdfIn(dir, "b.pdf")).size(), 1);
    }

    void printDialogCancelPrintsNothingAndItsPageRangeIsFollowed() {
        QTemporaryDir dir;
        ApplicationPrinter().setOutputFormat(QPrinter::PdfFormat);
        ApplicationPrinter().setOutputFileName(pdfIn(dir, "cancelled.pdf"));
        PrintSeam::setPrintDialogAnswerer([](QPrinter&) { return false; });
        RecordingJob cancelled;
        FilePrint(cancelled, nullptr);
        QCOMPARE(cancelled.calls, QStringList({"prepare"}));
        QVERIFY(!QFile::exists(pdfIn(dir, "cancelled.pdf")));

        const QString file = pdfIn(dir, "range.pdf");
        PrintSeam::setPrintDialogAnswerer([file](QPrinter& printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(file);
            printer.setPrintRange(QPrinter::PageRange);
            printer.setFromTo(2, 3);
            return true;
        });
        RecordingJob ranged;
        ranged.maxPage = 5;
        FilePrint(ranged, nullptr);
        const auto pages = ReadPdfPages(file);
        QCOMPARE(pages.size(), 2);
        QVERIFY(pages[0].has("Page2"));
        QVERIFY(pages[1].has("Page3"));
        ApplicationPrinter().setPrintRange(QPrinter::AllPages);
    }

    void printSetupChoiceIsUsedByTheNextPrint() {
        QTemporaryDir dir;
        PrintSeam::setPageSetupAnswerer([](QPrinter& printer) {
            printer.setPageSize(QPageSize(QPageSize::A4));
            printer.setPageOrientation(QPageLayout::Landscape);
            return true;
        });
        FilePrintSetup(nullptr);
        ApplicationPrinter().setOutputFormat(QPrinter::PdfFormat);
        ApplicationPrinter().setOutputFileName(pdfIn(dir, "direct.pdf"));
        RecordingJob job;
        job.maxPage = 1;
        FilePrintDirect(job, nullptr);
        QCOMPARE(job.calls.first(), QString("prepare"));
        const auto pages = ReadPdfPages(pdfIn(dir, "direct.pdf"));
        QCOMPARE(pages.size(), 1);
        QCOMPARE(qRound(pages[0].width), 842);
        QCOMPARE(qRound(pages[0].height), 595);

        // The same printer goes on to the Print dialog's job.
        printToFileFromDialog(pdfIn(dir, "dialog.pdf"));
        RecordingJob next;
        next.maxPage = 1;
        FilePrint(next, nullptr);
        QCOMPARE(qRound(ReadPdfPages(pdfIn(dir, "dialog.pdf")).value(0).width), 842);
        ApplicationPrinter().setPageOrientation(QPageLayout::Portrait);
    }

    void previewShowsTheLastPageCountWhileAPrinterStopsEarlier() {
        QTemporaryDir dir;
        FixedPagesJob job;
        job.texts = {{0, 0, "Stubborn"}};
        QString error;
        QVERIFY(PrintToPdf(job, {pdfIn(dir, "p.pdf"), QPageSize(QPageSize::Letter), 300}, &error));
        QCOMPARE(ReadPdfPages(pdfIn(dir, "p.pdf")).size(), 1);
        QCOMPARE(previewPageCount(job), 3);

        job.pageCount = 0; // nothing to page through still shows its one page
        QCOMPARE(previewPageCount(job), 1);

        RecordingJob recording;
        recording.maxPage = 4;
        QCOMPARE(previewPageCount(recording), 4);
        QVERIFY(!recording.calls.contains("dc 5"));
    }

    void textsLandAtTheirTwipsPositionsAtEveryResolution() {
        QTemporaryDir dir;
        FixedPagesJob job;
        job.pageCount = 1;
        job.texts = {{1440, 2880, "Inch"}, {0, 0, "Corner"}};
        for (int dpi : {300, 600, 1200}) {
            const QString file = pdfIn(dir, QString("t%1.pdf").arg(dpi));
            QString error;
            QVERIFY(PrintToPdf(job, {file, QPageSize(QPageSize::Letter), dpi}, &error));
            const auto pages = ReadPdfPages(file);
            QCOMPARE(pages.size(), 1);
            const test::PdfWord* inch = pages[0].find("Inch");
            const test::PdfWord* corner = pages[0].find("Corner");
            QVERIFY(inch && corner);
            // One inch right, two down from the printable area's corner (10-point margins);
            // the character height is 10 points.
            QVERIFY2(qAbs(inch->xMin - 82) < 1.5, qPrintable(QString::number(inch->xMin)));
            QVERIFY2(qAbs(inch->yMin - 154) < 2, qPrintable(QString::number(inch->yMin)));
            QVERIFY(qAbs((inch->yMax - inch->yMin) - 11.3) < 1);
            QVERIFY(qAbs(corner->xMin - 10) < 1.5 && qAbs(corner->yMin - 10) < 2);
        }
    }

    void printFontIsCourierNewOrItsMetricTwin() {
        const QString family = QFontInfo(PrintFont()).family();
        QVERIFY2(family == "Courier New" || family == "Liberation Mono", qPrintable(family));
        // 2320/2048 of the 200-pixel character height.
        QCOMPARE(MeasurePrintLineHeight(), 227);
    }

    void unwritableOutputFailsWithAReasonBeforeAnyPage() {
        RecordingJob job;
        QString error;
        QVERIFY(!PrintToPdf(job, {"/nonexistent-folder/out.pdf", QPageSize(), 300}, &error));
        QVERIFY(error.contains("/nonexistent-folder/out.pdf"));
        QVERIFY(!job.calls.contains("begin"));
    }

    void reportJobPagesThroughItsItemsWithHeadingsOnEveryPage() {
        auto doc = std::make_unique<CMarkwiseDoc>();
        for (int s = 0; s < 100; ++s)
            doc->AddStudent({"First" + std::to_string(s), "Last" + std::to_string(s),
                             "ID" + std::to_string(s), "B", "555", "9"});
        ReportPrintJob job([&doc](const ReportPrintPage& page) {
            return PrintRosterPage(*doc, "Period3.MKW", page);
        });
        QTemporaryDir dir;
        QString error;
        QVERIFY(
            PrintToPdf(job, {pdfIn(dir, "roster.pdf"), QPageSize(QPageSize::Letter), 300}, &error));
        const auto pages = ReadPdfPages(pdfIn(dir, "roster.pdf"));
        // trunc(3216 x 4.7 / 227) - 5 = 61 rows per page.
        QCOMPARE(pages.size(), 2);
        QCOMPARE(pages[0].count("Last"), 61);
        QCOMPARE(pages[1].count("Last"), 39);
        QCOMPARE(job.m_morePages, 0);
        for (const auto& page : pages)
            QVERIFY(page.has("Period3") && !page.has("Period3.MKW"));
        QVERIFY(pages[0].has("Last0,") && pages[1].has("Last61,") && pages[1].has("Last99,"));
        QCOMPARE(previewPageCount(job), 2);
    }
};

QTEST_MAIN(PrintLoopTest)
#include "print_loop_test.moc"
