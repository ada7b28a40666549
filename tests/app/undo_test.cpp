#include "core/class_file.h"
#include "dialogs/dialog_test_support.h"
#include "dialogs/edit_assignment_dlg.h"
#include "dialogs/edit_student_dlg.h"
#include "dialogs/exclude_assignments_dlg.h"
#include "dialogs/field_rules.h"
#include "dialogs/install_dialogs.h"
#include "dialogs/remove_entry_dlg.h"
#include "dialogs/sort_by_assignment_dlg.h"
#include "framework/child_frame.h"
#include "framework/commands.h"
#include "gradesheet/markwise_view.h"
#include "gradesheet/sheet_keyboard.h"
#include "support/app_fixture.h"
#include "support/class_builder.h"

#include <QAbstractScrollArea>
#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QSignalSpy>
#include <QtTest>
#include <functional>

using namespace markwise;
using namespace markwise::test;

class UndoTest : public QObject, AppFixture {
    Q_OBJECT

    CDocument& document() { return *m_app->docManager().activeDocument(); }
    QByteArray savedBytes() {
        const std::vector<unsigned char> bytes = WriteClass(document().data());
        return QByteArray(reinterpret_cast<const char*>(bytes.data()), int(bytes.size()));
    }
    QAction& action(int id) {
        frame().updateCommandStates();
        return *frame().action(id);
    }
    void run(int id) { frame().executeCommand(id); }
    // Return to store, Escape to close a dialog that stays open for the next entry.
    static void storeAndClose() {
        Press(Qt::Key_Return);
        Press(Qt::Key_Escape);
    }

    // Runs the command with its dialog driven by `steps`, then checks Undo's name for it, that
    // Undo gives back the saved bytes from before and Redo those from after, one step each.
    void undoAndRedo(const QString& name, int command,
                     const QList<std::function<void(QDialog&)>>& steps = {}) {
        const QByteArray before = savedBytes();
        const int count = document().editor().history().count();
        for (const auto& step : steps)
            m_driver.Then(step);
        run(command);
        QVERIFY(m_driver.Done());
        const QByteArray after = savedBytes();
        QCOMPARE(document().editor().history().count(), count + 1);
        QCOMPARE(action(ID_EDIT_UNDO).text(), "&Undo " + name);
        run(ID_EDIT_UNDO);
        QCOMPARE(savedBytes(), before);
        QCOMPARE(action(ID_EDIT_REDO).text(), "R&edo " + name);
        run(ID_EDIT_REDO);
        QCOMPARE(savedBytes(), after);
    }
    ModalDriver m_driver;

private slots:
    void initTestCase() { PrepareApplication(); }
    void init() {
        FreshFolder();
        const QString path = m_dir->filePath("class.mkw");
        std::string error;
        QVERIFY(SaveClassFile(path.toStdString(), *FilledClass(6, 4), error));
        InstallEditingDialogs(CreateApp().viewDialogs());
        QVERIFY(m_app->InitInstance({false, path}));
    }
    void cleanup() { CloseApp({Answer::Discard, Answer::Discard}); }

    void everyKindOfChangeIsUndoneAndRedoneByteForByte() {
        QCOMPARE(action(ID_EDIT_UNDO).text(), QStringLiteral("&Undo"));
        QVERIFY(!action(ID_EDIT_UNDO).isEnabled() && !action(ID_EDIT_REDO).isEnabled());
        undoAndRedo("Add Student", ID_STUDENT_NEW, {[](QDialog&) {
                        Type("Zed");
                        storeAndClose();
                    }});
        undoAndRedo("Edit Student", ID_STUDENT_EDIT, {[](QDialog& dialog) {
                        Retype(static_cast<CEditStudentDlg&>(dialog).Fields().lastName, "Renamed");
                        storeAndClose();
                    }});
        const auto removeRow = [](int row) {
            return [row](QDialog& dialog) {
                ClickRow(static_cast<CRemoveEntryDlg&>(dialog).List(), row);
                storeAndClose(); // the question on removing is answered OK
            };
        };
        undoAndRedo("Remove Student", ID_STUDENT_REMOVE, {removeRow(2)});
        undoAndRedo("New Assignment", ID_ASSIGNMENT_NEW,
                    {[](QDialog&) {
                         Type("Quiz 9");
                         Press(Qt::Key_Return);
                     },
                     [](QDialog&) { Press(Qt::Key_Escape); }});
        // Three scores and a changed title in one opening: one step.
        undoAndRedo("Fast Edit scores", ID_ASSIGNMENT_EDIT, {[](QDialog& dialog) {
                        auto& edit = static_cast<CEditAssignmentDlg&>(dialog);
                        ClickRow(edit.AssignmentList(), 1);
                        Retype(edit.TitleBox(), "Renamed quiz");
                        Retype(edit.ScoreBox(), "7");
                        Press(Qt::Key_Return);
                        ClickBox(edit.FastEditBox());
                        for (const char* score : {"8", "9"}) {
                            edit.ScoreBox()->setFocus();
                            Type(score);
                            Press(Qt::Key_Return);
                        }
                        Press(Qt::Key_Escape);
                    }});
        undoAndRedo("Remove Assignment", ID_ASSIGNMENT_REMOVE, {removeRow(0)});
        undoAndRedo("Sort by Total Grade", ID_SORT_TOTAL);
        undoAndRedo("Sort by Name", ID_SORT_NAME);
        undoAndRedo("Sort Randomly", ID_SORT_RANDOM);
        // A column pasted from the second assignment's first score on, then that column's
        // block filled down: one step each.
        SheetKeyboard& keys =
            static_cast<CMarkwiseView*>(manager().activeFrame()->view())->keyboard();
        keys.setCell({0, 1});
        QGuiApplication::clipboard()->setText("9\n8\n7\n");
        undoAndRedo("Paste", ID_EDIT_PASTE);
        keys.setCell({3, 1}, /*extend=*/true);
        undoAndRedo("Fill Down", ID_EDIT_FILL_DOWN);
        undoAndRedo("Sort by Assignment Grade", ID_SORT_ASSIGNMENT, {[](QDialog& dialog) {
                        ClickRow(static_cast<CSortByAssignmentDlg&>(dialog).List(), 2);
                        Press(Qt::Key_Return);
                    }});
        // The file does not hold the excluded assignments; the class does.
        undoAndRedo("Exclude Assignments", ID_CLASS_EXCLUDE, {[](QDialog& dialog) {
                        auto& exclude = static_cast<CExcludeAssignmentsDlg&>(dialog);
                        ClickBox(exclude.DontExcludeBox());
                        ClickRow(exclude.List(), 1);
                        Press(Qt::Key_Return);
                    }});
        QCOMPARE(document().data().m_firstIncluded, 1);
        run(ID_EDIT_UNDO);
        QCOMPARE(document().data().m_firstIncluded, 0);
        QVERIFY(action(ID_EDIT_REDO).isEnabled());

        // The listing toggle is no step: it leaves the history alone.
        const int steps = document().editor().history().count();
        run(ID_VIEW_STUDENT_ID);
        QCOMPARE(document().editor().history().count(), steps);
        QVERIFY(action(ID_EDIT_REDO).isEnabled());
    }

    void modifiedFollowsTheSavedState() {
        const QByteArray opened = savedBytes();
        run(ID_SORT_TOTAL);
        QVERIFY(document().isModified());
        run(ID_EDIT_UNDO);
        QVERIFY(!document().isModified());
        run(ID_EDIT_REDO);
        QVERIFY(document().isModified());
        // Sorting by name leaves the flag alone.
        run(ID_EDIT_UNDO);
        run(ID_SORT_NAME);
        QVERIFY(!document().isModified());

        run(ID_SORT_RANDOM);
        run(ID_FILE_SAVE);
        QVERIFY(!document().isModified());
        run(ID_EDIT_UNDO); // saving keeps the history
        QVERIFY(document().isModified());
        run(ID_EDIT_REDO);
        QVERIFY(!document().isModified());
        run(ID_EDIT_UNDO);
        run(ID_EDIT_UNDO);
        QCOMPARE(savedBytes(), opened);
        QVERIFY(document().isModified()); // the file on disk is the shuffled class

        // Back at the saved state, closing asks nothing; the listing toggle changes no file.
        run(ID_EDIT_REDO);
        run(ID_EDIT_REDO);
        run(ID_VIEW_STUDENT_ID);
        m_messages.texts.clear();
        run(ID_FILE_CLOSE);
        QVERIFY(m_messages.texts.isEmpty());
        QVERIFY(m_app->docManager().documents().empty());
    }

    void undoInOneWindowRepaintsTheOthers() {
        run(ID_WINDOW_NEW);
        run(ID_WINDOW_TILE_HORZ);
        auto* other = static_cast<QAbstractScrollArea*>(document().frames()[0]->view()->widget());
        QVERIFY(other->isVisible());
        struct PaintCount : QObject {
            int paints = 0;
            bool eventFilter(QObject*, QEvent* event) override {
                paints += event->type() == QEvent::Paint;
                return false;
            }
        } count;
        other->viewport()->installEventFilter(&count);
        run(ID_SORT_TOTAL);
        // The sort's own repaint first, so that only the undo's is counted below.
        QTRY_VERIFY(count.paints > 0);
        count.paints = 0;
        QSignalSpy changed(&document(), &CDocument::changed);
        run(ID_EDIT_UNDO);
        QCOMPARE(changed.count(), 1);
        QTRY_VERIFY(count.paints > 0);
    }
};

QTEST_MAIN(UndoTest)
#include "undo_test.moc"
