#include "dialogs/install_dialogs.h"
#include "framework/child_frame.h"
#include "framework/class_editor.h"
#include "gradesheet/markwise_view.h"
#include "support/app_fixture.h"

#include <QtTest>

using namespace markwise;
using namespace markwise::test;

// Refuses every mouse event the program receives, so the run below is keys alone.
struct NoMouse : QObject {
    int mouseEvents = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        const bool mouse = event->type() == QEvent::MouseButtonPress ||
                           event->type() == QEvent::MouseButtonDblClick;
        mouseEvents += mouse;
        return mouse;
    }
};

class KeyboardRunTest : public QObject, AppFixture {
    Q_OBJECT

    // Opens a menu by its mnemonic and picks an entry by its own.
    static void pickMenu(QWidget* frame, Qt::Key menu, Qt::Key entry) {
        // A closed dialog leaves no window active under the offscreen platform.
        frame->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(frame));
        // Through the window, as the system delivers keys, so the menu bar's shortcuts see them.
        QTest::keyClick(frame->windowHandle(), menu, Qt::AltModifier);
        QVERIFY(QTest::qWaitFor([] { return QApplication::activePopupWidget() != nullptr; }));
        QTest::keyClick(QApplication::activePopupWidget()->windowHandle(), entry);
    }

private slots:
    void initTestCase() {
        PrepareApplication();
        FreshFolder();
    }
    void cleanup() { CloseApp(); }

    void aClassBuiltAndScoredWithKeysAlone() {
        NoMouse noMouse;
        qApp->installEventFilter(&noMouse);
        CMarkwiseApp& app = CreateApp();
        InstallEditingDialogs(app.viewDialogs());
        QVERIFY(app.InitInstance({false, QString()}));
        CMainFrame& frame = *app.mainFrame();
        frame.show();
        QVERIFY(QTest::qWaitForWindowActive(&frame));
        auto* view = static_cast<CMarkwiseView*>(app.docManager().activeFrame()->view());
        const CMarkwiseDoc& doc = *view->GetDocument();
        const auto steps = [view] { return view->frameworkDocument().editor().history().count(); };

        ModalDriver driver;
        driver.Then([](QDialog&) {
            for (const char* last : {"Ames", "Baker", "Cole"}) {
                Type(QString::fromLatin1(last));
                Press(Qt::Key_Return);
            }
            Press(Qt::Key_Escape);
        });
        pickMenu(&frame, Qt::Key_S, Qt::Key_N); // Student > New Student...
        QVERIFY(driver.Done());
        QCOMPARE(doc.StudentsInUse(), 3);
        QCOMPARE(steps(), 3); // each student one step, and so each assignment and score below

        // Ten assignments; each lands in Edit Assignment, which Escape leaves.
        for (int a = 0; a < 10; ++a) {
            driver.Then([a](QDialog&) {
                Type(QString("Quiz%1").arg(a));
                Press(Qt::Key_Tab);
                Type("10");
                Press(Qt::Key_Return);
            });
            driver.Then([](QDialog&) { Press(Qt::Key_Escape); });
            pickMenu(&frame, Qt::Key_A, Qt::Key_N); // Assignment > New Assignment...
            QVERIFY(driver.Done());
        }
        QCOMPARE(doc.AssignmentsInUse(), 10);
        QCOMPARE(steps(), 13);

        // Thirty scores: down each column with Enter, across to the next with Tab.
        frame.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&frame));
        view->setFocus();
        Press(Qt::Key_Home, Qt::ControlModifier);
        Press(Qt::Key_Home);
        for (int a = 0; a < 10; ++a) {
            for (int s = 0; s < 3; ++s) {
                Type(QString::number(a + s * 0.5));
                Press(s < 2 ? Qt::Key_Return : Qt::Key_Tab);
            }
            Press(Qt::Key_Home, Qt::ControlModifier);
        }
        for (int a = 0; a < 10; ++a)
            for (int s = 0; s < 3; ++s)
                QCOMPARE(doc.m_assignments[a].m_scores[s], a + s * 0.5);
        QCOMPARE(steps(), 43);
        QCOMPARE(noMouse.mouseEvents, 0);
        qApp->removeEventFilter(&noMouse);
    }
};

QTEST_MAIN(KeyboardRunTest)
#include "keyboard_run_test.moc"
