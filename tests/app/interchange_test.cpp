#include "app/interchange_commands.h"
#include "app/main_frame.h"
#include "app/markwise_app.h"
#include "core/class_file.h"
#include "core/csv_layout.h"
#include "core/markwise_doc.h"
#include "dialogs/import_preview_dlg.h"
#include "framework/commands.h"
#include "support/app_fixture.h"

#include <QMdiArea>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>

using namespace markwise;
using namespace markwise::test;

// The File menu's CSV commands, driven through the program's command route with every
// dialog answered by the test.
class InterchangeTest : public QObject, AppFixture {
    Q_OBJECT
    QString path(const QString& name) const { return m_dir->filePath(name); }

    // The sample class, open from a copy.
    CDocument& startWithSample() {
        const QString copy = copyOfSample();
        [&] { QVERIFY(CreateApp().InitInstance({false, copy})); }();
        return *manager().activeDocument();
    }
    // The bytes the class file of doc holds.
    QByteArray saved(const CMarkwiseDoc& doc) {
        std::string error;
        const QString file = path("saved.mkw");
        if (!SaveClassFile(file.toStdString(), doc, error))
            return QByteArray("not saved: ") + error.c_str();
        return ReadFile(file);
    }
    QString writeCsv(const QString& name, const QByteArray& bytes) {
        const QString file = path(name);
        WriteFile(file, bytes);
        return file;
    }
    // Import Scores with the match given and the preview answered by `apply`; the preview
    // the program would show is kept in `preview`.
    void importScores(const QString& csv, MergeMatch match, bool apply) {
        m_messages.file = csv;
        auto& questions = frame().interchange().scoreImportQuestions();
        questions.chooseMatch = [match](QWidget*, const CsvSheet&) { return match; };
        questions.confirm = [this, apply](QWidget*, const CMarkwiseDoc& doc, const MergePlan& plan,
                                          const QString& fileName) {
            CImportPreviewDlg dialog(doc, plan, fileName);
            previewSummary = dialog.SummaryText();
            previewLines.clear();
            for (int i = 0; i < dialog.Details()->topLevelItemCount(); ++i) {
                const QTreeWidgetItem* section = dialog.Details()->topLevelItem(i);
                previewLines << section->text(0);
                for (int j = 0; j < section->childCount(); ++j) {
                    QStringList cells;
                    for (int c = 0; c < 4; ++c)
                        cells << section->child(j)->text(c);
                    previewLines << "  " + cells.join('|');
                }
            }
            previewApplies = dialog.ApplyButton()->isEnabled();
            ++previews;
            return apply;
        };
        QVERIFY(frame().executeCommand(ID_FILE_CSV_IMPORT_SCORES));
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

    void fileMenuOffersTheCommandsOnlyWhereTheyApply() {
        startWithSample();
        QStringList items;
        for (QAction* action : frame().shownMenus().front()->actions())
            items << action->text();
        const int at = items.indexOf("Save &As...");
        QCOMPARE(items.mid(at, 6), (QStringList{"Save &As...", "", "&Import...",
                                                "I&mport Scores...", "E&xport...", ""}));
        manager().CloseAllDocuments();
        frame().updateCommandStates();
        QVERIFY(frame().action(ID_FILE_CSV_IMPORT)->isEnabled());
        QVERIFY(!frame().action(ID_FILE_CSV_EXPORT)->isEnabled());
        QVERIFY(!frame().action(ID_FILE_CSV_IMPORT_SCORES)->isEnabled());
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
            QVERIFY(frame().executeCommand(ID_FILE_CSV_EXPORT));
            QCOMPARE(ReadFile(out),
                     QByteArray::fromStdString(ExportCsv(document.data(), layouts[i])));
        }
        // Cancelled, or a folder that does not exist: nothing written, the class untouched.
        UiSeam::setFilterAnswerer({});
        m_messages.file.clear();
        QVERIFY(frame().executeCommand(ID_FILE_CSV_EXPORT));
        m_messages.file = path("missing/out.csv");
        QVERIFY(frame().executeCommand(ID_FILE_CSV_EXPORT));
        QCOMPARE(m_messages.texts.size(), 1);
        QVERIFY(!QFile::exists(m_messages.file));
        QVERIFY(!document.isModified());
    }

    void importOpensTheFileAsANewModifiedClass() {
        CDocument& sample = startWithSample();
        const std::string csv = ExportCsv(sample.data(), CsvLayout::Canvas);
        m_messages.file = writeCsv("canvas.csv", QByteArray::fromStdString(csv));
        QVERIFY(frame().executeCommand(ID_FILE_CSV_IMPORT));

        CDocument* imported = manager().activeDocument();
        QVERIFY(imported && imported != &sample);
        QCOMPARE(imported->title(), QString("Markwi1"));
        QVERIFY(imported->path().isEmpty());
        QVERIFY(imported->isModified());
        QCOMPARE(imported->frames().size(), std::size_t(1));
        CsvSheet sheet;
        std::string error;
        const auto expected = ImportCsvClass(csv, sheet, error);
        QVERIFY(expected);
        QCOMPARE(saved(imported->data()), saved(*expected));
        QVERIFY(m_messages.texts.isEmpty());
    }

    void refusedImportsShowTheReasonAndOpenNothing() {
        startWithSample();
        const QByteArray files[] = {
            "Last Name,First Name,Quiz\nLee,Ann,\"9\n", // unclosed quote
            "Last Name,First Name,Student ID,Grade Level,Book Number,Phone,Quiz\n"
            "Points Possible,,,,,,10\nDescription,,,,,,\nLee,Ann,7,,,,twelve\n",
        };
        for (const QByteArray& bytes : files) {
            m_messages.texts.clear();
            m_messages.file = writeCsv("bad.csv", bytes);
            CsvSheet sheet;
            std::string error;
            QVERIFY(!LoadCsvSheet(m_messages.file.toStdString(), sheet, error));
            QVERIFY(frame().executeCommand(ID_FILE_CSV_IMPORT));
            QCOMPARE(m_messages.texts, QStringList{QString::fromStdString(error)});
            QCOMPARE(manager().documents().size(), std::size_t(1));
        }
    }

    void importScoresPreviewsThenAppliesOrCancels() {
        CDocument& document = startWithSample();
        const QByteArray before = saved(document.data());
        // Chidi's quiz 9 -> 10 and a bonus of 5; Sofía's blank quiz stays, homework 11 -> 12;
        // a stranger is skipped; "Bonus" is new.
        const QString csv = writeCsv("scores.csv", "Student ID,Quiz 1,Homework 1,Bonus\n"
                                                   "240105,10,,5\n"
                                                   "240130,,12,\n"
                                                   "999999,1,1,1\n");
        importScores(csv, MergeMatch::Id, false);
        QCOMPARE(previews, 1);
        QCOMPARE(previewSummary, QString("2 students matched, 1 row skipped, 1 assignment added, "
                                         "3 scores changed."));
        QVERIFY(previewLines.contains("  line 4: 999999|||"));
        QVERIFY(previewLines.contains("  |Bonus||5 points"));
        QVERIFY(previewLines.contains("  Okafor, Chidi|Quiz 1|9|10"));
        QVERIFY(previewLines.contains("  Okafor, Chidi|Bonus|N/A|5"));
        QVERIFY(previewLines.contains(QString::fromUtf8("  Hernández, Sofía|Homework 1|11|12")));
        QVERIFY(previewApplies);
        // Cancel changes nothing.
        QCOMPARE(saved(document.data()), before);
        QVERIFY(!document.isModified());
        QVERIFY(!document.editor().history().canUndo());

        importScores(csv, MergeMatch::Id, true);
        const CMarkwiseDoc& doc = document.data();
        QVERIFY(document.isModified());
        QCOMPARE(doc.m_assignments[0].m_scores[0], 10.0);
        QCOMPARE(doc.m_assignments[1].m_scores[1], 12.0);
        QCOMPARE(doc.m_assignments[doc.m_assignmentCount - 1].m_title, std::string("Bonus"));
        QCOMPARE(doc.m_assignments[doc.m_assignmentCount - 1].m_scores[0], 5.0);
        QVERIFY(m_messages.texts.isEmpty());

        // The same file again changes nothing more, and the preview says so.
        importScores(csv, MergeMatch::Id, true);
        QVERIFY(previewSummary.endsWith("0 assignments added, 0 scores changed."));
        QVERIFY(!previewApplies);

        // One step: undo gives back the very file and the saved state; redo makes it again.
        const QByteArray applied = saved(doc);
        QVERIFY(frame().executeCommand(ID_EDIT_UNDO));
        QCOMPARE(saved(doc), before);
        QVERIFY(!document.isModified());
        QVERIFY(!document.editor().history().canUndo());
        QVERIFY(frame().executeCommand(ID_EDIT_REDO));
        QCOMPARE(saved(doc), applied);
        QVERIFY(document.isModified());
    }

    void refusedScoreImportsShowTheReasonAndChangeNothing() {
        CDocument& document = startWithSample();
        const QByteArray before = saved(document.data());
        struct Case {
            QByteArray csv;
            MergeMatch match;
        };
        const Case cases[] = {
            {"Student ID,Quiz 1\n240105,twelve\n", MergeMatch::Id},      // not a number
            {"Student ID,Quiz 1\n240105,1\n240105,2\n", MergeMatch::Id}, // ID twice
            {"Quiz 1,Quiz 2\n1,2\n", MergeMatch::Name},                  // nothing to match by
            {"Student ID,Quiz 1,Quiz 1\n240105,1,2\n", MergeMatch::Id},  // title twice
        };
        for (const Case& c : cases) {
            m_messages.texts.clear();
            const QString file = writeCsv("bad.csv", c.csv);
            CsvSheet sheet;
            MergePlan plan;
            std::string error;
            QVERIFY(!LoadCsvSheet(file.toStdString(), sheet, error,
                                  AssignmentTitles(document.data())) ||
                    !PlanMerge(document.data(), sheet, c.match, plan, error));
            importScores(file, c.match, true);
            QCOMPARE(m_messages.texts, QStringList{QString::fromStdString(error)});
            QCOMPARE(previews, 0);
            QCOMPARE(saved(document.data()), before);
            QVERIFY(!document.isModified());
            QVERIFY(!document.editor().history().canUndo());
        }
    }
};

QTEST_MAIN(InterchangeTest)
#include "interchange_test.moc"
