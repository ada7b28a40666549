// The File menu's CSV commands, driven through the program's command route with every dialog
// answered by the test. What the files hold and which are refused is the CSV and merge rules'.
#include "app/interchange_commands.h"
#include "core/class_file.h"
#include "core/csv_layout.h"
#include "dialogs/import_preview_dlg.h"
#include "framework/commands.h"
#include "support/app_fixture.h"

#include <QPushButton>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QtTest>

using namespace markwise;
using namespace markwise::test;

class InterchangeTest : public QObject, AppFixture {
    Q_OBJECT
    QString path(const QString& name) const { return m_dir->filePath(name); }

    // The sample class, open from a copy.
    CDocument& startWithSample() {
        [&] { QVERIFY(StartApp(copyOfSample())); }();
        return *manager().activeDocument();
    }
    QByteArray saved(const CMarkwiseDoc& doc) {
        const std::vector<unsigned char> bytes = WriteClass(doc);
        return QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size()));
    }
    QString writeCsv(const QString& name, const QByteArray& bytes) {
        WriteFile(path(name), bytes);
        return path(name);
    }
    void run(int id) { QVERIFY(frame().executeCommand(id)); }
    // Import Scores by ID with the preview answered by `apply`; what it showed is kept below.
    void importScores(const QString& csv, bool apply) {
        m_messages.file = csv;
        auto& questions = frame().interchange().scoreImportQuestions();
        questions.chooseMatch = [](QWidget*, const CsvSheet&) { return MergeMatch::Id; };
        questions.confirm = [this, apply](QWidget*, const CMarkwiseDoc& doc, const MergePlan& plan,
                                          const QString& fileName) {
            CImportPreviewDlg dialog(doc, plan, fileName);
            previewSummary = dialog.SummaryText();
            previewLines.clear();
            for (QTreeWidgetItemIterator row(dialog.Details()); *row; ++row)
                previewLines << QStringList{(*row)->text(0), (*row)->text(1), (*row)->text(2),
                                            (*row)->text(3)}
                                    .join('|');
            previewApplies = dialog.ApplyButton()->isEnabled();
            ++previews;
            return apply;
        };
        run(ID_FILE_CSV_IMPORT_SCORES);
    }
    QString previewSummary;
    QStringList previewLines;
    bool previewApplies = false;
    int previews = 0;

private slots:
    void initTestCase() { PrepareApplication(); }
    void init() {
        FreshFolder();
        previews = 0;
    }
    void cleanup() {
        UiSeam::setFilterAnswerer({});
        CloseApp();
    }

    void exportWritesTheLayoutChosenInTheDialog() {
        CDocument& document = startWithSample();
        const QStringList filters = CsvExportFilters().split(";;");
        const CsvLayout layouts[] = {CsvLayout::Markwise, CsvLayout::Canvas, CsvLayout::Moodle};
        QCOMPARE(filters.size(), 3);
        for (int i = 0; i < 3; ++i) {
            const QString out = path(QString("export%1.csv").arg(i));
            UiSeam::setFilterAnswerer([&](const QString&, const QString&) {
                return UiSeam::SaveChoice{out, filters[i]};
            });
            run(ID_FILE_CSV_EXPORT);
            QCOMPARE(ReadFile(out),
                     QByteArray::fromStdString(ExportCsv(document.data(), layouts[i])));
        }
        // Cancelled, or a folder that does not exist: nothing written, the class untouched.
        UiSeam::setFilterAnswerer({});
        m_messages.file.clear();
        run(ID_FILE_CSV_EXPORT);
        m_messages.file = path("missing/out.csv");
        run(ID_FILE_CSV_EXPORT);
        QCOMPARE(m_messages.texts.size(), 1);
        QVERIFY(!QFile::exists(m_messages.file) && !document.isModified());
    }

    void importOpensANewModifiedClassOrShowsWhyNot() {
        CDocument& sample = startWithSample();
        const std::string csv = ExportCsv(sample.data(), CsvLayout::Canvas);
        m_messages.file = writeCsv("canvas.csv", QByteArray::fromStdString(csv));
        run(ID_FILE_CSV_IMPORT);
        CDocument* imported = manager().activeDocument();
        QVERIFY(imported && imported != &sample);
        QCOMPARE(imported->title(), QString("Markwi1"));
        QVERIFY(imported->path().isEmpty() && imported->isModified());
        CsvSheet sheet;
        std::string error;
        const auto expected = ImportCsvClass(csv, sheet, error);
        QVERIFY(expected);
        QCOMPARE(saved(imported->data()), saved(*expected));
        QVERIFY(m_messages.texts.isEmpty());

        m_messages.file = writeCsv("bad.csv", "Last Name,First Name,Quiz\nLee,Ann,\"9\n");
        QVERIFY(!LoadCsvSheet(m_messages.file.toStdString(), sheet, error));
        run(ID_FILE_CSV_IMPORT);
        QCOMPARE(m_messages.texts, QStringList{QString::fromStdString(error)});
        QCOMPARE(manager().documents().size(), std::size_t(2));
    }

    void importScoresPreviewsThenAppliesOrCancels() {
        CDocument& document = startWithSample();
        const QByteArray before = saved(document.data());
        // A refused file: its reason, no preview, nothing changed.
        const QString bad = writeCsv("bad.csv", "Student ID,Quiz 1\n240105,1\n240105,2\n");
        CsvSheet sheet;
        MergePlan plan;
        std::string error;
        QVERIFY(!LoadCsvSheet(bad.toStdString(), sheet, error, AssignmentTitles(document.data())) ||
                !PlanMerge(document.data(), sheet, MergeMatch::Id, plan, error));
        importScores(bad, true);
        QCOMPARE(m_messages.texts, QStringList{QString::fromStdString(error)});
        QCOMPARE(previews, 0);
        m_messages.texts.clear();

        // Chidi's quiz 9 -> 10 and a bonus of 5; Sofía's blank quiz stays, homework 11 -> 12;
        // a stranger is skipped; "Bonus" is new.
        const QString csv =
            writeCsv("scores.csv", "Student ID,Quiz 1,Homework 1,Bonus,Email\n"
                                   "240105,10,,5,c@school\n240130,,12,,s@school\n999999,1,1,1,\n");
        importScores(csv, false);
        QCOMPARE(previews, 1);
        QCOMPARE(previewSummary, QString("2 students matched, 1 row skipped, 1 assignment added, "
                                         "3 scores changed."));
        QVERIFY(previewLines.contains("line 4: 999999|||"));
        QVERIFY(previewLines.contains("Email|||"));
        QVERIFY(previewLines.contains("|Bonus||5 points"));
        QVERIFY(previewLines.contains("Okafor, Chidi|Quiz 1|9|10"));
        QVERIFY(previewApplies);
        QCOMPARE(saved(document.data()), before); // Cancel changes nothing
        QVERIFY(!document.isModified() && !document.editor().history().canUndo());

        importScores(csv, true);
        const CMarkwiseDoc& doc = document.data();
        QVERIFY(document.isModified() && m_messages.texts.isEmpty());
        QCOMPARE(doc.m_assignments[0].m_scores[0], 10.0);
        // The same file again would change nothing, and the preview offers no Apply.
        importScores(csv, true);
        QVERIFY(!previewApplies);

        // One step: undo gives back the very file and the saved state.
        run(ID_EDIT_UNDO);
        QCOMPARE(saved(doc), before);
        QVERIFY(!document.isModified() && !document.editor().history().canUndo());
    }
};

QTEST_MAIN(InterchangeTest)
#include "interchange_test.moc"
