// The grade sheet's scrolling, clicks and tooltips as wiring: where each step and hit lands is
// pinned by the layout tests; these check that the view asks them and acts on the answer.
#include "framework/commands.h"
#include "gradesheet/view_dialogs.h"
#include "sheet_fixture.h"
#include "support/class_builder.h"

#include <QHelpEvent>
#include <QScrollBar>
#include <QToolTip>
#include <QWheelEvent>
#include <QtTest>

using namespace markwise;
using namespace markwise::test;

class GradeSheetTest : public QObject, public SheetFixture {
    Q_OBJECT

private slots:
    void initTestCase() { DropOffscreenNoise(); }
    void init() { startApp(); }
    void cleanup() { closeAll(); }

    void scrollRangeWheelAndPagingReachTheEndOfTheSheet() {
        CMarkwiseView& view = open(FilledClass(1000, 10));
        QScrollBar* bar = view.verticalScrollBar();
        const int h = view.m_rowHeight;
        const int visible = view.viewport()->height();
        QVERIFY(h > 0 && visible > 3 * h);
        // Heading, students, points possible, blank row, three descriptions: nothing more.
        QCOMPARE(bar->maximum() + visible, h * (1 + 1000 + 2 + 3));
        QWheelEvent notch(QPointF(50, 50), view.viewport()->mapToGlobal(QPointF(50, 50)), {},
                          QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(view.viewport(), &notch);
        QCOMPARE(bar->value(), h * QApplication::wheelScrollLines());

        // At the last student Page Down goes on scrolling to the lines below it.
        view.setFocus();
        QTest::keyClick(&view, Qt::Key_End, Qt::ControlModifier);
        QCOMPARE(view.CurrentCell().student, 999);
        // Scrolled into view below the heading line, with lines left below it.
        QVERIFY(bar->value() + visible >= 1001 * h && bar->value() + h <= 1000 * h);
        QVERIFY(bar->value() < bar->maximum());
        QTest::keyClick(&view, Qt::Key_PageDown);
        QCOMPARE(bar->value(), bar->maximum());
        QTest::keyClick(&view, Qt::Key_Home, Qt::ControlModifier);
        QCOMPARE(bar->value(), 0);
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
        click(250, 4 * h + 1);    // points-possible row: nothing
        view.runCommand(ID_SCROLL_RIGHT);
        click(250, h + 1); // first shown column, now the second assignment
        QCOMPARE(opened, (QStringList{"S2", "A1/0"}));
    }

    void crowdedTextsAreCutOnScreenAndWholeInTheirTooltip() {
        const auto crowded = [](const std::string& firstTitle) {
            auto doc = NewClass();
            AddStudent(*doc, "Okafor", "Chidi");
            AddAssignment(*doc, 10, {8}, firstTitle);
            AddAssignment(*doc, 10, {9}, "Quiz");
            return doc;
        };
        // The second column looks the same whatever its neighbour's heading.
        const auto secondHeading = [](CMarkwiseView& view) {
            return view.viewport()->grab().toImage().copy(300, 0, 100, view.m_rowHeight);
        };
        const QImage beside = secondHeading(open(crowded("Q")));
        CMarkwiseView& view = open(crowded("Lab: Specific Heat"));
        QCOMPARE(secondHeading(view), beside);

        const auto tooltipAt = [&view](int x, int y) {
            const QPoint at(x, y);
            QHelpEvent help(QEvent::ToolTip, at, view.viewport()->mapToGlobal(at));
            QApplication::sendEvent(view.viewport(), &help);
            // An ignored event shows no tooltip (a hidden one lingers for a while).
            return help.isAccepted() ? QToolTip::text() : QString();
        };
        QCOMPARE(tooltipAt(290, 2), QStringLiteral("1: Lab: Specific Heat"));
        QCOMPARE(tooltipAt(350, 2), QString()); // shown whole
        QToolTip::hideText();
    }
};

QTEST_MAIN(GradeSheetTest)
#include "gradesheet_test.moc"
