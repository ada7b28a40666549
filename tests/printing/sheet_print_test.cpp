// The grade sheet on paper, read back from PDF files: pages, lines per page and the
// printed columns.
#include "core/markwise_doc.h"
#include "core/profile.h"
#include "framework/commands.h"
#include "framework/document.h"
#include "framework/print_services.h"
#include "framework/win_app.h"
#include "gradesheet/markwise_view.h"
#include "gradesheet/sheet_print_job.h"
#include "pdf_pages.h"
#include "support/class_builder.h"
#include "support/offscreen_noise.h"

#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>

using namespace markwise;
using namespace markwise::test;

namespace {

constexpr double kMargin = 10;    // Qt's default page margins, points
constexpr double kLinePt = 11.35; // 227 twips

// Students "Last000, First000" ..., so that "Last" counts the names on a page; 10-point
// assignments described "Desc1" ... with a missing score for every seventh student.
std::unique_ptr<CMarkwiseDoc> makeClass(int students, int assignments) {
    auto doc = NewClass();
    char last[16];
    for (int s = 0; s < students; ++s) {
        std::snprintf(last, sizeof last, "Last%03d", s);
        AddStudent(*doc, last, "First");
    }
    for (int a = 0; a < assignments; ++a) {
        std::vector<double> scores;
        for (int s = 0; s < students; ++s)
            scores.push_back(s % 7 == 0 ? MISSING_SCORE : (s + a) % 11);
        AddAssignment(*doc, 10, scores, "T", "Desc" + std::to_string(a + 1));
    }
    return doc;
}

QList<PdfPage> printSheet(const CMarkwiseDoc& doc, const QString& file, int dpi = 300,
                          const std::string& title = "Period3.MKW") {
    SheetPrintJob job(doc, title, CGradeCutoffs());
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

class SheetPrintTest : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

private slots:
    void initTestCase() { DropOffscreenNoise(); }
    void hundredStudentsOnLetterPrintFullPagesOfFortySix() {
        const auto pages = printSheet(*makeClass(100, 20), m_dir.filePath("sheet.pdf"));
        // W 2466, H 3216, line 227: 12 columns, trunc(3216 x 4.7 / 227) - 8 - 12 = 46 lines.
        QCOMPARE(pages.size(), 3);
        QCOMPARE(pages[0].count("Last"), 46);
        QCOMPARE(pages[1].count("Last"), 46);
        QCOMPARE(pages[2].count("Last"), 8);
        QVERIFY(pages[2].has("Last092,") && pages[2].has("Last099,"));
        for (const PdfPage& page : pages) {
            QVERIFY(page.has("Period3") && !page.has("Period3.MKW"));
            // The last twelve assignments, whatever the screen shows: headings and
            // description lines 9 to 20 and nothing of 1 to 8.
            for (int a = 9; a <= 20; ++a)
                QVERIFY(page.has(QString("%1:").arg(a)) && page.has(QString("Desc%1").arg(a)));
            QVERIFY(!page.has("8:") && !page.has("Desc8"));
            QVERIFY(page.has("N/A"));
            QVERIFY(onLine(page.find("Period3"), 4) && onLine(page.find("Totals"), 5));
        }
        // Full page: students on lines 6 to 51, then points, two blank lines and the
        // twelve description lines down to line 66. Last page: the descriptions follow at once.
        QVERIFY(onLine(pages[0].find("Last000,"), 6) && onLine(pages[0].find("Last045,"), 51));
        QVERIFY(qAbs(pages[0].find("Last000,")->xMin - kMargin) < 1.5);
        QVERIFY(onLine(pages[0].find("Desc20"), 66));
        QVERIFY(onLine(pages[2].find("Desc9"), 6 + 8 + 3));
    }

    void fewerAssignmentsThanColumnsAndEmptyClasses() {
        const auto three = printSheet(*makeClass(5, 3), m_dir.filePath("three.pdf"));
        QCOMPARE(three.size(), 1);
        QVERIFY(three[0].has("1:") && three[0].has("3:") && three[0].has("Totals"));

        const auto none = printSheet(*makeClass(5, 0), m_dir.filePath("none.pdf"));
        QCOMPARE(none.size(), 1);
        QCOMPARE(none[0].words.size(), 1 + 2 * 5); // title and the names: no "Totals"

        const auto empty =
            printSheet(*makeClass(0, 2), m_dir.filePath("empty.pdf"), 300, "Markwi1");
        QCOMPARE(empty.size(), 1);
        QVERIFY(empty[0].has("Markwi1") && empty[0].has("2:") && empty[0].has("Totals"));
        QVERIFY(onLine(empty[0].find("20"), 6)); // the points line
    }

    void everyResolutionPrintsTheSamePagesInsideThePrintableArea() {
        const auto doc = makeClass(100, 20);
        const auto reference = printSheet(*doc, m_dir.filePath("300.pdf"), 300);
        QCOMPARE(reference.size(), 3);
        for (int dpi : {600, 1200}) {
            const auto pages = printSheet(*doc, m_dir.filePath(QString("r%1.pdf").arg(dpi)), dpi);
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
                             qPrintable(QString("%1 at %2 dpi").arg(word.text).arg(dpi)));
                }
            }
        }
    }

    void gradeSheetViewPrintsItsClassThroughItsCommands() {
        CWinApp app(CProfile(m_dir.filePath("Markwise.ini").toStdString()));
        CDocument document(app.docManager(), makeClass(100, 20), m_dir.filePath("Period3.MKW"),
                           "Period3.MKW");
        const ViewDialogs none;
        CMarkwiseView view(document, none);
        ApplicationPrinter().setPageSize(QPageSize(QPageSize::Letter));
        ApplicationPrinter().setOutputFormat(QPrinter::PdfFormat);

        const QString direct = m_dir.filePath("direct.pdf");
        ApplicationPrinter().setOutputFileName(direct);
        view.runCommand(ID_FILE_PRINT_DIRECT);
        const auto pages = ReadPdfPages(direct);
        QCOMPARE(pages.size(), 3);
        QCOMPARE(pages[2].count("Last"), 8);
        QCOMPARE(PreviewPageCount([&] { view.runCommand(ID_FILE_PRINT_PREVIEW); }), 3);

        // "All assignments" ticked in the Print dialog: strips 1-12 and 13-20, three pages each.
        const QString all = m_dir.filePath("all.pdf");
        QStringList offered;
        PrintSeam::setPrintChoicesAnswerer([&](QPrinter& printer, PrintChoices& choices) {
            for (const auto& choice : choices.items)
                offered << choice.label + (choice.checked ? "+" : "-");
            choices.items.front().checked = true;
            printer.setOutputFileName(all);
            return true;
        });
        view.runCommand(ID_FILE_PRINT);
        PrintSeam::setPrintDialogAnswerer({});
        QCOMPARE(offered, QStringList{"All assignments-"});
        const auto strips = ReadPdfPages(all);
        QCOMPARE(strips.size(), 6);
        QVERIFY(strips[0].has("1:") && strips[0].has("12:") && !strips[0].has("13:"));
        QVERIFY(!strips[2].has("Totals") && strips[3].has("Totals"));
        QVERIFY(strips[5].has("13:") && strips[5].has("20:") && strips[5].has("Last099,"));
        // The choice holds for that job only: the next print is the last columns again.
        ApplicationPrinter().setOutputFileName(direct);
        view.runCommand(ID_FILE_PRINT_DIRECT);
        QCOMPARE(ReadPdfPages(direct).size(), 3);
    }
};

QTEST_MAIN(SheetPrintTest)
#include "sheet_print_test.moc"
