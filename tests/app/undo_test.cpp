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
#include "support/app_fixture.h"
#include "support/class_builder.h"

#include <QAbstractScrollArea>
#include <QAction>
#include <QCheckBox>
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
    QString caption(int id) {
        frame().updateCommandStates();
        return frame().action(id)->text();
    }
    bool enabled(int id) {
        frame().updateCommandStates();
        return frame().action(id)->isEnabled();
    }
    void run(int id) { frame().executeCommand(id); }

    // Makes the change, then checks Undo's name for it, that Undo gives back the saved bytes
    // from before and Redo those from after, one step each.
    void undoAndRedo(const QString& name, const std::function<void()>& change) {
        const QByteArray before = savedBytes();
        const int steps = document().editor().history().count();
        change();
        const QByteArray after = savedBytes();
        QCOMPARE(document().editor().history().count(), steps + 1);
        QCOMPARE(caption(ID_EDIT_UNDO), "&Undo " + name);
        run(ID_EDIT_UNDO);
        QCOMPARE(savedBytes(), before);
        QCOMPARE(caption(ID_EDIT_REDO), "&Redo " + name);
        run(ID_EDIT_REDO);
        QCOMPARE(savedBytes(), after);
    }

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
        QCOMPARE(caption(ID_EDIT_UNDO), QStringLiteral("&Undo"));
        QVERIFY(!enabled(ID_EDIT_UNDO) && !enabled(ID_EDIT_REDO));
        ModalDriver driver;
        undoAndRedo("Add Student", [&] {
            driver.Then([](QDialog&) {
                Type("Zed");
                Press(Qt::Key_Return);
                Press(Qt::Key_Escape);
            });
            run(ID_STUDENT_NEW);
        });
        undoAndRedo("Edit Student", [&] {
            driver.Then([](QDialog& dialog) {
                Retype(static_cast<CEditStudentDlg&>(dialog).Fields().lastName, "Renamed");
                Press(Qt::Key_Return);
                Press(Qt::Key_Escape);
            });
            run(ID_STUDENT_EDIT);
        });
        // Removing picks a row, confirms and closes the dialog.
        const auto removeRow = [&](int row, int command) {
            m_messages.answers = {Answer::Ok};
            driver.Then([row](QDialog& dialog) {
                ClickRow(static_cast<CRemoveEntryDlg&>(dialog).List(), row);
                Press(Qt::Key_Return);
                Press(Qt::Key_Escape);
            });
            run(command);
        };
        undoAndRedo("Remove Student", [&] { removeRow(2, ID_STUDENT_REMOVE); });
        undoAndRedo("New Assignment", [&] {
            driver.Then([](QDialog&) {
                Type("Quiz 9");
                Press(Qt::Key_Return);
            });
            driver.Then([](QDialog&) { Press(Qt::Key_Escape); });
            run(ID_ASSIGNMENT_NEW);
        });
        // Three scores and a changed title in one opening: one step.
        undoAndRedo("Fast Edit scores", [&] {
            driver.Then([](QDialog& dialog) {
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
            });
            run(ID_ASSIGNMENT_EDIT);
        });
        undoAndRedo("Remove Assignment", [&] { removeRow(0, ID_ASSIGNMENT_REMOVE); });
        for (const auto& [name, id] : {std::pair{"Sort by Total Grade", ID_SORT_TOTAL},
                                       {"Sort by Name", ID_SORT_NAME},
                                       {"Sort Randomly", ID_SORT_RANDOM}})
            undoAndRedo(name, [&, id = id] { run(id); });
        undoAndRedo("Sort by Assignment Grade", [&] {
            driver.Then([](QDialog& dialog) {
                ClickRow(static_cast<CSortByAssignmentDlg&>(dialog).List(), 2);
                Press(Qt::Key_Return);
            });
            run(ID_SORT_ASSIGNMENT);
        });
        // The file does not hold the excluded assignments; the class does.
        undoAndRedo("Exclude Assignments", [&] {
            driver.Then([](QDialog& dialog) {
                auto& exclude = static_cast<CExcludeAssignmentsDlg&>(dialog);
                ClickBox(exclude.DontExcludeBox());
                ClickRow(exclude.List(), 1);
                Press(Qt::Key_Return);
            });
            run(ID_CLASS_EXCLUDE);
        });
        QVERIFY(driver.Done());
        QCOMPARE(document().data().m_firstIncluded, 1);
        run(ID_EDIT_UNDO);
        QCOMPARE(document().data().m_firstIncluded, 0);
        QVERIFY(enabled(ID_EDIT_REDO));

        // The listing toggle is no step: it leaves the history alone.
        const int steps = document().editor().history().count();
        run(ID_VIEW_STUDENT_ID);
        QCOMPARE(document().editor().history().count(), steps);
        QVERIFY(enabled(ID_EDIT_REDO));
    }

    void modifiedFollowsTheSavedState() {
        const QByteArray opened = savedBytes();
        run(ID_SORT_TOTAL);
        QVERIFY(document().isModified());
        run(ID_EDIT_UNDO);
        QVERIFY(!document().isModified());
        run(ID_EDIT_REDO);
        QVERIFY(document().isModified());
        // Sorting by name leaves the flag alone, undone or not.
        run(ID_EDIT_UNDO);
        run(ID_SORT_NAME);
        QVERIFY(!document().isModified());

        run(ID_SORT_RANDOM);
        run(ID_FILE_SAVE);
        QVERIFY(!document().isModified());
        QVERIFY(enabled(ID_EDIT_UNDO)); // saving keeps the history
        run(ID_EDIT_UNDO);
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
        QCOMPARE(document().frames().size(), std::size_t(2));
        run(ID_WINDOW_TILE_HORZ);
        auto* other = static_cast<QAbstractScrollArea*>(document().frames()[0]->view()->widget());
        QVERIFY(other->isVisible());
        run(ID_SORT_TOTAL);
        QTest::qWait(20);
        QSignalSpy changed(&document(), &CDocument::changed);
        struct PaintCount : QObject {
            int paints = 0;
            bool eventFilter(QObject*, QEvent* event) override {
                paints += event->type() == QEvent::Paint;
                return false;
            }
        } count;
        other->viewport()->installEventFilter(&count);
        run(ID_EDIT_UNDO);
        QCOMPARE(changed.count(), 1);
        QTRY_VERIFY(count.paints > 0);
    }
};

QTEST_MAIN(UndoTest)
#include "undo_test.moc"
