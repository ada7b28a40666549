// The grade sheet on paper, read back from PDF files: pages, lines per page and the
// printed columns.
#include "core/capacity.h"
#include "core/class_file.h"
#include "core/markwise_doc.h"
#include "core/profile.h"
#include "framework/command_target.h"
#include "framework/commands.h"
#include "framework/document.h"
#include "framework/print_services.h"
#include "framework/win_app.h"
#include "gradesheet/markwise_view.h"
#include "gradesheet/sheet_print_job.h"
#include "pdf_pages.h"

#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>
#include <memory>

using namespace markwise;
using test::PdfPage;
using test::ReadPdfPages;

namespace {

constexpr double kMargin = 10;    // Qt's default page margins, points
constexpr double kLinePt = 11.35; // 227 twips

std::string numbered(const char* prefix, int n) {
    char text[32];
    std::snprintf(text, sizeof text, "%s%03d", prefix, n);
    return text;
}

std::unique_ptr<CMarkwiseDoc> makeClass(int students, int assignments) {
    auto doc = std::make_unique<CMarkwiseDoc>();
    for (int s = 0; s < students; ++s)
        doc->AddStudent({numbered("First", s), numbered("Last", s), numbered("ID", s), "", "", ""});
    for (int a = 0; a < assignments; ++a) {
        doc->NewAssignment("T", "Desc" + std::to_string(a + 1), 10);
        for (int s = 0; s < students; ++s)
            doc->m_assignments[a].SetScore(s % 7 == 0 ? MISSING_SCORE : (s + a) % 11, s);
    }
    return doc;
}

QList<PdfPage> printSheet(const CMarkwiseDoc& doc, const QString& file, int dpi = 300,
                          QPageSize::PageSizeId size = QPageSize::Letter,
                          const std::string& title = "Period3.MKW") {
    SheetPrintJob job(doc, title, CGradeCutoffs());
    QString error;
    if (!PrintToPdf(job, {file, QPageSize(size), dpi}, &error))
        return {};
    return ReadPdfPages(file);
}

// The preview shows the application printer's paper.
int previewPages(const CMarkwiseDoc& doc, QPageSize::PageSizeId size = QPageSize::Letter) {
    ApplicationPrinter().setPageSize(QPageSize(size));
    SheetPrintJob job(doc, "Period3.MKW", CGradeCutoffs());
    int pages = -1;
    PrintSeam::setPreviewAnswerer([&pages](QPrintPreviewDialog& dialog) {
        auto* widget = dialog.findChild<QPrintPreviewWidget*>();
        widget->updatePreview();
        pages = widget->pageCount();
    });
    FilePrintPreview(job, nullptr);
    PrintSeam::setPreviewAnswerer({});
    return pages;
}

// Top of text line k of the page, in points.
double lineTop(int k) {
    return kMargin + k * kLinePt;
}

} // namespace

class SheetPrintTest : public QObject {
    Q_OBJECT

private slots:
    void hundredStudentsOnLetterPrintFullPagesOfFortySix() {
        const auto doc = makeClass(100, 20);
        QTemporaryDir dir;
        const auto pages = printSheet(*doc, dir.filePath("sheet.pdf"));
        // W 2466, H 3216, line 227: 12 columns, trunc(3216 x 4.7 / 227) - 8 - 12 = 46 lines.
        QCOMPARE(pages.size(), 3);
        QCOMPARE(pages[0].count("Last"), 46);
        QCOMPARE(pages[1].count("Last"), 46);
        QCOMPARE(pages[2].count("Last"), 8);
        QVERIFY(pages[1].has("Last046,") && pages[2].has("Last092,") && pages[2].has("Last099,"));

        for (const PdfPage& page : pages) {
            QVERIFY(page.has("Period3") && !page.has("Period3.MKW"));
            QVERIFY(page.has("Totals"));
            // The last twelve assignments, whatever the screen shows: headings and
            // description lines 9 to 20 and nothing of 1 to 8.
            for (int a = 9; a <= 20; ++a) {
                QVERIFY2(page.has(QString("%1:").arg(a)), qPrintable(QString::number(a)));
                QVERIFY(page.has(QString("Desc%1").arg(a)));
            }
            QVERIFY(!page.has("8:") && !page.has("Desc8") && !page.has("1:"));
            QVERIFY(page.has("N/A"));
            QVERIFY(qAbs(page.find("Period3")->yMin - lineTop(4)) < 1.5);
            QVERIFY(qAbs(page.find("Totals")->yMin - lineTop(5)) < 1.5);
        }
        // Full page: students on lines 6 to 51, then points, two blank lines and the
        // twelve description lines down to line 66.
        QVERIFY(qAbs(pages[0].find("Last000,")->yMin - lineTop(6)) < 1.5);
        QVERIFY(qAbs(pages[0].find("Last045,")->yMin - lineTop(51)) < 1.5);
        QVERIFY(qAbs(pages[0].find("Desc20")->yMin - lineTop(66)) < 1.5);
        // Last page: 8 students, the descriptions follow at once.
        QVERIFY(qAbs(pages[2].find("Desc9")->yMin - lineTop(6 + 8 + 3)) < 1.5);

        QCOMPARE(previewPages(*doc), 3);
        QCOMPARE(previewPages(*doc, QPageSize::A4), 2); // 51 lines a page
    }

    void fewerAssignmentsThanColumnsPrintAllAndNoneMeansNoTotals() {
        QTemporaryDir dir;
        const auto three = printSheet(*makeClass(5, 3), dir.filePath("three.pdf"));
        QCOMPARE(three.size(), 1);
        QVERIFY(three[0].has("1:") && three[0].has("3:") && three[0].has("Totals"));
        QCOMPARE(three[0].count("Last"), 5);

        const auto none = printSheet(*makeClass(5, 0), dir.filePath("none.pdf"));
        QCOMPARE(none.size(), 1);
        QCOMPARE(none[0].count("Last"), 5);
        QVERIFY(!none[0].has("Totals") && !none[0].has("1:") && !none[0].has("0"));
        QCOMPARE(none[0].words.size(), 1 + 2 * 5); // title and the names
    }

    void classWithoutStudentsPrintsOnePage() {
        const auto doc = makeClass(0, 2);
        QTemporaryDir dir;
        const auto pages =
            printSheet(*doc, dir.filePath("empty.pdf"), 300, QPageSize::Letter, "Markwi1");
        QCOMPARE(pages.size(), 1);
        QVERIFY(pages[0].has("Markwi1") && pages[0].has("1:") && pages[0].has("2:"));
        QVERIFY(pages[0].has("Totals"));
        // The points line takes line 6.
        QVERIFY(qAbs(pages[0].find("20")->yMin - lineTop(6)) < 1.5);
        QCOMPARE(previewPages(*doc), 1);
    }

    void everyResolutionPrintsTheSamePagesInsideThePrintableArea() {
        const auto doc = makeClass(100, 20);
        QTemporaryDir dir;
        const auto reference = printSheet(*doc, dir.filePath("300.pdf"), 300);
        QCOMPARE(reference.size(), 3);
        for (int dpi : {300, 600, 1200}) {
            const auto pages = printSheet(*doc, dir.filePath(QString("r%1.pdf").arg(dpi)), dpi);
            QCOMPARE(pages.size(), reference.size());
            for (int p = 0; p < pages.size(); ++p) {
                const PdfPage& page = pages[p];
                QCOMPARE(page.words.size(), reference[p].words.size());
                for (int w = 0; w < page.words.size(); ++w) {
                    const test::PdfWord& word = page.words[w];
                    QCOMPARE(word.text, reference[p].words[w].text);
                    QVERIFY(qAbs(word.xMin - reference[p].words[w].xMin) < 0.5);
                    QVERIFY(qAbs(word.yMin - reference[p].words[w].yMin) < 0.5);
                    QVERIFY2(word.xMin >= kMargin - 0.5 && word.yMin >= kMargin - 0.5 &&
                                 word.xMax <= page.width - kMargin &&
                                 word.yMax <= page.height - kMargin,
                             qPrintable(QString("%1 at %2 dpi").arg(word.text).arg(dpi)));
                }
            }
        }
    }

    void gradeSheetViewPrintsItsClassThroughItsCommands() {
        QTemporaryDir dir;
        CWinApp app(CProfile(dir.filePath("Markwise.ini").toStdString()));
        CDocument document(app.docManager(), makeClass(100, 20), dir.filePath("Period3.MKW"),
                           "Period3.MKW");
        CMarkwiseView view(document);
        for (int id : {ID_FILE_PRINT, ID_FILE_PRINT_DIRECT, ID_FILE_PRINT_PREVIEW}) {
            CommandState state;
            QVERIFY(view.updateCommand(id, state));
        }
        ApplicationPrinter().setPageSize(QPageSize(QPageSize::Letter));

        const QString printed = dir.filePath("printed.pdf");
        PrintSeam::setPrintDialogAnswerer([](QPrinter&) { return false; });
        ApplicationPrinter().setOutputFormat(QPrinter::PdfFormat);
        ApplicationPrinter().setOutputFileName(printed);
        view.runCommand(ID_FILE_PRINT);
        QVERIFY(!QFile::exists(printed));

        PrintSeam::setPrintDialogAnswerer([](QPrinter&) { return true; });
        view.runCommand(ID_FILE_PRINT);
        PrintSeam::setPrintDialogAnswerer({});
        auto pages = ReadPdfPages(printed);
        QCOMPARE(pages.size(), 3);
        QCOMPARE(pages[2].count("Last"), 8);
        QVERIFY(pages[0].has("Period3") && !pages[0].has("Period3.MKW"));

        const QString direct = dir.filePath("direct.pdf");
        ApplicationPrinter().setOutputFileName(direct);
        view.runCommand(ID_FILE_PRINT_DIRECT);
        QCOMPARE(ReadPdfPages(direct).size(), 3);

        int previewed = -1;
        PrintSeam::setPreviewAnswerer([&previewed](QPrintPreviewDialog& dialog) {
            auto* widget = dialog.findChild<QPrintPreviewWidget*>();
            widget->updatePreview();
            previewed = widget->pageCount();
        });
        view.runCommand(ID_FILE_PRINT_PREVIEW);
        PrintSeam::setPreviewAnswerer({});
        QCOMPARE(previewed, 3);
    }
};

QTEST_MAIN(SheetPrintTest)
#include "sheet_print_test.moc"
