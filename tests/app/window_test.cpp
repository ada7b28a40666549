// What only a window manager shows: maximized class windows, the restored main window,
// the title the desktop shows, and messages and help centred on the main window. Runs
// under Xvfb and openbox (tests/support/with_window_manager.sh).
#include "app/lock_keys.h"
#include "app/main_frame.h"
#include "app/markwise_app.h"
#include "app/window_list.h"
#include "core/class_edit.h"
#include "framework/commands.h"
#include "support/qt_test_support.h"

#include <QAction>
#include <QInputDialog>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QtTest>

using namespace markwise;
using namespace markwise::test;

// A window manager on a busy machine can take seconds to map, place or activate a window.
constexpr int kSlowDesktop = 20000;

class WindowTest : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    std::unique_ptr<CMarkwiseApp> m_app;

    QString profilePath() const { return m_dir.filePath("Markwise.ini"); }
    CMainFrame& frame() { return *m_app->mainFrame(); }
    QMdiArea& area() { return *frame().mdiArea(); }
    CDocManager& manager() { return m_app->docManager(); }
    static bool waited(bool done, const char* what) {
        if (!done)
            qWarning("the main window was never %s", what);
        return done;
    }
    bool start() {
        m_app = std::make_unique<CMarkwiseApp>(CProfile(profilePath().toStdString()));
        // Activation is asked again while waiting: a window manager just started may not yet
        // pass the focus to a new window.
        return m_app->InitInstance({false, QString()}) &&
               waited(QTest::qWaitForWindowExposed(&frame(), kSlowDesktop), "exposed") &&
               waited(QTest::qWaitFor(
                          [this] {
                              if (!frame().isActiveWindow())
                                  frame().activateWindow();
                              return frame().isActiveWindow();
                          },
                          kSlowDesktop),
                      "active") &&
               waited(waitMaximized(), "maximized");
    }
    bool waitMaximized() {
        return QTest::qWaitFor([this] { return frame().windowState() & Qt::WindowMaximized; },
                               kSlowDesktop);
    }
    QString activeTitle() {
        QMdiSubWindow* window = area().currentSubWindow();
        return window ? window->windowTitle() : QString();
    }
    // The title as the window manager has it, not as Qt keeps it.
    QString desktopTitle() {
        QProcess xprop;
        xprop.start("xprop", {"-id", QString::number(frame().winId()), "_NET_WM_NAME"});
        xprop.waitForFinished(5000);
        const QString line = QString::fromUtf8(xprop.readAllStandardOutput()).trimmed();
        const qsizetype quote = line.indexOf('"');
        return quote < 0 ? line : line.mid(quote + 1).chopped(1);
    }
    // Centred as the toolkit centres dialogs: within a tenth of the main window's size
    // (the window manager's frame shifts it a little), nowhere near a corner.
    bool centred(const QWidget& widget) {
        const QPoint off = widget.frameGeometry().center() - frame().frameGeometry().center();
        return std::abs(off.x()) <= frame().width() / 10 &&
               std::abs(off.y()) <= frame().height() / 10;
    }
    void markChanged() {
        manager().activeDocument()->editor().apply(
            "Add Student", AddStudentEdit({"Changed", "Class", "", "", "", ""}));
    }

private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }
    void cleanup() {
        for (CDocument* document : m_app ? manager().documents() : std::vector<CDocument*>())
            document->editor().markSaved();
        m_app.reset();
    }

    void windowMenuListsWindowsAndKeysMoveBetweenThem() {
        QVERIFY(start());
        manager().OnFileNew();
        manager().OnFileNew();
        QMenu* windowMenu = frame().shownMenus()[7];
        emit windowMenu->aboutToShow();
        QStringList entries;
        for (QAction* entry : frame().windowList().entries())
            if (!entry->isSeparator())
                entries << entry->text() + (entry->isChecked() ? " (active)" : "");
        QCOMPARE(entries, (QStringList{"&1 Markwi1", "&2 Markwi2", "&3 Markwi3 (active)"}));

        QTest::keyClick(&frame(), Qt::Key_F6, Qt::ControlModifier);
        QTRY_COMPARE_WITH_TIMEOUT(activeTitle(), QString("Markwi1"), kSlowDesktop);
        QTest::keyClick(&frame(), Qt::Key_F6, Qt::ControlModifier | Qt::ShiftModifier);
        QTRY_COMPARE_WITH_TIMEOUT(activeTitle(), QString("Markwi3"), kSlowDesktop);
        emit windowMenu->aboutToShow();
        frame().windowList().entries()[2]->trigger();
        QTRY_COMPARE_WITH_TIMEOUT(activeTitle(), QString("Markwi2"), kSlowDesktop);

        // Beyond nine windows the list ends with "More Windows..."; the active window, the
        // last opened, takes the ninth place.
        for (int i = 0; i < 8; ++i)
            manager().OnFileNew();
        emit windowMenu->aboutToShow();
        const QList<QAction*>& listed = frame().windowList().entries();
        QCOMPARE(listed.size(), 1 + 9 + 1);
        QVERIFY(listed[9]->text() == "&9 Markwi11" && listed[9]->isChecked());
        QCOMPARE(listed.back()->text(), QString("&More Windows..."));
        ModalDriver driver;
        driver.Then([](QDialog& dialog) {
            auto& choose = static_cast<QInputDialog&>(dialog);
            QCOMPARE(choose.comboBoxItems().size(), 11);
            choose.setTextValue("Markwi4");
            choose.accept();
        });
        listed.back()->trigger();
        QVERIFY(driver.Done());
        QTRY_COMPARE_WITH_TIMEOUT(activeTitle(), QString("Markwi4"), kSlowDesktop);
    }

    void closingAMaximizedWindowLeavesTheNextMaximized() {
        QVERIFY(start());
        manager().OnFileNew();
        frame().executeCommand(ID_WINDOW_NEW); // Markwi2:1, Markwi2:2
        QTRY_VERIFY_WITH_TIMEOUT(area().currentSubWindow()->isMaximized(), kSlowDesktop);
        frame().executeCommand(ID_FILE_CLOSE); // both windows of Markwi2 go
        QTRY_COMPARE_WITH_TIMEOUT(activeTitle(), QString("Markwi1"), kSlowDesktop);
        QTRY_VERIFY_WITH_TIMEOUT(area().currentSubWindow()->isMaximized(), kSlowDesktop);
        QTRY_VERIFY_WITH_TIMEOUT(
            area().currentSubWindow()->width() >= area().viewport()->width() - 2, kSlowDesktop);

        // Windows that were not maximized stay as they are.
        manager().OnFileNew();
        frame().executeCommand(ID_WINDOW_CASCADE);
        QTRY_VERIFY_WITH_TIMEOUT(!area().currentSubWindow()->isMaximized(), kSlowDesktop);
        area().currentSubWindow()->close();
        QTRY_COMPARE_WITH_TIMEOUT(area().subWindowList().size(), 1, kSlowDesktop);
        QVERIFY(!area().subWindowList()[0]->isMaximized());
    }

    void titleNamesTheActiveWindowMaximizedOrNotWithTheChangesMarker() {
        QVERIFY(start());
        QTRY_COMPARE_WITH_TIMEOUT(desktopTitle(), QString("Markwise - Markwi1"), kSlowDesktop);
        manager().OnFileNew();
        area().currentSubWindow()->showNormal();
        markChanged();
        frame().updateCommandStates();
        QTRY_COMPARE_WITH_TIMEOUT(desktopTitle(), QString("Markwise - Markwi2*"), kSlowDesktop);
        area().setActiveSubWindow(area().subWindowList()[0]);
        QTRY_COMPARE_WITH_TIMEOUT(desktopTitle(), QString("Markwise - Markwi1"), kSlowDesktop);
        frame().executeCommand(ID_FILE_CLOSE);
        frame().executeCommand(ID_WINDOW_NEW);
        QTRY_COMPARE_WITH_TIMEOUT(desktopTitle(), QString("Markwise - Markwi2:2*"), kSlowDesktop);
    }

    // On X the indicators show the keyboard's own lock state, as xset reports it.
    void lockIndicatorsShowTheRealState() {
        QVERIFY(start());
        const std::optional<LockKeys> keys = ReadLockKeys();
        QVERIFY(keys);
        QProcess xset;
        xset.start("xset", {"q"});
        QVERIFY(xset.waitForFinished(5000));
        const QString state = QString::fromUtf8(xset.readAllStandardOutput()).simplified();
        QCOMPARE(keys->caps, state.contains("Caps Lock: on"));
        QCOMPARE(keys->num, state.contains("Num Lock: on"));
        const auto& indicators = frame().lockIndicators();
        QCOMPARE(indicators[0]->text(), keys->caps ? QString("CAP") : QString());
        QCOMPARE(indicators[1]->text(), keys->num ? QString("NUM") : QString());
        for (QLabel* indicator : indicators)
            QVERIFY(!indicator->isHidden());
    }

    void restoredMainWindowLiesInsideTheScreenWhereItWasLast() {
        // A place from another screen arrangement, far off this one.
        QVERIFY(WriteFile(profilePath(), "[Main Window]\nLeft=2500\nTop=-300\nWidth=900\n"
                                         "Height=2000\n"));
        QVERIFY(start());
        const QRect screen = frame().screen()->availableGeometry();
        frame().showNormal();
        QTRY_VERIFY_WITH_TIMEOUT(!(frame().windowState() & Qt::WindowMaximized), kSlowDesktop);
        QTRY_VERIFY_WITH_TIMEOUT(screen.contains(frame().frameGeometry()), kSlowDesktop);

        const QRect chosen(150, 120, 700, 450);
        frame().setGeometry(chosen);
        QTRY_COMPARE_WITH_TIMEOUT(frame().geometry(), chosen, kSlowDesktop);
        frame().showMaximized();
        QVERIFY(waitMaximized());
        frame().executeCommand(ID_APP_EXIT);
        m_app.reset();
        QCOMPARE(CProfile(profilePath().toStdString()).ReadMainWindow(),
                 (WindowRect{150, 120, 700, 450}));

        QVERIFY(start());
        frame().showNormal();
        QTRY_COMPARE_WITH_TIMEOUT(frame().geometry(), chosen, kSlowDesktop);
    }

    void messagesAndHelpOpenCentredOnTheMainWindow() {
        QVERIFY(start());
        frame().showNormal();
        frame().setGeometry(100, 100, 800, 500);
        QTRY_COMPARE_WITH_TIMEOUT(frame().geometry(), QRect(100, 100, 800, 500), kSlowDesktop);

        // The question before closing a changed class, with keyboard letters on its buttons,
        // and the warning on a file that cannot be opened.
        markChanged();
        ModalDriver driver;
        QStringList buttons;
        QList<QMessageBox::Icon> icons;
        const auto answer = [&](QMessageBox::StandardButton choice) {
            return [&, choice](QDialog& dialog) {
                auto& box = static_cast<QMessageBox&>(dialog);
                for (QAbstractButton* button : box.buttons())
                    buttons << button->text();
                icons << box.icon();
                QTRY_VERIFY_WITH_TIMEOUT(centred(box), kSlowDesktop);
                box.button(choice)->click();
            };
        };
        driver.Then(answer(QMessageBox::Discard));
        frame().executeCommand(ID_FILE_CLOSE);
        QVERIFY(manager().documents().empty());
        buttons.sort();
        QCOMPARE(buttons, (QStringList{"&Save", "Cancel", "Do&n't Save"}));
        const QString bad = m_dir.filePath("x.mkw");
        QVERIFY(WriteFile(bad, QByteArray("rcls\0\0\0\0", 8)));
        driver.Then(answer(QMessageBox::Ok));
        QVERIFY(!manager().openDocumentFile(bad));
        QVERIFY(driver.Done());
        QCOMPARE(icons, (QList<QMessageBox::Icon>{QMessageBox::Question, QMessageBox::Warning}));

        frame().executeCommand(ID_HELP);
        QTextBrowser* help = m_app->helpWindow();
        QVERIFY(help && QTest::qWaitForWindowExposed(help, kSlowDesktop));
        QTRY_VERIFY_WITH_TIMEOUT(centred(*help), kSlowDesktop);
    }
};

QTEST_MAIN(WindowTest)
#include "window_test.moc"
