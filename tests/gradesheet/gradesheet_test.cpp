#include "framework/commands.h"
#include "gradesheet/view_dialogs.h"
#include "sheet_fixture.h"
#include "support/class_builder.h"
#include "support/offscreen_noise.h"
#include "support/qt_test_support.h"

#include <QHelpEvent>
#include <QScrollBar>
#include <QToolTip>
#include <QWheelEvent>
#include <QtTest>
#include <memory>

using namespace markwise;
using namespace markwise::test;

class GradeSheetTest : public QObject, public SheetFixture {
    Q_OBJECT
    void markSaved() { m_sheet->document.editor().markSaved(); }

private slots:
    void initTestCase() { DropOffscreenNoise(); }
    void init() { startApp(); }
    void cleanup() { closeAll(); }

    void pagingAThousandStudentsShowsEveryOneAndEndsWithTheSheet() {
        CMarkwiseView& view = open(FilledClass(1000, 10));
        QScrollBar* bar = view.verticalScrollBar();
        const int h = view.m_rowHeight;
        const int visible = view.viewport()->height();
        QVERIFY(h > 0 && visible > 3 * h);
        // Heading, students, points possible, blank row, three descriptions: nothing more.
        QCOMPARE(bar->maximum() + visible, h * (1 + 1000 + 2 + 3));

        // Arrow keys move the current cell; the sheet scrolls only to keep it in view.
        view.setFocus();
        QTest::keyClick(&view, Qt::Key_Down);
        QCOMPARE(bar->value(), 0);
        QTest::keyClick(&view, Qt::Key_Up);
        QCOMPARE(bar->value(), 0);
        QWheelEvent notch(QPointF(50, 50), view.viewport()->mapToGlobal(QPointF(50, 50)), {},
                          QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(view.viewport(), &notch);
        QCOMPARE(bar->value(), h * QApplication::wheelScrollLines());
        bar->setValue(0);

        // Page Down to the end: each student is shown whole on some page.
        std::vector<bool> seen(1000, false);
        int pages = 0;
        for (;;) {
            const int top = bar->value();
            for (int i = 0; i < 1000; ++i)
                if (h * (i + 1) >= top && h * (i + 2) <= top + visible)
                    seen[i] = true;
            if (top == bar->maximum())
                break;
            QTest::keyClick(&view, Qt::Key_PageDown);
            QVERIFY2(bar->value() > top, "Page Down stopped before the end");
            QVERIFY(bar->value() - top <= visible - h);
            ++pages;
        }
        QCOMPARE(std::count(seen.begin(), seen.end(), false), 0);
        QVERIFY(pages >= (h * 1006 - visible) / (visible - h));
        QCOMPARE(view.CurrentCell().student, 999);
        QTest::keyClick(&view, Qt::Key_Home, Qt::ControlModifier);
        QCOMPARE(bar->value(), 0);
    }

    void scrollLimitsAndSortsModifiedFlag() {
        auto reversed = FilledClass(0, 10);
        for (const char* last : {"Eve", "Dan", "Cy", "Bo", "Al"})
            AddStudent(*reversed, last);
        CMarkwiseView& view = open(std::move(reversed));
        QCOMPARE(view.VisibleColumnCount(), 3);
        for (int i = 0; i < 12; ++i)
            view.runCommand(ID_SCROLL_RIGHT);
        QCOMPARE(view.m_firstAssignment, 7);
        for (int i = 0; i < 12; ++i)
            view.runCommand(ID_SCROLL_LEFT);
        QCOMPARE(view.m_firstAssignment, 0);
        view.runCommand(ID_SORT_NAME);
        QVERIFY(!doc().IsModified());
        QCOMPARE(doc().m_lastName[0], std::string("Al"));
        view.runCommand(ID_SORT_TOTAL);
        QVERIFY(doc().IsModified());
        markSaved();
        view.runCommand(ID_SORT_RANDOM);
        QVERIFY(doc().IsModified());
        markSaved();
        view.runCommand(ID_VIEW_STUDENT_ID);
        QCOMPARE(doc().m_showNames, 0);
        QVERIFY(!doc().IsModified());

        // More room than assignments: nothing to scroll.
        CMarkwiseView& wide = open(FilledClass(2, 2), 900);
        wide.runCommand(ID_SCROLL_RIGHT);
        QCOMPARE(wide.m_firstAssignment, 0);
    }

    void clicksOpenTheEditorUnderTheMouse() {
        CMarkwiseView& view = open(FilledClass(3, 4));
        const int h = view.m_rowHeight;
        QStringList opened;
        m_sheet->dialogs.editStudent = [&](CMarkwiseView&, int s) {
            opened << QString("S%1").arg(s);
        };
        m_sheet->dialogs.editAssignment = [&](CMarkwiseView&, int a, int s) {
            opened << QString("A%1/%2").arg(a).arg(s);
        };
        auto click = [&](int x, int y) {
            QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, QPoint(x, y));
        };
        click(10, h + 1 + 2 * h); // third student's name
        click(350, 1);            // heading of the second shown column
        click(10, h - 1);         // above the names: nothing
        click(200, h + 1);        // the boundary x = 200: nothing
        click(250, 4 * h + 1);    // points-possible row: nothing
        view.runCommand(ID_SCROLL_RIGHT);
        click(250, h + 1); // first shown column, now the second assignment
        QCOMPARE(opened, (QStringList{"S2", "A1/0", "A1/0"}));
    }

    void crowdedTextsAreCutOnScreenAndWholeInTheirTooltip() {
        const auto crowded = [](const std::string& firstTitle, double firstScore) {
            auto doc = NewClass();
            AddStudent(*doc, "Okafor", "Chidi");
            AddStudent(*doc, "Lee", "Dan");
            AddAssignment(*doc, 10, {firstScore, 7}, firstTitle);
            AddAssignment(*doc, 10, {8, 9}, "Quiz");
            return doc;
        };
        // The second column looks the same whatever its neighbour's heading.
        const auto secondHeading = [this](CMarkwiseView& view) {
            return view.viewport()->grab().toImage().copy(300, 0, 100, view.m_rowHeight);
        };
        const QImage beside = secondHeading(open(crowded("Q", 8)));
        CMarkwiseView& view = open(crowded("Lab: Specific Heat", 1250000));
        QCOMPARE(secondHeading(view), beside);

        const int h = view.m_rowHeight;
        const auto tooltipAt = [&view](int x, int y) {
            const QPoint at(x, y);
            QHelpEvent help(QEvent::ToolTip, at, view.viewport()->mapToGlobal(at));
            QApplication::sendEvent(view.viewport(), &help);
            // An ignored event shows no tooltip (a hidden one lingers for a while).
            return help.isAccepted() ? QToolTip::text() : QString();
        };
        QCOMPARE(tooltipAt(290, 2), QStringLiteral("1: Lab: Specific Heat"));
        QCOMPARE(tooltipAt(410, h + 2), QString::fromStdString(doc().GetTotalReceivedText(0)));
        // Texts shown whole have none: a short heading, a score, a name, the descriptions.
        for (const QPoint& at : {QPoint(350, 2), QPoint(210, h + 2), QPoint(10, h + 2),
                                 QPoint(410, 2 * h + 2), QPoint(10, 5 * h + 2)})
            QCOMPARE(tooltipAt(at.x(), at.y()), QString());
        QToolTip::hideText();
    }
};

QTEST_MAIN(GradeSheetTest)
#include "gradesheet_test.moc"
