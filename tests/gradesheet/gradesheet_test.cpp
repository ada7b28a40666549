// The grade sheet's scrolling and tooltips as wiring: where each step lands and how far each
// text may run is pinned by the layout tests; these check that the view acts on them.
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
        QCOMPARE(bar->maximum(), h * (1 + 1000 + 2 + 3) - visible);
        QWheelEvent notch(QPointF(50, 50), view.viewport()->mapToGlobal(QPointF(50, 50)), {},
                          QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(view.viewport(), &notch);
        QCOMPARE(bar->value(), h * QApplication::wheelScrollLines());

        // At the last student Page Down goes on scrolling to the lines below it.
        view.setFocus();
        QTest::keyClick(&view, Qt::Key_End, Qt::ControlModifier);
        QCOMPARE(view.CurrentCell().student, 999);
        // Scrolled into view below the heading line, with lines left below it.
        QVERIFY(bar->value() + visible >= 1001 * h);
        QVERIFY(bar->value() + h <= 1000 * h);
        QVERIFY(bar->value() < bar->maximum());
        QTest::keyClick(&view, Qt::Key_PageDown);
        QCOMPARE(bar->value(), bar->maximum());
        QTest::keyClick(&view, Qt::Key_Home, Qt::ControlModifier);
        QCOMPARE(bar->value(), 0);
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
