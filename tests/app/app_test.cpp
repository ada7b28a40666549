#include "app/lock_keys.h"
#include "dialogs/install_dialogs.h"
#include "framework/child_frame.h"
#include "framework/commands.h"
#include "framework/print_services.h"
#include "gradesheet/view_dialogs.h"
#include "printing/pdf_pages.h"
#include "reports/install_reports.h"
#include "summaries/install_summaries.h"
#include "support/app_fixture.h"

#include <QAction>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QMimeData>
#include <QPrinter>
#include <QStatusBar>
#include <QTextBrowser>
#include <QtTest>
#include <csignal>
#include <sys/resource.h>

using namespace markwise;
using namespace markwise::test;

class AppTest : public QObject, AppFixture {
    Q_OBJECT
    bool start(const QString& file = QString()) {
        const bool started = StartApp(file);
        // New Student is handled only where its dialog is installed.
        m_app->viewDialogs().addStudent = [](CMarkwiseView&) {};
        if (started)
            frame().updateCommandStates();
        return started;
    }
    CMarkwiseView& view() { return *static_cast<CMarkwiseView*>(manager().activeFrame()->view()); }
    QStringList titles() {
        QStringList list;
        for (QMdiSubWindow* window : frame().mdiArea()->subWindowList())
            list << window->windowTitle();
        return list;
    }

private slots:
    void initTestCase() { PrepareApplication(); }
    void init() { FreshFolder(); }
    void cleanup() { CloseApp(); }

    // One command of each place that handles commands (program, main window, document,
    // sheet, report without its view, empty recent list, keys nothing handles), CSV, and the
    // check marks.
    void commandStates_data() {
        QTest::addColumn<int>("id");
        QTest::addColumn<bool>("withoutClass");
        QTest::addColumn<bool>("inGradeSheet");
        QTest::addColumn<bool>("checkedById"); // check mark after Student ID
        QTest::newRow("new") << int(ID_FILE_NEW) << true << true << false;
        QTest::newRow("help") << int(ID_HELP) << true << true << false;
        QTest::newRow("save") << int(ID_FILE_SAVE) << false << true << false;
        QTest::newRow("import") << int(ID_FILE_CSV_IMPORT) << true << true << false;
        QTest::newRow("export") << int(ID_FILE_CSV_EXPORT) << false << true << false;
        QTest::newRow("new student") << int(ID_STUDENT_NEW) << false << true << false;
        QTest::newRow("new window") << int(ID_WINDOW_NEW) << false << true << false;
        QTest::newRow("roster") << int(ID_CLASS_ROSTER) << false << false << false;
        QTest::newRow("recent") << int(ID_FILE_MRU_FILE1) << false << false << false;
        QTest::newRow("toolbar") << int(ID_VIEW_TOOLBAR) << true << true << true;
        QTest::newRow("student id") << int(ID_VIEW_STUDENT_ID) << false << true << true;
        // Bound to keys and handled nowhere: the keys do nothing.
        QTest::newRow("cut") << int(ID_EDIT_CUT) << false << false << false;
        QTest::newRow("next pane") << int(ID_NEXT_PANE) << false << false << false;
        QTest::newRow("prev pane") << int(ID_PREV_PANE) << false << false << false;
    }
    void commandStates() {
        QFETCH(int, id);
        QFETCH(bool, withoutClass);
        QFETCH(bool, inGradeSheet);
        QFETCH(bool, checkedById);
        QVERIFY(start());
        QAction* action = frame().action(id);
        QCOMPARE(action->isEnabled(), inGradeSheet);
        const bool checkedByName = id == ID_VIEW_TOOLBAR || id == ID_VIEW_STATUS_BAR;
        QCOMPARE(action->isChecked(), checkedByName);
        QVERIFY(frame().executeCommand(ID_VIEW_STUDENT_ID));
        QCOMPARE(action->isChecked(), checkedById);
        QVERIFY(frame().executeCommand(ID_FILE_CLOSE));
        QCOMPARE(action->isEnabled(), withoutClass);
        QCOMPARE(action->isChecked(), checkedByName);
    }

    // On an empty class the commands about a student or an assignment are disabled; with a
    // student, those about an assignment still are.
    void emptyClassDisablesWhatNeedsAStudentOrAnAssignment() {
        InstallEditingDialogs(CreateApp().viewDialogs());
        InstallSummaryDialogs(m_app->viewDialogs());
        InstallReportWindows(m_app->reportViews());
        QVERIFY(m_app->InitInstance({false, QString()}));
        const int needsStudent[] = {ID_STUDENT_EDIT, ID_STUDENT_REMOVE, ID_STUDENT_SUMMARY,
                                    ID_EDIT_FIND, ID_EDIT_REPEAT};
        const int needsAssignment[] = {ID_ASSIGNMENT_EDIT,    ID_ASSIGNMENT_REMOVE,
                                       ID_ASSIGNMENT_SUMMARY, ID_SORT_ASSIGNMENT,
                                       ID_CLASS_EXCLUDE,      ID_STUDENT_REPORT};
        for (const int id : needsStudent)
            QVERIFY2(!frame().commandState(id).enabled, qPrintable(QString::number(id)));
        for (const int id : needsAssignment)
            QVERIFY2(!frame().commandState(id).enabled, qPrintable(QString::number(id)));
        for (const int id : {ID_STUDENT_NEW, ID_ASSIGNMENT_NEW, ID_CLASS_ROSTER, ID_FILE_SAVE})
            QVERIFY2(frame().commandState(id).enabled, qPrintable(QString::number(id)));
        Change(*manager().activeDocument()); // a student
        for (const int id : needsStudent)
            QVERIFY2(frame().commandState(id).enabled, qPrintable(QString::number(id)));
        for (const int id : needsAssignment)
            QVERIFY2(!frame().commandState(id).enabled, qPrintable(QString::number(id)));
    }

    // Offscreen the lock keys cannot be read: no indicators rather than ones that look lit.
    void lockIndicatorsHideWhereTheKeysCannotBeRead() {
        QVERIFY(start());
        QCOMPARE(QGuiApplication::platformName(), QString("offscreen"));
        QVERIFY(!ReadLockKeys());
        for (QLabel* indicator : frame().lockIndicators())
            QVERIFY(indicator && indicator->isHidden());
    }

    // Alt and one letter reach one item of a menu: no two items of any menu, nor two menus
    // of a menu bar, share a letter, with a class open or none, recent files and windows listed
    // (an item may have none, as "Student ID" has always had).
    void menuLettersAreUniqueInEveryMenu() {
        QVERIFY(start(copyOfSample("first.mkw")));
        manager().openDocumentFile(copyOfSample("second.mkw"));
        frame().executeCommand(ID_WINDOW_NEW);
        const auto letter = [](const QString& text) {
            for (qsizetype i = 0; i + 1 < text.size(); ++i) {
                if (text[i] == '&' && text[i + 1] != '&')
                    return text[i + 1].toLower();
                if (text[i] == '&')
                    ++i;
            }
            return QChar();
        };
        const auto check = [&](const std::vector<QMenu*>& menus) {
            QStringList clashes;
            QMap<QChar, QString> bar;
            for (QMenu* menu : menus) {
                const QChar own = letter(menu->title());
                if (own.isNull() || bar.contains(own))
                    clashes << menu->title();
                bar[own] = menu->title();
                emit menu->aboutToShow(); // the window list fills in as it opens
                QMap<QChar, QString> seen;
                int items = 0;
                for (QAction* action : menu->actions()) {
                    if (action->isSeparator() || !action->isVisible())
                        continue;
                    ++items;
                    const QChar key = letter(action->text());
                    if (!key.isNull() && seen.contains(key))
                        clashes << menu->title() + ": " + seen[key] + " / " + action->text();
                    if (!key.isNull())
                        seen[key] = action->text();
                }
                if (items == 0)
                    clashes << menu->title() + " is empty";
            }
            return clashes;
        };
        QCOMPARE(check(frame().shownMenus()).join(" | "), QString());
        QVERIFY(frame().shownMenus().size() > 5);
        frame().executeCommand(ID_FILE_CLOSE);
        frame().executeCommand(ID_FILE_CLOSE);
        frame().executeCommand(ID_FILE_CLOSE);
        QCOMPARE(frame().shownMenus().size(), std::size_t(3));
        QCOMPARE(check(frame().shownMenus()).join(" | "), QString());
        // Alt+F, X is Exit.
        const QList<QAction*> fileItems = frame().shownMenus()[0]->actions();
        const auto exit = std::find_if(fileItems.begin(), fileItems.end(),
                                       [&](QAction* a) { return letter(a->text()) == 'x'; });
        QVERIFY(exit != fileItems.end());
        QCOMPARE(*exit, frame().action(ID_APP_EXIT));
    }

    void menuSetsFollowTheActiveWindow() {
        QVERIFY(start());
        auto menuTitles = [this] {
            QStringList list;
            for (QMenu* menu : frame().shownMenus())
                list << menu->title();
            return list;
        };
        QCOMPARE(menuTitles(), (QStringList{"&File", "&Edit", "&Class", "&Assignment", "&Student",
                                            "S&ort", "&View", "&Window", "&Help"}));
        frame().executeCommand(ID_FILE_CLOSE);
        QCOMPARE(menuTitles(), (QStringList{"&File", "&View", "&Help"}));

        // Shift+F1: the next click asks for help and does nothing else.
        frame().executeCommand(ID_CONTEXT_HELP);
        QCOMPARE(frame().statusBar()->currentMessage(),
                 QString("Select an object on which to get Help"));
        QTest::mouseClick(frame().mdiArea()->viewport(), Qt::LeftButton);
        QVERIFY(m_app->helpWindow() && m_app->helpWindow()->isVisible());
        QCOMPARE(m_app->helpWindow()->source(), QUrl("qrc:/help/index.html"));
        QVERIFY(frame().statusBar()->currentMessage().isEmpty());
    }

    void titlesWindowNumbersAndDroppedFiles() {
        QVERIFY(start());
        frame().executeCommand(ID_FILE_NEW);
        frame().executeCommand(ID_WINDOW_NEW);
        QCOMPARE(titles(), (QStringList{"Markwi1", "Markwi2:1", "Markwi2:2"}));
        frame().mdiArea()->subWindowList().back()->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(titles(), (QStringList{"Markwi1", "Markwi2"}));
        // A closed number is not reused.
        frame().mdiArea()->setActiveSubWindow(frame().mdiArea()->subWindowList().back());
        frame().executeCommand(ID_FILE_CLOSE);
        frame().executeCommand(ID_FILE_NEW);
        QCOMPARE(titles(), (QStringList{"Markwi1", "Markwi3"}));

        // A dropped file opens in a window of its own.
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(copyOfSample("dropped.mkw"))});
        QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, &data, Qt::LeftButton,
                              Qt::NoModifier);
        QApplication::sendEvent(&frame(), &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&frame(), &drop);
        QCOMPARE(titles(), (QStringList{"Markwi1", "Markwi3", "dropped.mkw"}));
    }

    // The changes marker follows each change, undo and save of the open class, also after a
    // damaged file was refused and with no command or dialog in between.
    void titleMarksChangesAfterARefusedFile() {
        QVERIFY(start(copyOfSample("class.mkw")));
        QVERIFY(!frame().shownTitle().contains('*'));
        const QString damaged = m_dir->filePath("damaged.mkw");
        QFile file(damaged);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("\x05\x00\x00", 3) == 3);
        file.close();
        QVERIFY(!manager().openDocumentFile(damaged));
        QCOMPARE(m_messages.texts.size(), 1);
        CDocument& document = *manager().activeDocument();
        Change(document);
        QCOMPARE(frame().shownTitle(), QString("Markwise - class.mkw*"));
        document.editor().undo();
        QCOMPARE(frame().shownTitle(), QString("Markwise - class.mkw"));
        document.editor().redo();
        QVERIFY(frame().shownTitle().endsWith('*'));
        QVERIFY(document.doSave(document.path()));
        QCOMPARE(frame().shownTitle(), QString("Markwise - class.mkw"));
    }

    void everyClassOfTheCommandLineOpens() {
        const QString a = copyOfSample("a.mkw"), b = copyOfSample("b.mkw");
        const QString absent = m_dir->filePath("absent.mkw");
        QVERIFY(CreateApp().InitInstance({false, a, {absent, b}}));
        QCOMPARE(titles(), (QStringList{"a.mkw", "b.mkw"}));
        QCOMPARE(m_messages.texts.size(), 1); // the absent one, said once
        QVERIFY(m_messages.texts[0].contains("absent.mkw"));
        CloseApp();
        // Nothing opened and nothing recovered: the program does not start.
        FreshFolder();
        QVERIFY(!CreateApp().InitInstance({false, absent, {absent}}));
    }

    void askToSaveOnCloseAndOnExit() {
        QVERIFY(start());
        Change(*manager().activeDocument());
        m_messages.answers = {Answer::Cancel};
        frame().executeCommand(ID_FILE_CLOSE);
        QCOMPARE(m_messages.texts, QStringList{"Save changes to Markwi1?"});
        QCOMPARE(manager().documents().size(), std::size_t(1)); // Cancel keeps it
        m_messages.file = m_dir->filePath("period3");
        m_messages.answers = {Answer::Save};
        frame().executeCommand(ID_FILE_CLOSE);
        QVERIFY(manager().documents().empty());
        QVERIFY(QFile::exists(m_dir->filePath("period3.MKW")));

        // On Exit only the modified one of two classes is asked about.
        frame().executeCommand(ID_FILE_NEW);
        frame().executeCommand(ID_FILE_NEW);
        manager().activeDocument()->editor().apply("Sort Randomly", ShuffleEdit(1));
        m_messages.texts.clear();
        m_messages.answers = {Answer::Cancel};
        frame().executeCommand(ID_APP_EXIT);
        QCOMPARE(manager().documents().size(), std::size_t(2));
        m_messages.answers = {Answer::Discard};
        frame().executeCommand(ID_APP_EXIT);
        QVERIFY(!frame().isVisible() && manager().documents().empty());
        QCOMPARE(m_messages.texts.size(), 2);
    }

    void failedSaveKeepsTheClassModifiedAndTheOldFile() {
        const QString path = copyOfSample("class.mkw");
        QVERIFY(start(path));
        CDocument& document = *manager().activeDocument();
        const QByteArray before = ReadFile(path);
        Change(document);

        // The disk fills while writing (a file-size limit holds even for root).
        struct rlimit old {};
        getrlimit(RLIMIT_FSIZE, &old);
        struct rlimit small = old;
        small.rlim_cur = 64;
        std::signal(SIGXFSZ, SIG_IGN);
        setrlimit(RLIMIT_FSIZE, &small);
        frame().executeCommand(ID_FILE_SAVE);
        setrlimit(RLIMIT_FSIZE, &old);
        QCOMPARE(m_messages.texts.size(), 1);
        QVERIFY(document.isModified() && ReadFile(path) == before);

        // Closing asks to save; the save fails and offers Save As, which puts the changes
        // in another file at once and lets the close go on.
        m_messages.texts.clear();
        m_messages.answers = {Answer::Save, Answer::SaveAs};
        m_messages.file = m_dir->filePath("elsewhere.mkw");
        QFile::remove(path);
        QVERIFY(QDir().mkdir(path)); // a folder where the file was: saving there fails
        QVERIFY(document.saveModified());
        QCOMPARE(m_messages.texts.size(), 2); // the question, the failure
        QVERIFY(!document.isModified());
        QVERIFY(ReadFile(m_messages.file).size() > before.size());
    }

    void recentFilesKeepFourNewestFirst() {
        QVERIFY(start());
        QStringList opened;
        for (int i = 1; i <= 5; ++i) {
            opened.prepend(QFileInfo(copyOfSample(QString("c%1.mkw").arg(i))).absoluteFilePath());
            QVERIFY(manager().openDocumentFile(opened.front()));
        }
        const QStringList expected = opened.mid(0, 4);
        QCOMPARE(m_app->services().recentFiles.files(), expected);
        frame().updateCommandStates();
        QCOMPARE(frame().action(ID_FILE_MRU_FILE1)->text(), "&1 " + expected[0]);

        // A later start reads the list back; reopening moves an entry to the top.
        m_messages.answers = {Answer::Discard};
        m_app.reset();
        QVERIFY(start());
        frame().executeCommand(ID_FILE_MRU_FILE3);
        QCOMPARE(manager().activeDocument()->title(), QString("c3.mkw"));
        QCOMPARE(m_app->services().recentFiles.files().front(), expected[2]);

        // An entry that no longer opens is named and leaves the menu and the profile.
        QVERIFY(QFile::remove(expected[1]));
        m_messages.texts.clear();
        frame().executeCommand(ID_FILE_MRU_FILE3);
        QCOMPARE(m_messages.texts.size(), 1);
        const QStringList left{expected[2], expected[0], expected[3]};
        QCOMPARE(m_app->services().recentFiles.files(), left);
        QCOMPARE(CProfile(profilePath().toStdString()).ReadRecentFiles().size(), std::size_t(3));
        QVERIFY(!frame().action(ID_FILE_MRU_FILE4)->isVisible());
    }

    // What the profile holds and how a bad one is kept is the profile's rule; here: the
    // program names the problem at start, leaves the file alone, and takes the cutoffs
    // it could read to every sheet and back at exit.
    void cutoffsComeFromTheProfileAndABadOneIsNamedAndKept() {
        const QByteArray bad = "[Grade Cutoffs]\nA+=abc\nC = 71\n";
        QVERIFY(WriteFile(profilePath(), bad));
        QVERIFY(start(copyOfSample("p.mkw")));
        QCOMPARE(m_messages.texts.size(), 1);
        QVERIFY2(m_messages.texts[0].startsWith("Some settings could not be read:\n\nThe grade "
                                                "cutoff A+ in the settings (\"abc\")"),
                 qPrintable(m_messages.texts[0]));
        QCOMPARE(m_app->cutoffs().m_cutoffC, 71);
        QCOMPARE(view().cutoffs(), m_app->cutoffs());
        // Opening a class (the recent-file list) and closing its view (the cutoffs) leave it.
        frame().executeCommand(ID_FILE_CLOSE);
        QCOMPARE(ReadFile(profilePath()), bad);
        // Preferences' OK writes it.
        QVERIFY(m_app->services().cutoffs.apply(m_app->cutoffs(), nullptr));
        QCOMPARE(CProfile(profilePath().toStdString()).ReadCutoffs(), m_app->cutoffs());

        CloseApp();
        QVERIFY(WriteFile(profilePath(), "[Grade Cutoffs]\nA+ = 95\nB = 83\n"));
        QVERIFY(start());
        QVERIFY(WriteFile(profilePath(), "")); // only the exit can bring the set back
        frame().executeCommand(ID_APP_EXIT);
        const CGradeCutoffs stored = CProfile(profilePath().toStdString()).ReadCutoffs();
        QCOMPARE(stored.m_cutoffB, 83);
        QCOMPARE(stored.m_cutoffAPlus, 95);
    }

    // File > Print Setup sets up the program's one printer: the Print dialog that comes next
    // offers what was chosen, and the pages come out on that paper.
    void printSetupChoosesThePaperOfTheNextPrint() {
        QVERIFY(start(copyOfSample()));
        PrintServices& printing = m_app->services().printing;
        const QString pdf = m_dir->filePath("setup.pdf");
        QList<QPrinter*> setUp;
        printing.setPageSetupAnswerer([&](QPrinter& printer) {
            setUp << &printer;
            printer.setPageSize(QPageSize(QPageSize::A4));
            printer.setPageOrientation(QPageLayout::Landscape);
            return true;
        });
        frame().updateCommandStates();
        QVERIFY(frame().action(ID_FILE_PRINT_SETUP)->isEnabled());
        QVERIFY(frame().executeCommand(ID_FILE_PRINT_SETUP));
        QCOMPARE(setUp, QList<QPrinter*>{&printing.printer()});

        QPageLayout offered;
        printing.setPrintDialogAnswerer([&](QPrinter& printer) {
            offered = printer.pageLayout();
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            return true;
        });
        QVERIFY(frame().executeCommand(ID_FILE_PRINT));
        QCOMPARE(offered.pageSize().id(), QPageSize::A4);
        QCOMPARE(offered.orientation(), QPageLayout::Landscape);
        const QList<PdfPage> pages = ReadPdfPages(pdf);
        QVERIFY(!pages.isEmpty());
        QCOMPARE(qRound(pages[0].width), 842);
        QCOMPARE(qRound(pages[0].height), 595);
    }
};

QTEST_MAIN(AppTest)
#include "app_test.moc"
