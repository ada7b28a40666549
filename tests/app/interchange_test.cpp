// The File menu's CSV commands, driven through the program's command route with every dialog
// answered by the test. What the files hold and which are refused is the CSV and merge rules'.
#include "app/interchange_commands.h"
#include "core/class_file.h"
#include "core/csv_layout.h"
#include "dialogs/import_columns_dlg.h"
#include "dialogs/import_columns_model.h"
#include "dialogs/import_preview_dlg.h"
#include "framework/child_frame.h"
#include "framework/commands.h"
#include "framework/ui_language.h"
#include "gradesheet/markwise_view.h"
#include "gradesheet/sheet_keyboard.h"
#include "support/app_fixture.h"
#include "support/zip_entry.h"

#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
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
        answerColumns();
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
    // Every column question answered through the dialog itself, as shown and as OK takes it;
    // edit changes it.
    void answerColumns(std::function<void(CImportColumnsDlg&)> edit = {}) {
        frame().interchange().scoreImportQuestions().chooseColumns =
            [this, edit](QWidget*, const CsvSheet& sheet, const CMarkwiseDoc* doc,
                         const MergePlan* plan, const QString& fileName,
                         std::vector<CsvColumnChoice>& choices, std::vector<int>& targets) {
                CImportColumnsDlg dialog(sheet, doc, plan, fileName);
                if (edit)
                    edit(dialog);
                columnRows.clear();
                const QTableView* table = dialog.Table();
                const ImportColumnsModel* model = dialog.Model();
                for (int row = 0; row < model->rowCount(); ++row) {
                    QStringList cells;
                    for (int c : {ImportColumnsModel::FileColumn, ImportColumnsModel::Becomes,
                                  ImportColumnsModel::GoesInto, ImportColumnsModel::Points,
                                  ImportColumnsModel::Note})
                        if (!table->isColumnHidden(c))
                            cells << model->index(row, c).data().toString();
                    columnRows << cells.join('|');
                }
                dialog.accept();
                columnsCurrent = {table->currentIndex().row(), table->currentIndex().column()};
                QString error;
                return dialog.result() == QDialog::Accepted &&
                       dialog.Choices(choices, targets, error);
            };
    }
    // One cell set as the teacher would: its list opened and a choice made, or typed, then
    // Enter pressed unless the box is left open.
    static void choose(CImportColumnsDlg& dialog, int row, int column, const QVariant& value,
                       bool leftOpen = false) {
        const QModelIndex index = dialog.Model()->index(row, column);
        dialog.Table()->setCurrentIndex(index); // as the click on it does
        dialog.Table()->edit(index);
        QWidget* editor = dialog.Table()->indexWidget(index);
        QVERIFY(editor != nullptr);
        if (auto* box = qobject_cast<QComboBox*>(editor))
            box->setCurrentIndex(column == ImportColumnsModel::Becomes
                                     ? value.toInt()
                                     : box->findData(value.toInt()));
        else
            qobject_cast<QLineEdit*>(editor)->setText(value.toString());
        if (leftOpen)
            return;
        // Done as Enter does: the view edits one cell at a time.
        QAbstractItemDelegate* delegate = dialog.Table()->itemDelegateForIndex(index);
        emit delegate->commitData(editor);
        emit delegate->closeEditor(editor);
    }
    static bool editable(CImportColumnsDlg& dialog, int row, int column) {
        return (dialog.Model()->index(row, column).flags() & Qt::ItemIsEditable) != 0;
    }
    QStringList columnRows;
    std::pair<int, int> columnsCurrent; // the column list's current cell as OK left it
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
        const CsvLayout layouts[] = {CsvLayout::Markwise, CsvLayout::Canvas, CsvLayout::Moodle,
                                     CsvLayout::Markwise};
        QCOMPARE(filters.size(), 6);
        for (int i = 0; i < 5; ++i) {
            const QString out = path(QString("export%1.csv").arg(i));
            UiSeam::setFilterAnswerer([&](const QString&, const QString&) {
                return UiSeam::SaveChoice{out, filters[i]};
            });
            run(ID_FILE_CSV_EXPORT);
            if (i == 4) { // the workbook, whose sheet the LibreOffice check reads back
                QVERIFY(!QFile::exists(out)); // never under the suggested ".csv"
                QVERIFY(ReadFile(path("export4.xlsx")).startsWith("PK\x03\x04"));
                continue;
            }
            QCOMPARE(ReadFile(out), QByteArray::fromStdString(ExportCsv(document.data(), layouts[i],
                                                                        /*byteOrderMark=*/i == 3)));
        }
        QVERIFY(ReadFile(path("export3.csv")).startsWith("\xEF\xBB\xBF"));
        // Cancelled, or a folder that does not exist: nothing written, the class untouched.
        UiSeam::setFilterAnswerer({});
        m_messages.file.clear();
        run(ID_FILE_CSV_EXPORT);
        m_messages.file = path("missing/out.csv");
        run(ID_FILE_CSV_EXPORT);
        QCOMPARE(m_messages.texts.size(), 1);
        QVERIFY(!QFile::exists(m_messages.file) && !document.isModified());
    }

    // One sheet by default, whatever else is open; one per open class when asked, the
    // active class's first.
    void exportWorkbookOfEveryOpenClass() {
        CDocument& sample = startWithSample();
        CDocument* other = manager().OnFileNew();
        QVERIFY(other && manager().activeDocument() == other);
        const QStringList filters = CsvExportFilters().split(";;");
        QStringList workbooks;
        for (const int f : {4, 5}) {
            UiSeam::setFilterAnswerer([&](const QString&, const QString&) {
                return UiSeam::SaveChoice{path(QString("book%1.xlsx").arg(f)), filters[f]};
            });
            run(ID_FILE_CSV_EXPORT);
            workbooks << QString::fromStdString(ZipEntry(
                ReadFile(path(QString("book%1.xlsx").arg(f))).toStdString(), "xl/workbook.xml"));
        }
        const QString first =
            QString("<sheet name=\"%1\" sheetId=\"1\"").arg(QFileInfo(other->title()).baseName());
        const QString second = QString("<sheet name=\"%1\" sheetId=\"2\"")
                                   .arg(QFileInfo(sample.path()).completeBaseName());
        QVERIFY2(workbooks[0].contains(first) && !workbooks[0].contains("sheetId=\"2\""),
                 qPrintable(workbooks[0]));
        QVERIFY2(workbooks[1].contains(first) && workbooks[1].contains(second),
                 qPrintable(workbooks[1]));
        QVERIFY(m_messages.texts.isEmpty());
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

        // Refused naming the file, the line and the column; nothing opens.
        m_messages.file = writeCsv("bad.csv", "Last Name,First Name,Quiz\nLee,Ann,\"9\n");
        run(ID_FILE_CSV_IMPORT);
        QCOMPARE(m_messages.texts,
                 QStringList{"bad.csv: Line 2, column \"Quiz\": a quoted cell is not closed. Add "
                             "the closing double quote."});
        QCOMPARE(manager().documents().size(), std::size_t(2));
    }

    // A refusal and a column's note in German: the sentence translated, the file's line,
    // column title and cell as the file holds them; with the translation gone, today's English.
    void importAndPasteRefusalsFollowTheLanguage() {
        CDocument& sample = startWithSample();
        const QString bad =
            writeCsv("bad.csv", "Last Name,First Name,Quiz\nLee,Ann,abc\nKim,Bo,7\n");
        const QString notes = writeCsv("notes.csv", "Last Name,First Name,E-mail\nLee,Ann,a@b.c\n");
        auto& keys = static_cast<CMarkwiseView*>(manager().activeFrame()->view())->keyboard();
        const CMarkwiseDoc& doc = sample.data();
        const QString where = QString("\"%1\" für %2")
                                  .arg(QString::fromStdString(doc.m_assignments[0].m_title),
                                       QString::fromStdString(doc.GetFullName(1)));
        // The columns are shown, then the import is cancelled: only the sample stays open.
        auto& questions = frame().interchange().scoreImportQuestions();
        questions.chooseColumns = [shown = questions.chooseColumns](auto&&... args) {
            shown(args...);
            return false;
        };
        const double before = doc.m_assignments[0].m_scores[1];
        const auto refusals = [&] {
            m_messages.texts.clear();
            m_messages.file = bad;
            run(ID_FILE_CSV_IMPORT);
            m_messages.file = notes;
            run(ID_FILE_CSV_IMPORT);
            keys.setCell({0, 0});
            QGuiApplication::clipboard()->setText("1\nx\n");
            run(ID_EDIT_PASTE);
            keys.setCell({0, kNameColumn});
            run(ID_EDIT_PASTE);
            return m_messages.texts;
        };
        {
            const UiLanguage german{QLocale(QLocale::German, QLocale::Germany)};
            QCOMPARE(refusals(),
                     (QStringList{"bad.csv: Zeile 2, Spalte \"Quiz\": \"abc\" ist keine Punktzahl. "
                                  "Ändern Sie den Wert, oder setzen Sie die Spalte auf „Nicht "
                                  "übernommen“.",
                                  "\"x\" (Zeile 2, Spalte 1 der eingefügten Zellen, " + where +
                                      ") ist keine Punktzahl. Es wurde nichts eingefügt.",
                                  "Wählen Sie die Punktzelle, bei der die eingefügten Punkte "
                                  "beginnen sollen."}));
            QCOMPARE(columnRows.last(), QString("E-mail|Nicht übernommen||enthält Text, keine "
                                                "Punktzahlen"));
        }
        QCOMPARE(refusals(),
                 (QStringList{"bad.csv: Line 2, column \"Quiz\": \"abc\" is not a score. Change "
                              "it, or mark the column ignored.",
                              "\"x\" (row 2, column 1 of the pasted cells, " +
                                  QString(where).replace("für", "for") +
                                  ") is not a score. Nothing was pasted.",
                              "Choose the score cell the pasted scores begin at."}));
        QCOMPARE(columnRows.last(), QString("E-mail|Ignored||holds text, not scores"));
        QCOMPARE(doc.m_assignments[0].m_scores[1], before);
        QCOMPARE(manager().documents().size(), std::size_t(1));
    }

    // The Moodle file's columns as the dialog shows them; the points the teacher confirms or
    // types are the class's, and a column set to ignored is gone.
    void importShowsEachColumnAndTakesTheTeachersChoices() {
        startWithSample();
        answerColumns([](CImportColumnsDlg& dialog) {
            QVERIFY(!editable(dialog, 3, ImportColumnsModel::Points)); // points are for scores
            QVERIFY(editable(dialog, 8, ImportColumnsModel::Points));
            choose(dialog, 8, ImportColumnsModel::Points, "40");
            choose(dialog, 7, ImportColumnsModel::Becomes, int(CsvColumnUse::Ignored));
        });
        m_messages.file = QString(MARKWISE_TEST_DATA) + "/moodle_grades.csv";
        run(ID_FILE_CSV_IMPORT);
        QCOMPARE(columnRows.size(), 11);
        QCOMPARE(columnRows[0], QString("First name|First name||"));
        QCOMPARE(columnRows[3], QString("Institution|Ignored||a profile field, not a score"));
        QCOMPARE(columnRows[6],
                 QString("Assignment: Essay 1 (Real)|Scores|20|The file gives no "
                         "points possible: 20 is only the highest score. Check it."));
        QCOMPARE(columnRows[9],
                 QString("Course total (Real)|Ignored||a total the platform works out, not an "
                         "assignment"));
        const CMarkwiseDoc& doc = manager().activeDocument()->data();
        QCOMPARE(doc.AssignmentsInUse(), 2);
        QCOMPARE(QString::fromStdString(doc.m_assignments[1].m_title), QString("Project"));
        QCOMPARE(doc.m_assignments[1].m_pointsPossible, 40.0);
        QCOMPARE(doc.m_assignments[0].m_pointsPossible, 20.0);

        // A points box without a number: the dialog says which column and keeps nothing.
        const std::size_t open = manager().documents().size();
        m_messages.texts.clear();
        answerColumns([](CImportColumnsDlg& dialog) {
            choose(dialog, 6, ImportColumnsModel::Points, "lots", true); // OK takes it
        });
        run(ID_FILE_CSV_IMPORT);
        QCOMPARE(manager().documents().size(), open);
        QCOMPARE(m_messages.texts.value(0), QString("Column \"Assignment: Essay 1 (Real)\": please "
                                                    "enter a number in \"Points possible\"."));
        QCOMPARE(columnsCurrent, std::make_pair(6, int(ImportColumnsModel::Points))); // to mend
    }

    // Canvas's "Quiz 1 (88101)" goes into the class's "Quiz 1", shown so and changeable.
    void importScoresMatchesPlatformTitles() {
        CDocument& document = startWithSample();
        const QString csv =
            writeCsv("canvas.csv", "Student,SIS User ID,SIS Login ID,Quiz 1 (88101),Current Score\n"
                                   "    Points Possible,,,10,(read only)\n"
                                   "\"Okafor, Chidi\",240105,chidi,10,99\n");
        const int before = document.data().AssignmentsInUse();
        importScores(csv, true);
        QCOMPARE(columnRows[3], QString("Quiz 1 (88101)|Scores|Quiz 1|10|Matched by its title "
                                        "without the platform's marks."));
        QCOMPARE(document.data().AssignmentsInUse(), before);
        QCOMPARE(document.data().m_assignments[0].m_scores[0], 10.0);
        run(ID_EDIT_UNDO);
        answerColumns([](CImportColumnsDlg& dialog) {
            choose(dialog, 3, ImportColumnsModel::GoesInto, kNewAssignment);
        });
        importScores(csv, true);
        QCOMPARE(document.data().AssignmentsInUse(), before + 1);
        QCOMPARE(QString::fromStdString(document.data().m_assignments[before].m_title),
                 QString("Quiz 1"));
        QCOMPARE(document.data().m_assignments[0].m_scores[0], 9.0);

        // Without a points row, a column going into the class's assignment shows (and keeps)
        // the class's points, not the file's highest score; into a new one, the highest score.
        run(ID_EDIT_UNDO);
        const QString bare = writeCsv("bare.csv", "Student ID,Quiz 1\n240105,7\n");
        std::vector<bool> enabled;
        answerColumns([&enabled](CImportColumnsDlg& dialog) {
            enabled.push_back(editable(dialog, 1, ImportColumnsModel::Points));
            choose(dialog, 1, ImportColumnsModel::GoesInto, kNewAssignment);
            enabled.push_back(editable(dialog, 1, ImportColumnsModel::Points));
            choose(dialog, 1, ImportColumnsModel::GoesInto, 0);
            // The ID column goes into no assignment, until it is made scores.
            enabled.push_back(editable(dialog, 0, ImportColumnsModel::GoesInto));
            choose(dialog, 0, ImportColumnsModel::Becomes, int(CsvColumnUse::Scores));
            enabled.push_back(editable(dialog, 0, ImportColumnsModel::GoesInto));
            choose(dialog, 0, ImportColumnsModel::Becomes, int(CsvColumnUse::Id));
        });
        importScores(bare, false);
        QCOMPARE(enabled, (std::vector<bool>{false, true, false, true}));
        QCOMPARE(columnRows[1], QString("Quiz 1|Scores|Quiz 1|10|"));
        answerColumns([](CImportColumnsDlg& dialog) {
            choose(dialog, 1, ImportColumnsModel::GoesInto, kNewAssignment);
        });
        importScores(bare, false);
        QCOMPARE(columnRows[1], QString("Quiz 1|Scores|A new assignment|7|"));
    }

    void importScoresPreviewsThenAppliesOrCancels() {
        CDocument& document = startWithSample();
        const QByteArray before = saved(document.data());
        // A refused file: its reason, no preview, nothing changed.
        const QString bad = writeCsv("bad.csv", "Student ID,Quiz 1\n240105,1\n240105,2\n");
        importScores(bad, true);
        QCOMPARE(m_messages.texts,
                 QStringList{"bad.csv: Line 3, column \"Student ID\": student ID \"240105\" also "
                             "appears on line 2. Correct one of the two rows, or delete one."});
        QCOMPARE(previews, 0);
        m_messages.texts.clear();

        // Chidi's quiz 9 -> 10 and a bonus of 5; Sofía's blank quiz stays, homework 11 -> 12;
        // a stranger is skipped; "Bonus" is new.
        const QString csv =
            writeCsv("scores.csv", "Student ID,Quiz 1,Homework 1,Bonus (5 pts),Email\n"
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
    // The preview shows marked scores as the sheet does; each merge is one step to undo.
    void importScoresShowsAndUndoesMarks() {
        CDocument& document = startWithSample();
        const QByteArray before = saved(document.data());
        const struct {
            const char* csv;
            const char* line; // Chidi's quiz in the preview
            ScoreMark mark;   // and its mark once applied
        } steps[] = {
            {"Student,SIS User ID,SIS Login ID,Quiz 1 (88101)\n\"Okafor, Chidi\",240105,chidi,EX\n",
             "Okafor, Chidi|Quiz 1|9|EX", ScoreMark::Excused},
            {"Last Name,First Name,Student ID,Grade Level,Book Number,Phone,Quiz 1\n"
             "Points Possible,,,,,,10\nDescription,,,,,,\n,,240105,,,,M\n",
             "Okafor, Chidi|Quiz 1|EX|M", ScoreMark::MissingWork},
            {"Student ID,Quiz 1\n240105,0\n", "Okafor, Chidi|Quiz 1|M|0", ScoreMark::None},
        };
        int file = 0;
        for (const auto& step : steps) {
            importScores(writeCsv(QString("marks%1.csv").arg(file++), step.csv), true);
            QVERIFY2(previewLines.contains(step.line), qPrintable(previewLines.join('\n')));
            QVERIFY(previewSummary.endsWith("1 score changed."));
            QCOMPARE(document.data().GetMark(0, 0), step.mark);
        }
        for (std::size_t i = 0; i < std::size(steps); ++i)
            run(ID_EDIT_UNDO);
        QCOMPARE(saved(document.data()), before);
        QVERIFY(!document.isModified());
    }
};

QTEST_MAIN(InterchangeTest)
#include "interchange_test.moc"
