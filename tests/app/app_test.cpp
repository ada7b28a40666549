#include "app/main_frame.h"
#include "app/markwise_app.h"
#include "core/class_file.h"
#include "core/markwise_doc.h"
#include "framework/child_frame.h"
#include "framework/commands.h"
#include "framework/document.h"
#include "framework/offscreen_messages.h"
#include "framework/ui_seam.h"
#include "gradesheet/markwise_view.h"
#include "gradesheet/view_dialogs.h"

#include <QAction>
#include <QMdiArea>
#include <QMenu>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QtTest>
#include <csignal>
#include <sys/resource.h>

using namespace markwise;

class AppTest : public QObject {
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<CMarkwiseApp> m_app;
    QStringList m_messages;
    QList<Answer> m_answers; // answers to the next questions; Ok once they run out
    QString m_fileAnswer;

    QString profilePath() const { return m_dir->filePath("Markwise.ini"); }
    QString sample() const {
        return qEnvironmentVariable("MARKWISE_SOURCE_DIR") + "/examples/sample.mkw";
    }
    QString copyOfSample(const QString& name) {
        const QString path = m_dir->filePath(name);
        QFile::copy(sample(), path);
        return path;
    }
    CMainFrame& frame() { return *m_app->mainFrame(); }
    CDocManager& manager() { return m_app->docManager(); }
    bool start(const QString& file = QString()) {
        m_app = std::make_unique<CMarkwiseApp>(CProfile(profilePath().toStdString()));
        const bool started = m_app->InitInstance({false, file});
        // Every dialog entry present, so the table below does not depend on which
        // dialog layers this build carries.
        ViewDialogs& d = viewDialogs();
        const auto none = [](CMarkwiseView&) {};
        d.addStudent = d.removeStudent = d.newAssignment = d.removeAssignment = none;
        d.excludeAssignments = d.preferences = d.sortByAssignment = none;
        d.assignmentSummary = d.classSummary = d.studentSummary = none;
        d.editStudent = [](CMarkwiseView&, int) {};
        d.editAssignment = [](CMarkwiseView&, int, int) {};
        if (started) {
            frame().updateCommandStates();
        }
        return started;
    }
    QStringList titles() {
        QStringList list;
        for (QMdiSubWindow* window : frame().mdiArea()->subWindowList()) {
            list << window->windowTitle();
        }
        return list;
    }
    static void flushDeletes() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    QByteArray bytesOf(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private slots:
    void initTestCase() {
        test::filterOffscreenNoise();
        QApplication::setQuitOnLastWindowClosed(false);
    }
    void init() {
        m_dir = std::make_unique<QTemporaryDir>();
        m_messages.clear();
        m_answers.clear();
        reportViewFactories() = ReportViewFactories{};
        UiSeam::setAnswerer([this](const QString& text, Buttons) {
            m_messages << text;
            return m_answers.isEmpty() ? Answer::Ok : m_answers.takeFirst();
        });
        UiSeam::setFileAnswerer([this](const QString&, const QString&) { return m_fileAnswer; });
    }
    void cleanup() {
        m_answers = {Answer::Discard, Answer::Discard, Answer::Discard, Answer::Discard};
        m_app.reset();
    }

    void commandStates_data() {
        QTest::addColumn<int>("id");
        QTest::addColumn<bool>("withoutClass");
        QTest::addColumn<bool>("inGradeSheet");
        QTest::addColumn<bool>("checkedById"); // check mark after Student ID
        auto row = [](const char* name, int id, bool none, bool sheet, bool checked = false) {
            QTest::newRow(name) << id << none << sheet << checked;
        };
        row("New", ID_FILE_NEW, true, true);
        row("Open", ID_FILE_OPEN, true, true);
        row("Close", ID_FILE_CLOSE, false, true);
        row("Save", ID_FILE_SAVE, false, true);
        row("Save As", ID_FILE_SAVE_AS, false, true);
        row("Print", ID_FILE_PRINT, false, true);
        row("Print Preview", ID_FILE_PRINT_PREVIEW, false, true);
        row("empty recent list", ID_FILE_MRU_FILE1, false, false);
        row("Exit", ID_APP_EXIT, true, true);
        row("Preferences", ID_EDIT_PREFERENCES, false, true);
        row("Class Roster, no view yet", ID_CLASS_ROSTER, false, false);
        row("Progress Reports, no view yet", ID_CLASS_PROGRESS_REPORTS, false, false);
        row("Student Report, no view yet", ID_STUDENT_REPORT, false, false);
        row("Exclude", ID_CLASS_EXCLUDE, false, true);
        row("Class Summary", ID_CLASS_SUMMARY, false, true);
        row("New Assignment", ID_ASSIGNMENT_NEW, false, true);
        row("Remove Assignment", ID_ASSIGNMENT_REMOVE, false, true);
        row("Edit Assignment", ID_ASSIGNMENT_EDIT, false, true);
        row("Assignment Summary", ID_ASSIGNMENT_SUMMARY, false, true);
        row("New Student", ID_STUDENT_NEW, false, true);
        row("Remove Student", ID_STUDENT_REMOVE, false, true);
        row("Edit Student", ID_STUDENT_EDIT, false, true);
        row("Student Summary", ID_STUDENT_SUMMARY, false, true);
        row("Sort by Name", ID_SORT_NAME, false, true);
        row("Sort by Total", ID_SORT_TOTAL, false, true);
        row("Sort by Assignment", ID_SORT_ASSIGNMENT, false, true);
        row("Sort Randomly", ID_SORT_RANDOM, false, true);
        row("Toolbar", ID_VIEW_TOOLBAR, true, true, true);
        row("Status Bar", ID_VIEW_STATUS_BAR, true, true, true);
        row("Student ID", ID_VIEW_STUDENT_ID, false, true, true);
        row("New Window", ID_WINDOW_NEW, false, true);
        row("Cascade", ID_WINDOW_CASCADE, false, true);
        row("Help Topics", ID_HELP_FINDER, true, true);
        row("About", ID_APP_ABOUT, true, true);
        row("Scroll Left", ID_SCROLL_LEFT, false, true);
        row("Scroll Right", ID_SCROLL_RIGHT, false, true);
        row("F1", ID_HELP, true, true);
        row("Copy, no handler", ID_EDIT_COPY, false, false);
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
            for (QMenu* menu : frame().shownMenus()) {
                list << menu->title();
            }
            return list;
        };
        QCOMPARE(menuTitles(), (QStringList{"&File", "&Edit", "&Class", "&Assignment", "&Student",
                                            "S&ort", "&View", "&Window", "&Help"}));
        QStringList file;
        for (QAction* action : frame().shownMenus().front()->actions()) {
            if (action->isVisible()) {
                file << (action->isSeparator() ? "-" : action->text());
            }
        }
        QCOMPARE(file, (QStringList{"&New", "&Open...", "&Close", "&Save", "Save &As...", "-",
                                    "&Print...", "Print Pre&view", "P&rint Setup...", "-",
                                    "Recent File", "-", "E&xit"}));
        QCOMPARE(frame().action(ID_FILE_NEW)->shortcut(), QKeySequence("Ctrl+N"));
        QCOMPARE(frame().action(ID_SCROLL_LEFT)->toolTip(), QString("Scroll Left"));
        QCOMPARE(frame().action(ID_SCROLL_LEFT)->statusTip(),
                 QString("Scroll the Assignments Left"));
        frame().executeCommand(ID_FILE_CLOSE);
        QCOMPARE(menuTitles(), (QStringList{"&File", "&View", "&Help"}));
    }

    void titlesAndWindowNumbers() {
        QVERIFY(start());
        QCOMPARE(titles(), QStringList{"Markwi1"});
        frame().executeCommand(ID_FILE_NEW);
        QCOMPARE(titles(), (QStringList{"Markwi1", "Markwi2"}));
        frame().executeCommand(ID_WINDOW_NEW);
        QCOMPARE(titles(), (QStringList{"Markwi1", "Markwi2:1", "Markwi2:2"}));
        QCOMPARE(manager().documents().size(), std::size_t(2));
        frame().mdiArea()->subWindowList().back()->close();
        flushDeletes();
        QCOMPARE(titles(), (QStringList{"Markwi1", "Markwi2"}));
        // A closed number is not reused.
        frame().mdiArea()->setActiveSubWindow(frame().mdiArea()->subWindowList().back());
        frame().executeCommand(ID_FILE_CLOSE);
        frame().executeCommand(ID_FILE_NEW);
        QCOMPARE(titles(), (QStringList{"Markwi1", "Markwi3"}));
    }

    void askToSaveOnClose() {
        QVERIFY(start());
        CMarkwiseDoc& doc = manager().activeDocument()->data();
        doc.AddStudent({"Ann", "Lee", "", "", "", ""});
        m_answers = {Answer::Cancel};
        frame().executeCommand(ID_FILE_CLOSE);
        QCOMPARE(m_messages, QStringList{"Save changes to Markwi1?"});
        QCOMPARE(manager().documents().size(), std::size_t(1));

        m_answers = {Answer::Discard};
        frame().executeCommand(ID_FILE_CLOSE);
        QVERIFY(manager().documents().empty());

        frame().executeCommand(ID_FILE_NEW);
        manager().activeDocument()->data().AddStudent({"Ann", "Lee", "", "", "", ""});
        m_fileAnswer = m_dir->filePath("period3");
        m_answers = {Answer::Save};
        frame().executeCommand(ID_FILE_CLOSE);
        QVERIFY(manager().documents().empty());
        std::string error;
        auto saved = LoadClassFile(m_dir->filePath("period3.MKW").toStdString(), error);
        QVERIFY2(saved, error.c_str());
        QCOMPARE(saved->m_lastName[0], std::string("Lee"));
    }

    void askToSaveOnExit() {
        QVERIFY(start());
        frame().executeCommand(ID_FILE_NEW);
        manager().activeDocument()->data().SetModifiedFlag(true);
        m_answers = {Answer::Cancel};
        frame().executeCommand(ID_APP_EXIT);
        QVERIFY(frame().isVisible());
        QCOMPARE(manager().documents().size(), std::size_t(2));

        m_fileAnswer = m_dir->filePath("exit.mkw");
        m_answers = {Answer::Save};
        frame().executeCommand(ID_APP_EXIT);
        QVERIFY(!frame().isVisible());
        QVERIFY(manager().documents().empty());
        QVERIFY(QFile::exists(m_fileAnswer));
        QCOMPARE(m_messages.size(), 2); // only the modified class was asked about
    }

    void discardOnExitWritesNothing() {
        QVERIFY(start());
        manager().activeDocument()->data().SetModifiedFlag(true);
        m_answers = {Answer::Discard};
        frame().executeCommand(ID_APP_EXIT);
        QVERIFY(!frame().isVisible());
        QVERIFY(manager().documents().empty());
        QCOMPARE(QDir(m_dir->path()).entryList({"*.mkw", "*.MKW"}), QStringList());
    }

    void filesThatCannotBeReadOpenNoWindow() {
        QVERIFY(start());
        const QByteArray whole = bytesOf(sample());
        QVERIFY(whole.size() > 100);
        const QString truncated = m_dir->filePath("truncated.mkw");
        QFile t(truncated);
        QVERIFY(t.open(QIODevice::WriteOnly));
        t.write(whole.left(whole.size() / 2));
        t.close();
        const QString over = m_dir->filePath("over.mkw");
        QFile o(over);
        QVERIFY(o.open(QIODevice::WriteOnly));
        o.write(QByteArray::fromHex("e9030000000000000000")); // 1001 students
        o.close();
        const QString missing = m_dir->filePath("missing.mkw");

        for (const QString& path : {truncated, over, missing}) {
            m_messages.clear();
            QVERIFY(!manager().OpenDocumentFile(path));
            QCOMPARE(m_messages.size(), 1);
            QVERIFY2(m_messages[0].contains(QFileInfo(path).fileName()), qPrintable(m_messages[0]));
            QCOMPARE(titles(), QStringList{"Markwi1"});
        }
        QVERIFY(manager().recentFiles().isEmpty());

        // At start-up the program then ends without a window.
        m_app.reset();
        m_messages.clear();
        QVERIFY(!start(over));
        QVERIFY(!m_app->mainFrame());
        QCOMPARE(m_messages.size(), 1);
    }

    void failedSaveKeepsTheClassModifiedAndTheOldFile() {
        const QString path = copyOfSample("class.mkw");
        QVERIFY(start(path));
        CDocument& document = *manager().activeDocument();
        QCOMPARE(titles(), QStringList{"class.mkw"});
        const QByteArray before = bytesOf(path);
        document.data().AddStudent({"New", "Student", "", "", "", ""});

        // No such folder.
        m_fileAnswer = m_dir->filePath("no/such/folder/x.mkw");
        frame().executeCommand(ID_FILE_SAVE_AS);
        QCOMPARE(m_messages.size(), 1);
        QVERIFY(document.isModified());
        QCOMPARE(document.path(), QFileInfo(path).absoluteFilePath());

        // The disk fills while writing (a file-size limit holds even for root).
        struct rlimit old {};
        getrlimit(RLIMIT_FSIZE, &old);
        struct rlimit small = old;
        small.rlim_cur = 64;
        std::signal(SIGXFSZ, SIG_IGN);
        setrlimit(RLIMIT_FSIZE, &small);
        frame().executeCommand(ID_FILE_SAVE);
        setrlimit(RLIMIT_FSIZE, &old);
        QCOMPARE(m_messages.size(), 2);
        QVERIFY(m_messages[1].contains("class.mkw"));
        QVERIFY(document.isModified());
        QCOMPARE(bytesOf(path), before);

        frame().executeCommand(ID_FILE_SAVE);
        QVERIFY(!document.isModified());
        QVERIFY(bytesOf(path) != before);
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
        for (const std::string& file : CProfile(profilePath().toStdString()).ReadRecentFiles()) {
            stored << QString::fromStdString(file);
        }
        QCOMPARE(stored, expected);
        frame().updateCommandStates();
        QVERIFY(frame().action(ID_FILE_MRU_FILE4)->isEnabled());
        QCOMPARE(frame().action(ID_FILE_MRU_FILE1)->text(), "&1 " + expected[0]);

        // A later start reads the list back; reopening moves an entry to the top.
        m_answers = {Answer::Discard};
        m_app.reset();
        QVERIFY(start());
        QCOMPARE(manager().recentFiles(), expected);
        frame().executeCommand(ID_FILE_CLOSE);
        frame().executeCommand(ID_FILE_MRU_FILE3);
        QCOMPARE(titles(), QStringList{"c3.mkw"});
        QCOMPARE(manager().recentFiles().front(), expected[2]);
    }

    void droppedFilesOpen() {
        QVERIFY(start());
        const QString path = copyOfSample("dropped.mkw");
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(path)});
        QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, &data, Qt::LeftButton,
                              Qt::NoModifier);
        QApplication::sendEvent(&frame(), &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&frame(), &drop);
        QCOMPARE(titles(), (QStringList{"Markwi1", "dropped.mkw"}));
        QCOMPARE(manager().activeDocument()->title(), QString("dropped.mkw"));
    }

    void cutoffsComeFromTheProfileAndGoBackAtExit() {
        QFile ini(profilePath());
        QVERIFY(ini.open(QIODevice::WriteOnly));
        ini.write("[Grade Cutoffs]\nA+ = 95\nC = 71\n");
        ini.close();
        QVERIFY(start());
        QCOMPARE(m_app->cutoffs().m_cutoffAPlus, 95);
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

    void everyHelpRequestOpensTheEntryPage() {
        QVERIFY(start());
        for (int id : {ID_HELP, ID_HELP_FINDER, ID_CONTEXT_HELP}) {
            frame().executeCommand(id);
            QTextBrowser* help = m_app->helpWindow();
            QVERIFY(help && help->isVisible());
            QCOMPARE(help->source(), QUrl("qrc:/help/index.html"));
            QVERIFY(help->toPlainText().contains("Fast Edit"));
            help->setSource(QUrl("qrc:/help/files.html"));
        }
    }
};

QTEST_MAIN(AppTest)
#include "app_test.moc"
