#include "core/class_file.h"
#include "core/markwise_doc.h"
#include "framework/class_editor.h"
#include "framework/commands.h"
#include "framework/text.h"
#include "geometry/sheet_layout.h"
#include "gradesheet/sheet_cell_editor.h"
#include "gradesheet/sheet_keyboard.h"
#include "gradesheet/view_dialogs.h"
#include "sheet_fixture.h"
#include "support/class_builder.h"
#include "support/offscreen_noise.h"
#include "support/qt_test_support.h"

#include <QAccessible>
#include <QClipboard>
#include <QMimeData>
#include <QScrollBar>
#include <QtTest>
#include <memory>

using namespace markwise;
using namespace markwise::test;

class SheetKeyboardTest : public QObject, public SheetFixture {
    Q_OBJECT
    // The sheet opened with the keyboard focus, as the keys below need.
    CMarkwiseView& open(std::unique_ptr<CMarkwiseDoc> doc, int width = 676) {
        CMarkwiseView& view = SheetFixture::open(std::move(doc), width);
        view.activateWindow();
        view.setFocus();
        return view;
    }
    double score(int a, int s) { return doc().m_assignments[a].m_scores[s]; }

private slots:
    void initTestCase() { DropOffscreenNoise(); }
    void init() { startApp(); }
    void cleanup() { closeAll(); }

    void keysMoveTheCellScrollAndEnterOpensTheEditors() {
        CMarkwiseView& view = open(FilledClass(60, 10));
        QStringList opened;
        m_sheet->dialogs.editStudent = [&](CMarkwiseView&, int s) {
            opened << QString("S%1").arg(s);
        };
        m_sheet->dialogs.editAssignment = [&](CMarkwiseView&, int a, int s) {
            opened << QString("A%1/%2").arg(a).arg(s);
        };
        QCOMPARE(view.CurrentCell(), (SheetCell{0, kNameColumn}));
        Press(Qt::Key_Return);
        Press(Qt::Key_Right);
        Press(Qt::Key_Down);
        Press(Qt::Key_Return);
        QCOMPARE(opened, (QStringList{"S0", "A0/1"}));

        // Three columns fit: End scrolls the last assignment in by single column steps.
        Press(Qt::Key_End);
        QCOMPARE(view.CurrentCell(), (SheetCell{1, 9}));
        QCOMPARE(view.m_firstAssignment, 7);
        Press(Qt::Key_Home);
        QCOMPARE(view.CurrentCell(), (SheetCell{1, 0}));
        QCOMPARE(view.m_firstAssignment, 0);
        Press(Qt::Key_Tab);
        Press(Qt::Key_Tab);
        Press(Qt::Key_Tab);
        QCOMPARE(view.CurrentCell(), (SheetCell{1, 3}));
        QCOMPARE(view.m_firstAssignment, 1);
        Press(Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(view.CurrentCell(), (SheetCell{1, 2}));
        QVERIFY(view.hasFocus()); // Tab never left the sheet

        // The last student is scrolled into view below the heading line.
        Press(Qt::Key_End, Qt::ControlModifier);
        QCOMPARE(view.CurrentCell().student, 59);
        const int h = view.m_rowHeight;
        const int y = view.verticalScrollBar()->value();
        QVERIFY(61 * h <= y + view.viewport()->height());
        QVERIFY(60 * h >= y + h);
        const int page = view.viewport()->height() / h - 1;
        Press(Qt::Key_PageUp);
        QCOMPARE(view.CurrentCell().student, 59 - page);
        Press(Qt::Key_Home, Qt::ControlModifier);
        QCOMPARE(view.CurrentCell(), (SheetCell{0, 2}));
        Press(Qt::Key_Home);
        QCOMPARE(view.m_firstAssignment, 0);
        QCOMPARE(view.verticalScrollBar()->value(), 0);

        // A click still opens its dialog and also moves the cell there.
        QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, QPoint(210 + 100, h * 3 + 2));
        QCOMPARE(view.CurrentCell(), (SheetCell{2, 1}));
        QCOMPARE(opened.last(), QString("A1/2"));
        // Scrolled, a click on the heading that stays at the top opens the heading's
        // assignment, not the student scrolled under it, and leaves the cell where it is.
        view.verticalScrollBar()->setValue(h * 10);
        QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, QPoint(210 + 100, h / 2));
        QCOMPARE(opened.last(), QString("A1/0"));
        QCOMPARE(view.CurrentCell(), (SheetCell{2, 1}));
        view.verticalScrollBar()->setValue(0);

        // Shift+wheel and the horizontal wheel step the columns as Scroll Right and Left do.
        QWheelEvent right(QPointF(300, 50), view.mapToGlobal(QPointF(300, 50)), {}, {0, -120},
                          Qt::NoButton, Qt::ShiftModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(view.viewport(), &right);
        QCOMPARE(view.m_firstAssignment, 1);
        QWheelEvent left(QPointF(300, 50), view.mapToGlobal(QPointF(300, 50)), {}, {120, 0},
                         Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(view.viewport(), &left);
        QCOMPARE(view.m_firstAssignment, 0);
    }

    void scoresTypedInPlaceFollowTheEditorRules() {
        Messages messages;
        auto scored = NewClass();
        for (int s = 0; s < 4; ++s)
            AddStudent(*scored, "S" + std::to_string(s));
        AddAssignment(*scored, 10, {1, 2, 3, 4});
        AddAssignment(*scored, 10, {5, 6, 7, 8});
        CMarkwiseView& view = open(std::move(scored));
        SheetKeyboard& keys = view.Keyboard();
        Press(Qt::Key_Right);

        Type("7.5");
        QVERIFY(keys.Editor());
        QCOMPARE(keys.Editor()->text(), QString("7.5"));
        Press(Qt::Key_Return); // stores, moves down
        QVERIFY(!keys.Editor());
        QCOMPARE(score(0, 0), 7.5);
        QVERIFY(doc().IsModified());
        QCOMPARE(view.CurrentCell(), (SheetCell{1, 0}));

        Type("9");
        Press(Qt::Key_Tab); // stores, moves right
        QCOMPARE(score(0, 1), 9.0);
        QCOMPARE(view.CurrentCell(), (SheetCell{1, 1}));

        Type("N/A");
        Press(Qt::Key_Return);
        QCOMPARE(score(1, 1), MISSING_SCORE);
        Type("n/a");
        Press(Qt::Key_Return);
        QCOMPARE(score(1, 2), MISSING_SCORE);
        Type("1");
        Press(Qt::Key_Backspace);
        Press(Qt::Key_Return); // an emptied editor: missing too
        QCOMPARE(score(1, 3), MISSING_SCORE);
        QCOMPARE(view.CurrentCell(), (SheetCell{3, 1}));

        // Not a number: the dialogs' message, the editor stays open on the same cell.
        Type("ten");
        Press(Qt::Key_Return);
        QCOMPARE(messages.texts, QStringList{"Please enter a number in \"Student Points\"."});
        QVERIFY(keys.Editor() && keys.Editor()->isVisible());
        QCOMPARE(view.CurrentCell(), (SheetCell{3, 1}));
        QCOMPARE(score(1, 3), MISSING_SCORE);
        Press(Qt::Key_Escape); // cancels: nothing stored, the sheet has the keys again
        QVERIFY(!keys.Editor());
        QCOMPARE(score(1, 3), MISSING_SCORE);
        QVERIFY(view.hasFocus());

        Press(Qt::Key_Up);
        Press(Qt::Key_Left);
        Press(Qt::Key_Delete);
        QCOMPARE(score(0, 2), MISSING_SCORE);

        // Each stored score and the Delete is one step: six undos restore the class.
        CClassEditor& editor = m_sheet->document.editor();
        QCOMPARE(editor.history().count(), 6);
        editor.undo();
        QCOMPARE(score(0, 2), 3.0);
        editor.undo(); // the emptied editor
        QCOMPARE(score(1, 3), 8.0);
        QCOMPARE(score(1, 2), MISSING_SCORE);
        editor.undo();
        QCOMPARE(score(1, 2), 7.0);
        editor.undo();
        QCOMPARE(score(1, 1), 6.0);
        editor.undo();
        QCOMPARE(score(0, 1), 2.0);
        QCOMPARE(score(0, 0), 7.5);
        editor.undo();
        QCOMPARE(score(0, 0), 1.0);
        QVERIFY(!doc().IsModified());
        editor.redo();
        QCOMPARE(score(0, 0), 7.5);
        editor.redo();
        editor.redo();
        editor.redo();
        editor.redo();
        editor.redo();
        // On a name nothing is typed in place and Delete removes nothing.
        Press(Qt::Key_Left);
        Type("5");
        Press(Qt::Key_Delete);
        QVERIFY(!keys.Editor());
        QCOMPARE(doc().StudentsInUse(), 4);
        QCOMPARE(score(0, 3), 4.0);
    }

    void accessibleTableReadsAsPainted() {
        std::string error;
        auto sample = LoadClassFile(qEnvironmentVariable("MARKWISE_SOURCE_DIR").toStdString() +
                                        "/examples/sample.mkw",
                                    error);
        QVERIFY2(sample, error.c_str());
        CMarkwiseView& view = open(std::move(sample), 776);
        QAccessibleInterface* sheet = QAccessible::queryAccessibleInterface(&view);
        QVERIFY(sheet);
        QAccessibleTableInterface* table = sheet->tableInterface();
        QVERIFY(table);
        const int students = doc().StudentsInUse();
        const int assignments = doc().AssignmentsInUse();
        QVERIFY(students > 2 && assignments > 2);
        QCOMPARE(table->rowCount(), students);
        QCOMPARE(table->columnCount(), assignments + 4);
        QCOMPARE(table->columnDescription(0), QString("Name"));
        QCOMPARE(table->columnDescription(assignments + 3), QString("Grade"));

        // What the layout paints at each cell's place is what the cell reads.
        const int h = view.m_rowHeight;
        const SheetView shown{view.m_firstAssignment, view.viewport()->width(), h};
        const DrawList texts = LayoutSheet(doc(), shown, m_app->cutoffs());
        auto paintedAt = [&](int x, int y) {
            for (const DrawText& t : texts)
                if (t.x == x && t.y == y)
                    return toQString(t.text);
            return QString("(nothing)");
        };
        const int columns = ShownColumnCount(doc(), view.viewport()->width());
        for (int a = 0; a < columns; ++a)
            QCOMPARE(table->columnDescription(a + 1), paintedAt(200 + 100 * a, 0));
        const int totalsX = 200 + 100 * columns;
        for (int s : {0, students / 2, students - 1}) {
            QCOMPARE(table->cellAt(s, 0)->text(QAccessible::Name), paintedAt(0, h * (s + 1)));
            for (int a = 0; a < columns; ++a)
                QCOMPARE(table->cellAt(s, a + 1)->text(QAccessible::Name),
                         paintedAt(200 + 100 * a, h * (s + 1)));
            QCOMPARE(table->cellAt(s, assignments + 1)->text(QAccessible::Name),
                     paintedAt(totalsX, h * (s + 1)));
            QCOMPARE(table->cellAt(s, assignments + 3)->text(QAccessible::Name),
                     paintedAt(totalsX + 150, h * (s + 1)));
            QAccessibleTableCellInterface* cell = table->cellAt(s, 1)->tableCellInterface();
            QCOMPARE(cell->rowIndex(), s);
            QCOMPARE(cell->columnHeaderCells().value(0)->text(QAccessible::Name),
                     table->columnDescription(1));
        }
        QVERIFY(!table->cellAt(students, 0));

        // The current cell is the focused one.
        Press(Qt::Key_Down);
        Press(Qt::Key_Right);
        QAccessibleInterface* focused = sheet->focusChild();
        QVERIFY(focused);
        QCOMPARE(focused->tableCellInterface()->rowIndex(), 1);
        QCOMPARE(focused->tableCellInterface()->columnIndex(), 1);
        QVERIFY(focused->state().focused);
    }

    void paintsWithThePaletteInBands() {
        CMarkwiseView& view = open(FilledClass(4, 2));
        QPalette dark = view.palette();
        dark.setColor(QPalette::Base, QColor(20, 20, 20));
        dark.setColor(QPalette::AlternateBase, QColor(45, 45, 45));
        dark.setColor(QPalette::Button, QColor(70, 70, 70));
        dark.setColor(QPalette::Text, QColor(240, 240, 240));
        dark.setColor(QPalette::Highlight, QColor(0, 120, 215));
        view.setPalette(dark);
        const QImage image = view.viewport()->grab().toImage();
        const int h = view.m_rowHeight;
        const int empty = view.viewport()->width() - 5; // right of the grade column
        QCOMPARE(image.pixelColor(empty, h / 2), dark.color(QPalette::Button));
        QCOMPARE(image.pixelColor(empty, h + h / 2), dark.color(QPalette::Base));
        QCOMPARE(image.pixelColor(empty, 2 * h + h / 2), dark.color(QPalette::AlternateBase));
        QCOMPARE(image.pixelColor(empty, 7 * h + h / 2), dark.color(QPalette::Base));
        QCOMPARE(image.pixelColor(1, h + h / 2), dark.color(QPalette::Highlight)); // the frame
        // The first name is drawn in a light colour on the dark base.
        int light = 0;
        for (int x = 3; x < 150; ++x)
            for (int y = h; y < 2 * h; ++y)
                light += image.pixelColor(x, y).lightness() > 160;
        QVERIFY(light > 10);
    }

    void copyPutsTabTextAndAnHtmlTableOnTheClipboard() {
        CMarkwiseView& view = open(FilledClass(3, 2));
        CommandState state;
        QVERIFY(view.updateCommand(ID_EDIT_COPY, state));
        view.runCommand(ID_EDIT_COPY);
        const QMimeData* data = QGuiApplication::clipboard()->mimeData();
        QVERIFY(data);
        const QStringList lines = data->text().split("\r\n", Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 4);
        QCOMPARE(lines[0], QString("Name\t1: Title 0\t2: Title 1\tTotal\tPercent\tGrade"));
        QCOMPARE(lines[1].split('\t').first(), toQString(doc().GetListedName(0)));
        QCOMPARE(lines[1].split('\t').size(), 6);
        QVERIFY(data->html().contains("<th>1: Title 0</th>"));
        QCOMPARE(data->html().count("<tr>"), 4);
    }
};

QTEST_MAIN(SheetKeyboardTest)
#include "sheet_keyboard_test.moc"
