// The page loop, the print, setup and preview dialogs' paths, and PDF output, checked on
// the pages poppler reads back.
#include "core/markwise_doc.h"
#include "framework/draw_list.h"
#include "framework/paged_text_job.h"
#include "framework/print_services.h"
#include "framework/print_text.h"
#include "geometry/roster_layout.h"
#include "pdf_pages.h"

#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

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
    PageTexts LayoutPage(const PageRequest&) override {
        return {{{0, 0, "Stubborn"}}, pageCount, false};
    }
};

} // namespace

class PrintLoopTest : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

    QString pdf(const QString& name) const { return m_dir.filePath(name); }

private slots:
    void cleanup() {
        PrintSeam::setPrintDialogAnswerer({});
        PrintSeam::setPageSetupAnswerer({});
    }

    void loopCallsHooksInOrderAndStopsOnTheContinueFlag() {
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
    }

    void printDialogCancelPrintsNothingAndItsPageRangeIsFollowed() {
        ApplicationPrinter().setOutputFormat(QPrinter::PdfFormat);
        ApplicationPrinter().setOutputFileName(pdf("cancelled.pdf"));
        PrintSeam::setPrintDialogAnswerer([](QPrinter&) { return false; });
        RecordingJob cancelled;
        FilePrint(cancelled, nullptr);
        QCOMPARE(cancelled.calls, QStringList({"prepare"}));
        QVERIFY(!QFile::exists(pdf("cancelled.pdf")));

        PrintSeam::setPrintDialogAnswerer([this](QPrinter& printer) {
            printer.setOutputFileName(pdf("range.pdf"));
            printer.setPrintRange(QPrinter::PageRange);
            printer.setFromTo(2, 3);
            return true;
        });
        RecordingJob ranged(5);
        FilePrint(ranged, nullptr);
        const auto pages = ReadPdfPages(pdf("range.pdf"));
        QCOMPARE(pages.size(), 2);
        QVERIFY(pages[0].has("Page2") && pages[1].has("Page3"));
        ApplicationPrinter().setPrintRange(QPrinter::AllPages);

        // Print Setup's choice is used by the next print.
        PrintSeam::setPageSetupAnswerer([](QPrinter& printer) {
            printer.setPageSize(QPageSize(QPageSize::A4));
            printer.setPageOrientation(QPageLayout::Landscape);
            return true;
        });
        FilePrintSetup(nullptr);
        ApplicationPrinter().setOutputFileName(pdf("direct.pdf"));
        RecordingJob job(1);
        FilePrintDirect(job, nullptr);
        const auto landscape = ReadPdfPages(pdf("direct.pdf"));
        QCOMPARE(landscape.size(), 1);
        QCOMPARE(qRound(landscape[0].width), 842);
        ApplicationPrinter().setPageOrientation(QPageLayout::Portrait);
    }

    void previewShowsTheLastPageCountWhileAPrinterStopsEarlier() {
        FixedPagesJob job;
        QString error;
        QVERIFY(PrintToPdf(job, {pdf("p.pdf"), QPageSize(QPageSize::Letter), 300}, &error));
        QCOMPARE(ReadPdfPages(pdf("p.pdf")).size(), 1);
        QCOMPARE(PreviewPageCount([&] { FilePrintPreview(job, nullptr); }), 3);
        job.pageCount = 0; // nothing to page through still shows its one page
        QCOMPARE(PreviewPageCount([&] { FilePrintPreview(job, nullptr); }), 1);
    }

    void reportJobPagesThroughItsItemsWithHeadingsOnEveryPage() {
        auto doc = std::make_unique<CMarkwiseDoc>();
        for (int s = 0; s < 100; ++s)
            doc->AddStudent({"First" + std::to_string(s), "Last" + std::to_string(s),
                             "ID" + std::to_string(s), "B", "555", "9"});
        ReportPrintJob job(
            [&doc](const PageRequest& page) { return PrintRosterPage(*doc, "Period3.MKW", page); });
        QString error;
        QVERIFY(PrintToPdf(job, {pdf("roster.pdf"), QPageSize(QPageSize::Letter), 300}, &error));
        const auto pages = ReadPdfPages(pdf("roster.pdf"));
        // trunc(3216 x 4.7 / 227) - 5 = 61 rows per page.
        QCOMPARE(pages.size(), 2);
        QCOMPARE(pages[0].count("Last"), 61);
        QCOMPARE(pages[1].count("Last"), 39);
        QVERIFY(pages[1].has("Period3") && pages[1].has("Last61,"));
        QCOMPARE(PreviewPageCount([&] { FilePrintPreview(job, nullptr); }), 2);
    }
};

QTEST_MAIN(PrintLoopTest)
#include "print_loop_test.moc"
