// The grade sheet as wiring: where each key, scroll step and click lands and how far each text
// may run is pinned by the layout and cursor tests; these check that the view acts on them,
// and what the in-place editor stores.
#include "core/class_file.h"
#include "core/profile.h"
#include "framework/class_editor.h"
#include "framework/commands.h"
#include "framework/text.h"
#include "framework/ui_seam.h"
#include "geometry/sheet_layout.h"
#include "gradesheet/sheet_cell_editor.h"
#include "gradesheet/sheet_keyboard.h"
#include "support/class_builder.h"
#include "support/qt_test_support.h"

#include <QAccessible>
#include <QClipboard>
#include <QHelpEvent>
#include <QMimeData>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QToolTip>
#include <QWheelEvent>
#include <QtTest>

using namespace markwise;
using namespace markwise::test;

class GradeSheetTest : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    std::unique_ptr<CWinApp> m_app;
    std::unique_ptr<SheetWindow> m_sheet;

    // Opens `doc` unmodified in a sheet of its own with the keyboard focus, replacing the last.
    CMarkwiseView& open(std::unique_ptr<CMarkwiseDoc> doc) {
        doc->SetModifiedFlag(false);
        m_sheet.reset();
        m_sheet = std::make_unique<SheetWindow>(*m_app, std::move(doc));
        CMarkwiseView& view = m_sheet->Show(676);
        view.activateWindow();
        view.setFocus();
        return view;
    }
    const CMarkwiseDoc& doc() { return m_sheet->document.data(); }
    double score(int a, int s) { return doc().m_assignments[a].m_scores[s]; }
    std::vector<unsigned char> bytes() { return WriteClass(doc()); }
    static void wheel(CMarkwiseView& view, QPoint delta, Qt::KeyboardModifiers modifiers = {}) {
        QWheelEvent event(QPointF(300, 50), view.viewport()->mapToGlobal(QPointF(300, 50)), {},
                          delta, Qt::NoButton, modifiers, Qt::NoScrollPhase, false);
        QApplication::sendEvent(view.viewport(), &event);
    }

private slots:
    void initTestCase() { DropOffscreenNoise(); }
    void init() {
        m_app = std::make_unique<CWinApp>(CProfile(m_dir.filePath("Markwise.ini").toStdString()));
    }
    void cleanup() {
        m_sheet.reset();
        m_app.reset();
    }

    void scrollRangeWheelAndPagingReachTheEndOfTheSheet() {
        CMarkwiseView& view = open(FilledClass(1000, 10));
        QScrollBar* bar = view.verticalScrollBar();
        const int h = view.rowHeight();
        const int visible = view.viewport()->height();
        QVERIFY(h > 0 && visible > 3 * h);
        // Heading, students, points possible, blank row, three descriptions: nothing more.
        QCOMPARE(bar->maximum(), h * (1 + 1000 + 2 + 3) - visible);
        wheel(view, {0, -120});
        QCOMPARE(bar->value(), h * QApplication::wheelScrollLines());

        // At the last student Page Down goes on scrolling to the lines below it.
        QTest::keyClick(&view, Qt::Key_End, Qt::ControlModifier);
        QCOMPARE(view.currentCell().student, 999);
        QVERIFY(bar->value() + visible >= 1001 * h && bar->value() < bar->maximum());
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
            return view.viewport()->grab().toImage().copy(300, 0, 100, view.rowHeight());
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

        // An assignment that does not count: its heading greyed, its tooltip says so.
        const auto firstHeading = [](CMarkwiseView& shown) {
            return shown.viewport()->grab().toImage().copy(200, 0, 100, shown.rowHeight());
        };
        const QImage counted = firstHeading(open(crowded("Q")));
        auto excluded = crowded("Q");
        excluded->m_firstIncluded = 1;
        CMarkwiseView& marked = open(std::move(excluded));
        QVERIFY(firstHeading(marked) != counted);
        QCOMPARE(secondHeading(marked), beside);
        const QPoint at(210, 2);
        QHelpEvent help(QEvent::ToolTip, at, marked.viewport()->mapToGlobal(at));
        QApplication::sendEvent(marked.viewport(), &help);
        QVERIFY(help.isAccepted());
        QCOMPARE(QToolTip::text(), QStringLiteral("1: Q (not counted)"));
        QToolTip::hideText();
    }

    // Find Student goes to the first student whose name or ID holds the text, keeping the
    // column; Find Next goes on round the class; a text nobody holds says so.
    void findStudentAndFindNextMoveTheCell() {
        Messages messages;
        CMarkwiseView& view = open(FilledClass(12, 2));
        QString typed = QStringLiteral("last1");
        UiSeam::setTextAnswerer([&typed](const QString&) { return typed; });
        Press(Qt::Key_Right);
        view.runCommand(ID_EDIT_FIND);
        QCOMPARE(view.currentCell(), (SheetCell{1, 0}));
        for (const int next : {10, 11, 1}) {
            view.runCommand(ID_EDIT_REPEAT);
            QCOMPARE(view.currentCell(), (SheetCell{next, 0}));
        }
        typed = QStringLiteral("ID7");
        view.runCommand(ID_EDIT_FIND);
        QCOMPARE(view.currentCell(), (SheetCell{7, 0}));
        typed = QStringLiteral("zz");
        view.runCommand(ID_EDIT_FIND);
        QCOMPARE(view.currentCell(), (SheetCell{7, 0}));
        QCOMPARE(messages.texts, QStringList{"No student's name or ID contains \"zz\"."});
        typed.clear(); // cancelled: nothing moves, nothing said
        view.runCommand(ID_EDIT_FIND);
        QCOMPARE(messages.texts.size(), 1);
        UiSeam::setTextAnswerer({});
        // No student: nothing to find.
        CMarkwiseView& empty = open(NewClass());
        CommandState state;
        QVERIFY(empty.updateCommand(ID_EDIT_FIND, state));
        QVERIFY(!state.enabled);
    }

    void keysMoveTheCellScrollAndEnterOpensTheEditors() {
        CMarkwiseView& view = open(FilledClass(60, 10));
        QStringList opened;
        m_sheet->dialogs.editStudent = [&](CMarkwiseView&, int s) {
            opened << QString("S%1").arg(s);
        };
        m_sheet->dialogs.editAssignment = [&](CMarkwiseView&, int a, int s) {
            opened << QString("A%1/%2").arg(a).arg(s);
        };
        for (Qt::Key key : {Qt::Key_Return, Qt::Key_Right, Qt::Key_Down, Qt::Key_Return})
            Press(key);
        QCOMPARE(opened, (QStringList{"S0", "A0/1"}));

        // Three columns fit: End scrolls the last assignment in.
        Press(Qt::Key_End);
        QCOMPARE(view.firstAssignment(), 7);
        Press(Qt::Key_Home);
        Press(Qt::Key_Tab);
        QCOMPARE(view.currentCell(), (SheetCell{1, 1}));
        QVERIFY(view.hasFocus()); // Tab never leaves the sheet

        const int h = view.rowHeight();
        const auto click = [&](int x, int y) {
            QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, QPoint(x, y));
        };
        // A click opens its dialog and also moves the cell there.
        click(310, h * 3 + 2);
        QCOMPARE(view.currentCell(), (SheetCell{2, 1}));
        QCOMPARE(opened.last(), QString("A1/2"));
        click(10, h * 2 + 2);
        QCOMPARE(opened.last(), QString("S1"));
        // Scrolled, a click on the heading that stays at the top opens the heading's
        // assignment, not the student scrolled under it, and leaves the cell where it is.
        view.verticalScrollBar()->setValue(h * 10);
        click(310, h / 2);
        QCOMPARE(opened.last(), QString("A1/0"));
        QCOMPARE(view.currentCell(), (SheetCell{1, kNameColumn}));
        view.verticalScrollBar()->setValue(0);

        // Shift+wheel and the horizontal wheel step the columns as Scroll Right and Left do;
        // a click then lands in the assignment shown first.
        wheel(view, {0, -120}, Qt::ShiftModifier);
        QCOMPARE(view.firstAssignment(), 1);
        click(250, h + 2);
        QCOMPARE(view.currentCell(), (SheetCell{0, 1}));
        wheel(view, {120, 0});
        QCOMPARE(view.firstAssignment(), 0);
    }

    void scoresTypedInPlaceAreStoredOneStepEach() {
        Messages messages;
        auto scored = FilledClass(4, 2);
        const std::vector<unsigned char> before = WriteClass(*scored);
        CMarkwiseView& view = open(std::move(scored));
        SheetKeyboard& keys = view.keyboard();
        Press(Qt::Key_Right);
        Type("7.5");
        QVERIFY(keys.editor());
        QCOMPARE(keys.editor()->text(), QString("7.5"));
        Press(Qt::Key_Return); // stores, moves down
        QVERIFY(!keys.editor());
        QCOMPARE(score(0, 0), 7.5);
        QVERIFY(doc().IsModified());
        Type(QStringLiteral("9\u00a0")); // a no-break space pasted after the number is a blank
        Press(Qt::Key_Tab);              // stores, moves right
        QCOMPARE(score(0, 1), 9.0);
        QCOMPARE(view.currentCell(), (SheetCell{1, 1}));
        Type("N/A");
        Press(Qt::Key_Return);
        QCOMPARE(score(1, 1), MISSING_SCORE);

        // Not a number: a message naming the cell, the editor stays open on the same cell.
        Type("ten");
        Press(Qt::Key_Return);
        QCOMPARE(messages.texts, QStringList{"Title 1, Last2, First2: \"ten\" is not a score."});
        QVERIFY(keys.editor() && keys.editor()->isVisible());
        QCOMPARE(view.currentCell(), (SheetCell{2, 1}));
        // Keys the editor ignores come back up to the sheet and stop there (they recursed).
        Press(Qt::Key_Shift, Qt::ShiftModifier);
        Press(Qt::Key_F5);
        QVERIFY(keys.editor() && keys.editor()->isVisible());
        Press(Qt::Key_Escape); // cancels: nothing stored, the sheet has the keys again
        QVERIFY(!keys.editor() && view.hasFocus());
        Press(Qt::Key_Left);
        Press(Qt::Key_Delete);
        QCOMPARE(score(0, 2), MISSING_SCORE);
        // F2 edits the score with its text (Escape keeps it); Backspace starts from nothing.
        Press(Qt::Key_F2);
        QVERIFY(keys.editor());
        QCOMPARE(keys.editor()->text(), QString("N/A"));
        Press(Qt::Key_Escape);
        Press(Qt::Key_Right);
        Press(Qt::Key_F2);
        QCOMPARE(keys.editor()->text(), QString("7.5"));
        Type("5");
        Press(Qt::Key_Escape);
        QCOMPARE(score(1, 2), 7.5);
        Press(Qt::Key_Backspace);
        QVERIFY(keys.editor());
        QCOMPARE(keys.editor()->text(), QString());
        QCOMPARE(score(1, 2), 7.5); // nothing stored before Enter
        Type("4");
        Press(Qt::Key_Return);
        QCOMPARE(score(1, 2), 4.0);
        QCOMPARE(view.currentCell(), (SheetCell{3, 1}));
        const std::vector<unsigned char> after = bytes();

        // On a name nothing is typed in place, and Delete, F2 and Backspace change nothing.
        Press(Qt::Key_Left);
        Press(Qt::Key_Left);
        Press(Qt::Key_F2);
        Press(Qt::Key_Backspace);
        Type("5");
        Press(Qt::Key_Delete);
        QVERIFY(!keys.editor());
        QCOMPARE(bytes(), after);

        // Each stored score and the Delete is one step; undo and redo show the cell they
        // change.
        CClassEditor& editor = m_sheet->document.editor();
        QCOMPARE(editor.history().count(), 5);
        const SheetCell undone[] = {{2, 1}, {2, 0}, {1, 1}, {1, 0}, {0, 0}};
        for (const SheetCell& cell : undone) {
            editor.undo();
            QCOMPARE(view.currentCell(), cell);
        }
        QVERIFY(bytes() == before && !doc().IsModified());
        for (const SheetCell& cell : {SheetCell{0, 0}, SheetCell{1, 0}}) {
            editor.redo();
            QCOMPARE(view.currentCell(), cell);
        }
        while (editor.history().canRedo())
            editor.redo();
        QCOMPARE(view.currentCell(), (SheetCell{2, 1}));
        QVERIFY(bytes() == after);
    }

    // "EX" and "M" typed in place store the marks; a number or Delete clears them.
    void marksTypedInPlaceAreStoredAndUndone() {
        auto scored = FilledClass(3, 1);
        const std::vector<unsigned char> before = WriteClass(*scored);
        CMarkwiseView& view = open(std::move(scored));
        SheetKeyboard& keys = view.keyboard();
        const auto mark = [&](int s) { return doc().GetMark(0, s); };
        Press(Qt::Key_Right);
        Type("ex");
        Press(Qt::Key_Return);
        Type(" M ");
        Press(Qt::Key_Return);
        QVERIFY(mark(0) == ScoreMark::Excused && score(0, 0) == MISSING_SCORE);
        QVERIFY(mark(1) == ScoreMark::MissingWork && score(0, 1) == 0.0);
        Press(Qt::Key_Up);
        Press(Qt::Key_Up);
        Press(Qt::Key_F2); // the editor starts from the mark
        QCOMPARE(keys.editor()->text(), QString("EX"));
        Press(Qt::Key_Escape);
        Press(Qt::Key_Delete);
        QVERIFY(mark(0) == ScoreMark::None && score(0, 0) == MISSING_SCORE);
        Press(Qt::Key_Down);
        Type("0");
        Press(Qt::Key_Return);
        QVERIFY(mark(1) == ScoreMark::None && score(0, 1) == 0.0);

        CClassEditor& editor = m_sheet->document.editor();
        QCOMPARE(editor.history().count(), 4);
        editor.undo();
        QVERIFY(mark(1) == ScoreMark::MissingWork);
        editor.undo();
        QVERIFY(mark(0) == ScoreMark::Excused);
        editor.undo();
        editor.undo();
        QVERIFY(bytes() == before && mark(0) == ScoreMark::None);
    }

    void accessibleTableReadsAsPainted() {
        CMarkwiseView& view = open(FilledClass(4, 5));
        QAccessibleInterface* sheet = QAccessible::queryAccessibleInterface(&view);
        QAccessibleTableInterface* table = sheet ? sheet->tableInterface() : nullptr;
        QVERIFY(table);
        QCOMPARE(table->rowCount(), 4);
        QCOMPARE(table->columnCount(), 5 + 4); // name, assignments, total, percent, grade

        // What the layout paints at each cell's place is what the cell reads.
        const int h = view.rowHeight();
        const DrawList texts =
            LayoutSheet(doc(), {0, view.viewport()->width(), h}, m_app->cutoffs());
        auto paintedAt = [&](int x, int y) {
            for (const DrawText& t : texts)
                if (t.x == x && t.y == y)
                    return toQString(t.text);
            return QString("(nothing)");
        };
        QCOMPARE(table->columnDescription(1), paintedAt(200, 0));
        const int y = 3 * h + h; // the last student
        const QString student = paintedAt(0, y);
        // Each cell's value is what is painted; past the name, its name also carries the
        // student and the heading, and a score's description its points possible.
        struct Read {
            int column, x;
            QString heading, description;
        };
        for (const Read& r : {Read{0, 0, "", ""}, Read{1, 200, "1: Title 0", "out of 10 points"},
                              Read{3, 400, "3: Title 2", "out of 10 points"},
                              Read{6, 500, "Total", ""}, Read{8, 650, "Grade", ""}}) {
            QAccessibleInterface* cell = table->cellAt(3, r.column);
            QAccessibleTableCellInterface* place = cell->tableCellInterface();
            const QString painted = paintedAt(r.x, y);
            QVERIFY2(painted != "(nothing)", qPrintable(QString::number(r.x)));
            QCOMPARE(cell->text(QAccessible::Value), painted);
            QCOMPARE(cell->text(QAccessible::Description), r.description);
            if (r.column == 0) {
                QCOMPARE(cell->text(QAccessible::Name), painted);
                QVERIFY(place->rowHeaderCells().isEmpty());
                continue;
            }
            QCOMPARE(cell->text(QAccessible::Name),
                     QString("%1; %2; %3").arg(student, r.heading, painted));
            QCOMPARE(place->rowHeaderCells().size(), 1);
            QCOMPARE(place->rowHeaderCells()[0]->text(QAccessible::Name), student);
            QCOMPARE(place->columnHeaderCells().value(0)->text(QAccessible::Name), r.heading);
        }

        // The current cell is the focused one.
        Press(Qt::Key_Down);
        Press(Qt::Key_Right);
        QAccessibleInterface* focused = sheet->focusChild();
        QVERIFY(focused && focused->state().focused);
        QCOMPARE(focused->tableCellInterface()->rowIndex(), 1);
        QCOMPARE(focused->tableCellInterface()->columnIndex(), 1);

        // A score's points possible as the class holds them.
        auto halves = FilledClass(1, 1);
        halves->m_assignments[0].m_pointsPossible = 7.5;
        CMarkwiseView& other = open(std::move(halves));
        QAccessibleTableInterface* small =
            QAccessible::queryAccessibleInterface(&other)->tableInterface();
        QCOMPARE(small->cellAt(0, 1)->text(QAccessible::Description), QString("out of 7.5 points"));
    }

    void paintsWithThePaletteInBands() {
        CMarkwiseView& view = open(FilledClass(4, 2));
        QPalette dark = view.palette();
        for (const auto& [role, grey] : {std::pair{QPalette::Base, 20},
                                         {QPalette::AlternateBase, 45},
                                         {QPalette::Button, 70},
                                         {QPalette::Text, 240}})
            dark.setColor(role, QColor(grey, grey, grey));
        dark.setColor(QPalette::Highlight, QColor(0, 120, 215));
        view.setPalette(dark);
        const QImage image = view.viewport()->grab().toImage();
        const int h = view.rowHeight();
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

    void copyPutsTheTableOnTheClipboardAsTabTextAndHtml() {
        CMarkwiseView& view = open(FilledClass(3, 2));
        CommandState state;
        QVERIFY(view.updateCommand(ID_EDIT_COPY, state) && state.enabled);
        view.runCommand(ID_EDIT_COPY);
        const QMimeData* data = QGuiApplication::clipboard()->mimeData();
        // The table's texts are the cursor tests' to pin; here: this sheet's, in both forms.
        QVERIFY(data && data->text().startsWith("Name\t1: Title 0\t2: Title 1\t"));
        QCOMPARE(data->text().count("\r\n"), 4);
        QVERIFY(data->html().contains("<th>1: Title 0</th>"));
    }

    // Shift+arrows hold a block; Copy copies it as a spreadsheet pastes it, Paste puts a
    // copied column in from the current cell, Fill Down copies the top score down, each one
    // step to undo; a bad cell pastes nothing and says which.
    void blocksCopyPasteAndFillDown() {
        Messages messages;
        CMarkwiseView& view = open(FilledClass(3, 2));
        const std::vector<unsigned char> before = bytes();
        SheetKeyboard& keys = view.keyboard();
        QClipboard* clipboard = QGuiApplication::clipboard();
        Press(Qt::Key_Right);
        Press(Qt::Key_Down, Qt::ShiftModifier);
        Press(Qt::Key_Right, Qt::ShiftModifier);
        const ScoreBlock block = keys.block();
        QCOMPARE(std::vector<int>({block.firstStudent, block.lastStudent, block.firstAssignment,
                                   block.lastAssignment}),
                 std::vector<int>({0, 1, 0, 1}));
        view.runCommand(ID_EDIT_COPY);
        QCOMPARE(clipboard->text(), QString("N/A\t1.5\n3.5\t4.5\n"));
        Press(Qt::Key_Tab); // a move without Shift leaves one cell
        QCOMPARE(keys.block().Rows() * keys.block().Columns(), 1);

        keys.setCell({1, 0});
        clipboard->setText("9\r\n\r\n"); // as spreadsheets copy a column: 9, then a blank
        view.runCommand(ID_EDIT_PASTE);
        QCOMPARE(score(0, 1), 9.0);
        QCOMPARE(score(0, 2), MISSING_SCORE);
        const std::vector<unsigned char> pasted = bytes();
        clipboard->setText("1\nx\n");
        view.runCommand(ID_EDIT_PASTE);
        QCOMPARE(messages.texts, QStringList{"\"x\" (row 2, column 1 of the pasted cells, \"Title "
                                             "0\" for Last2, First2) is not a score. Nothing was "
                                             "pasted."});
        QVERIFY(bytes() == pasted);
        keys.setCell({0, kNameColumn}); // on a name nothing is pasted either
        view.runCommand(ID_EDIT_PASTE);
        QCOMPARE(messages.texts.size(), 2);

        keys.setCell({0, 1});
        Press(Qt::Key_Down, Qt::ShiftModifier);
        Press(Qt::Key_Down, Qt::ShiftModifier);
        view.runCommand(ID_EDIT_FILL_DOWN);
        QCOMPARE(score(1, 1), 1.5);
        QCOMPARE(score(1, 2), 1.5);
        CClassEditor& editor = m_sheet->document.editor();
        QCOMPARE(editor.history().count(), 2);
        editor.undo();
        QVERIFY(bytes() == pasted);
        editor.undo();
        QVERIFY(bytes() == before && !doc().IsModified());
    }
    // Pasted "EX" and "M" mark their cells, a pasted number clears a mark, Fill Down copies
    // the top cell's mark and Copy gives the marks back as text; undo takes each step back.
    void pasteAndFillDownCarryMarks() {
        CMarkwiseView& view = open(FilledClass(3, 2));
        const std::vector<unsigned char> before = bytes();
        SheetKeyboard& keys = view.keyboard();
        QClipboard* clipboard = QGuiApplication::clipboard();
        keys.setCell({0, 0});
        clipboard->setText("EX\tm\n");
        view.runCommand(ID_EDIT_PASTE);
        QCOMPARE(doc().GetMark(0, 0), ScoreMark::Excused);
        QCOMPARE(doc().GetMark(1, 0), ScoreMark::MissingWork);
        keys.setCell({0, 1});
        clipboard->setText("0");
        view.runCommand(ID_EDIT_PASTE);
        QCOMPARE(doc().GetMark(1, 0), ScoreMark::None);
        QCOMPARE(score(1, 0), 0.0);
        keys.setCell({0, 0});
        Press(Qt::Key_Down, Qt::ShiftModifier);
        Press(Qt::Key_Down, Qt::ShiftModifier);
        view.runCommand(ID_EDIT_FILL_DOWN);
        for (int s = 0; s < 3; ++s)
            QCOMPARE(doc().GetMark(0, s), ScoreMark::Excused);
        view.runCommand(ID_EDIT_COPY);
        QCOMPARE(clipboard->text(), QString("EX\nEX\nEX\n"));
        CClassEditor& editor = m_sheet->document.editor();
        QCOMPARE(editor.history().count(), 3);
        for (int step = 0; step < 3; ++step)
            editor.undo();
        QVERIFY(bytes() == before && !doc().IsModified());
    }
};

QTEST_MAIN(GradeSheetTest)
#include "gradesheet_test.moc"
