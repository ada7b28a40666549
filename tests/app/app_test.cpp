#include "app/main_frame.h"
#include "app/markwise_app.h"
#include "core/markwise_doc.h"
#include "framework/child_frame.h"
#include "framework/commands.h"
#include "gradesheet/view_dialogs.h"
#include "support/app_fixture.h"

#include <QAction>
#include <QMdiArea>
#include <QMenu>
#include <QMimeData>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QToolBar>
#include <QtTest>
#include <csignal>
#include <sys/resource.h>

using namespace markwise;
using namespace markwise::test;

class AppTest : public QObject, AppFixture {
    Q_OBJECT
    bool start(const QString& file = QString()) {
        const bool started = CreateApp().InitInstance({false, file});
        // Every dialog entry present, so the table below does not depend on which
        // dialog layers this build carries.
        ViewDialogs& d = m_app->viewDialogs();
        const auto none = [](CMarkwiseView&) {};
        d.addStudent = d.removeStudent = d.newAssignment = d.removeAssignment = none;
        d.excludeAssignments = d.preferences = d.sortByAssignment = none;
        d.assignmentSummary = d.classSummary = d.studentSummary = none;
        d.editStudent = [](CMarkwiseView&, int) {};
        d.editAssignment = [](CMarkwiseView&, int, int) {};
        if (started)
            frame().updateCommandStates();
        return started;
    }
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

    void commandStates_data() {
        QTest::addColumn<int>("id");
        QTest::addColumn<bool>("withoutClass");
        QTest::addColumn<bool>("inGradeSheet");
        QTest::addColumn<bool>("checkedById"); // check mark after Student ID
        const auto rows = [](const char* kind, std::initializer_list<int> ids, bool none,
                             bool sheet, bool checked = false) {
            for (int id : ids)
                QTest::addRow("%s %d", kind, id) << id << none << sheet << checked;
        };
        rows("always",
             {ID_FILE_NEW, ID_FILE_OPEN, ID_APP_EXIT, ID_HELP_FINDER, ID_APP_ABOUT, ID_HELP}, true,
             true);
        rows(
            "sheet",
            {ID_FILE_CLOSE,         ID_FILE_SAVE,         ID_FILE_SAVE_AS,    ID_FILE_PRINT,
             ID_FILE_PRINT_PREVIEW, ID_EDIT_PREFERENCES,  ID_CLASS_EXCLUDE,   ID_CLASS_SUMMARY,
             ID_ASSIGNMENT_NEW,     ID_ASSIGNMENT_REMOVE, ID_ASSIGNMENT_EDIT, ID_ASSIGNMENT_SUMMARY,
             ID_STUDENT_NEW,        ID_STUDENT_REMOVE,    ID_STUDENT_EDIT,    ID_STUDENT_SUMMARY,
             ID_SORT_NAME,          ID_SORT_TOTAL,        ID_SORT_ASSIGNMENT, ID_SORT_RANDOM,
             ID_WINDOW_NEW,         ID_WINDOW_CASCADE,    ID_SCROLL_LEFT,     ID_SCROLL_RIGHT,
             ID_EDIT_COPY},
            false, true);
        // An empty recent list, report commands without their views, a command without handler.
        rows("never",
             {ID_FILE_MRU_FILE1, ID_CLASS_ROSTER, ID_CLASS_PROGRESS_REPORTS, ID_STUDENT_REPORT},
             false, false);
        rows("checked", {ID_VIEW_TOOLBAR, ID_VIEW_STATUS_BAR}, true, true, true);
        rows("checked", {ID_VIEW_STUDENT_ID}, false, true, true);
    }
    void commandStates() {
        QFETCH(int, id);
        QFETCH(bool, withoutClass);
        QFETCH(bool, inGradeSheet);
        QFETCH(bool, checkedById);
        QVERIFY(start());
        QAction* action = frame().action(id);
        QVERIFY(action);
        QCOMPARE(action->isEnabled(), inGradeSheet);
        const bool checkedByName = id == ID_VIEW_TOOLBAR || id == ID_VIEW_STATUS_BAR;
        QCOMPARE(action->isChecked(), checkedByName);
        QVERIFY(frame().executeCommand(ID_VIEW_STUDENT_ID));
        QCOMPARE(action->isChecked(), checkedById);
        QVERIFY(frame().executeCommand(ID_FILE_CLOSE));
        QCOMPARE(action->isEnabled(), withoutClass);
        QCOMPARE(action->isChecked(), checkedByName);
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
        QStringList buttons;
        for (QAction* action : frame().toolBar()->actions())
            buttons << (action->isSeparator() ? "-" : action->toolTip());
        QCOMPARE(buttons, (QStringList{"New", "Open", "Save", "-", "Print", "-", "New Assignment",
                                       "Edit Assignment", "Remove Assignment", "-", "New Student",
                                       "Edit Student", "Remove Student", "-", "Scroll Left",
                                       "Scroll Right", "-", "About"}));
        QCOMPARE(frame().action(ID_FILE_NEW)->shortcut(), QKeySequence("Ctrl+N"));
        QCOMPARE(frame().action(ID_SCROLL_LEFT)->statusTip(),
                 QString("Scroll the Assignments Left"));
        frame().executeCommand(ID_FILE_CLOSE);
        QCOMPARE(menuTitles(), (QStringList{"&File", "&View", "&Help"}));

        frame().executeCommand(ID_HELP); // F1
        QVERIFY(m_app->helpWindow() && m_app->helpWindow()->isVisible());
        QCOMPARE(m_app->helpWindow()->source(), QUrl("qrc:/help/index.html"));

        // Shift+F1: the next click asks for help and does nothing else.
        m_app->helpWindow()->close();
        frame().executeCommand(ID_CONTEXT_HELP);
        QCOMPARE(frame().statusBar()->currentMessage(),
                 QString("Select an object on which to get Help"));
        QTest::mouseClick(frame().mdiArea()->viewport(), Qt::LeftButton);
        QVERIFY(m_app->helpWindow()->isVisible());
        QVERIFY(frame().statusBar()->currentMessage().isEmpty());
    }

    void titlesAndWindowNumbers() {
        QVERIFY(start());
        QCOMPARE(titles(), QStringList{"Markwi1"});
        frame().executeCommand(ID_FILE_NEW);
        QCOMPARE(titles(), (QStringList{"Markwi1", "Markwi2"}));
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
    }

    void askToSaveOnCloseAndOnExit() {
        QVERIFY(start());
        manager().activeDocument()->editor().apply("Add Student",
                                                   AddStudentEdit({"Ann", "Lee", "", "", "", ""}));
        m_messages.answers = {Answer::Cancel};
        frame().executeCommand(ID_FILE_CLOSE);
        QCOMPARE(m_messages.texts, QStringList{"Save changes to Markwi1?"});
        QCOMPARE(manager().documents().size(), std::size_t(1));
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

    void filesThatCannotBeReadOpenNoWindow() {
        QVERIFY(start());
        const QByteArray whole = ReadFile(sample());
        QVERIFY(whole.size() > 100);
        const QString truncated = m_dir->filePath("truncated.mkw");
        const QString over = m_dir->filePath("over.mkw");
        QVERIFY(WriteFile(truncated, whole.left(whole.size() / 2)));
        QVERIFY(WriteFile(over, QByteArray::fromHex("e9030000000000000000"))); // 1001 students
        for (const QString& path : {truncated, over, m_dir->filePath("missing.mkw")}) {
            m_messages.texts.clear();
            QVERIFY(!manager().OpenDocumentFile(path));
            QCOMPARE(m_messages.texts.size(), 1);
            QVERIFY(m_messages.texts[0].contains(QFileInfo(path).fileName()));
            QCOMPARE(titles(), QStringList{"Markwi1"});
        }
        QVERIFY(manager().recentFiles().isEmpty());
    }

    void failedSaveKeepsTheClassModifiedAndTheOldFile() {
        const QString path = copyOfSample("class.mkw");
        QVERIFY(start(path));
        CDocument& document = *manager().activeDocument();
        const QByteArray before = ReadFile(path);
        document.editor().apply("Add Student", AddStudentEdit({"New", "Student", "", "", "", ""}));

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
        QVERIFY(document.isModified());
        QCOMPARE(ReadFile(path), before);

        frame().executeCommand(ID_FILE_SAVE);
        QVERIFY(!document.isModified());
        QVERIFY(ReadFile(path) != before);

        // Closing asks to save; the save fails and offers Save As, which puts the changes
        // in another file at once and lets the close go on.
        document.editor().apply("Add Student", AddStudentEdit({"Third", "Try", "", "", "", ""}));
        const QByteArray saved = ReadFile(path);
        m_messages.texts.clear();
        m_messages.answers = {Answer::Save, Answer::SaveAs};
        m_messages.file = m_dir->filePath("elsewhere.mkw");
        setrlimit(RLIMIT_FSIZE, &small);
        QVERIFY(!document.SaveModified()); // the limit holds for Save As too
        setrlimit(RLIMIT_FSIZE, &old);
        QCOMPARE(m_messages.texts.size(), 3); // question, failure, failure again
        QVERIFY(document.isModified());
        m_messages.texts.clear();
        m_messages.answers = {Answer::Save, Answer::SaveAs};
        QFile::remove(path);
        QVERIFY(QDir().mkdir(path)); // a folder where the file was: saving there fails
        QVERIFY(document.SaveModified());
        QCOMPARE(m_messages.texts.size(), 2);
        QVERIFY(!document.isModified());
        QCOMPARE(document.title(), QString("elsewhere.mkw"));
        QVERIFY(ReadFile(m_messages.file) != saved);
    }

    void recentFilesKeepFourNewestFirst() {
        QVERIFY(start());
        QStringList opened;
        for (int i = 1; i <= 5; ++i) {
            opened.prepend(QFileInfo(copyOfSample(QString("c%1.mkw").arg(i))).absoluteFilePath());
            QVERIFY(manager().OpenDocumentFile(opened.front()));
        }
        const QStringList expected = opened.mid(0, 4);
        QCOMPARE(manager().recentFiles(), expected);
        QStringList stored;
        for (const std::string& file : CProfile(profilePath().toStdString()).ReadRecentFiles())
            stored << QString::fromStdString(file);
        QCOMPARE(stored, expected);
        frame().updateCommandStates();
        QCOMPARE(frame().action(ID_FILE_MRU_FILE1)->text(), "&1 " + expected[0]);

        // A later start reads the list back; reopening moves an entry to the top.
        m_messages.answers = {Answer::Discard};
        m_app.reset();
        QVERIFY(start());
        frame().executeCommand(ID_FILE_MRU_FILE3);
        QCOMPARE(manager().activeDocument()->title(), QString("c3.mkw"));
        QCOMPARE(manager().recentFiles().front(), expected[2]);
    }

    void droppedFilesOpen() {
        QVERIFY(start());
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(copyOfSample("dropped.mkw"))});
        QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, &data, Qt::LeftButton,
                              Qt::NoModifier);
        QApplication::sendEvent(&frame(), &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&frame(), &drop);
        QCOMPARE(titles(), (QStringList{"Markwi1", "dropped.mkw"}));
    }

    void profileNotReadWholeIsNamedAtStartAndKeptUntilPreferencesOk() {
        const QByteArray bad =
            "[Grade Cutoffs]\nA+=abc\nC = 71\n[Recent File List]\nFile1=/x.MKW\n";
        QVERIFY(WriteFile(profilePath(), bad));
        QVERIFY(start(copyOfSample("p.mkw")));
        QCOMPARE(m_messages.texts.size(), 1);
        QVERIFY2(m_messages.texts[0].startsWith("Some settings could not be read:\n\nThe grade "
                                                "cutoff A+ in the settings (\"abc\") is not a "
                                                "whole number; the default 100 is used.\n"),
                 qPrintable(m_messages.texts[0]));
        QCOMPARE(m_app->cutoffs().m_cutoffC, 71);
        QCOMPARE(m_app->cutoffs().m_cutoffAPlus, 100);
        // Opening a class (the recent-file list) and closing its view (the cutoffs) leave it.
        frame().executeCommand(ID_FILE_CLOSE);
        QCOMPARE(ReadFile(profilePath()), bad);
        // Preferences' OK writes it, keeping the rest.
        std::string error;
        QVERIFY(manager().applyCutoffs(m_app->cutoffs(), &error));
        const CProfile profile(profilePath().toStdString());
        QVERIFY(profile.Problems().empty());
        QCOMPARE(profile.ReadCutoffs(), m_app->cutoffs());
        QCOMPARE(profile.ReadRecentFiles(), std::vector<std::string>{"/x.MKW"});
    }

    void cutoffsComeFromTheProfileAndGoBackAtExit() {
        QVERIFY(WriteFile(profilePath(), "[Grade Cutoffs]\nA+ = 95\nC = 71\n"));
        QVERIFY(start());
        QCOMPARE(m_app->cutoffs().m_cutoffC, 71);
        QCOMPARE(m_app->cutoffs().m_cutoffB, 84);
        auto* view = dynamic_cast<CMarkwiseView*>(manager().activeFrame()->view());
        QVERIFY(view);
        QCOMPARE(view->m_cutoffs, m_app->cutoffs());
        view->m_cutoffs.m_cutoffB = 83;
        frame().executeCommand(ID_APP_EXIT);
        const CGradeCutoffs stored = CProfile(profilePath().toStdString()).ReadCutoffs();
        QCOMPARE(stored.m_cutoffB, 83);
        QCOMPARE(stored.m_cutoffAPlus, 95);
    }
};

QTEST_MAIN(AppTest)
#include "app_test.moc"
