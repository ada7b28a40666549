#include "dialog_test_support.h"
#include "dialogs/add_student_dlg.h"
#include "dialogs/edit_student_dlg.h"
#include "dialogs/field_rules.h"
#include "dialogs/remove_student_dlg.h"

#include <QApplication>
#include <QDialog>
#include <QInputMethodEvent>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <memory>

using namespace markwise;
using namespace markwise::test;

namespace {

QStringList Lines(const QListWidget* list) {
    QStringList lines;
    for (int i = 0; i < list->count(); ++i)
        lines.append(list->item(i)->text());
    return lines;
}

// Every field of a student, for comparing whole entries.
std::string Entry(const CMarkwiseDoc& doc, int s) {
    const StudentFields f = doc.GetStudent(s);
    return f.lastName + "|" + f.firstName + "|" + f.studentId + "|" + f.gradeLevel + "|" +
           f.bookNumber + "|" + f.phone;
}

// Replaces a box's text as an input method commits characters no key produces.
void Compose(QLineEdit* box, const QString& text) {
    box->setFocus();
    box->selectAll();
    QInputMethodEvent commit;
    commit.setCommitString(text);
    QApplication::sendEvent(box, &commit);
}

} // namespace

class StudentDialogsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { DropOffscreenNoise(); }

    void addTakesOneNameIgnoresOnlyAnIdAndStaysOpen() {
        FakeHost host;
        FillClass(*host.doc, {{"Baker", "Ann"}}, {{"Quiz", {8.0}}, {"Test", {9.0}}});
        CMarkwiseDoc& doc = *host.doc;
        CAddStudentDlg dialog(host);
        QVERIFY(ShowActive(dialog));
        StudentFieldBoxes& f = dialog.Fields();
        QCOMPARE(QApplication::focusWidget(), f.lastName);
        for (QWidget* next :
             std::initializer_list<QWidget*>{f.firstName, f.studentId, f.gradeLevel, f.bookNumber,
                                             f.phone, dialog.AddButton(), dialog.CloseButton()}) {
            Press(Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), next);
        }

        // Only a last name: added at the end without scores, the boxes emptied.
        f.lastName->setFocus();
        Type(QStringLiteral("Carter"));
        Press(Qt::Key_Tab);
        Press(Qt::Key_Tab);
        Type(QStringLiteral("S-77"));
        Press(Qt::Key_Return);
        QCOMPARE(doc.m_studentCount, 2);
        QCOMPARE(doc.GetFullName(1), std::string("Carter, "));
        QCOMPARE(doc.m_studentId[1], std::string("S-77"));
        QCOMPARE(doc.m_assignments[1].m_scores[1], MISSING_SCORE);
        QVERIFY(doc.IsModified());
        QCOMPARE(host.repaints, 1);
        QVERIFY(f.lastName->text().isEmpty() && f.studentId->text().isEmpty());

        // Only a first name, with the Add button.
        f.firstName->setFocus();
        Type(QStringLiteral("Dee"));
        QTest::mouseClick(dialog.AddButton(), Qt::LeftButton);
        QCOMPARE(doc.GetFullName(2), std::string(", Dee"));

        // Only an ID: nothing added, nothing marked, the ID stays in its box.
        doc.SetModifiedFlag(false);
        f.studentId->setFocus();
        Type(QStringLiteral("X1"));
        Press(Qt::Key_Return);
        QCOMPARE(doc.m_studentCount, 3);
        QVERIFY(!doc.IsModified());
        QCOMPARE(f.studentId->text(), QStringLiteral("X1"));
        Press(Qt::Key_Escape); // Close Dialog
        QVERIFY(!dialog.isVisible());
    }

    void theThousandAndFirstStudentIsRefused() {
        Messages messages;
        FakeHost host;
        CMarkwiseDoc& doc = *host.doc;
        for (int s = 0; s < kMaxStudents; ++s)
            AddStudent(doc, "L" + std::to_string(s));
        doc.SetModifiedFlag(false);
        CAddStudentDlg dialog(host);
        QVERIFY(ShowActive(dialog));
        Type(QStringLiteral("Late"));
        Press(Qt::Key_Return);
        QCOMPARE(messages.texts, QStringList{QStringLiteral("All Name slots full!")});
        QCOMPARE(doc.m_studentCount, kMaxStudents);
        // The accepted dialog still counts as a change.
        QVERIFY(doc.IsModified());
    }

    void textAClassFileCannotHoldIsRefusedAsTyped() {
        Messages messages;
        FakeHost host;
        FillClass(*host.doc, {{"Adams", "Al"}});
        CMarkwiseDoc& doc = *host.doc;
        CAddStudentDlg add(host);
        QVERIFY(ShowActive(add));
        StudentFieldBoxes& f = add.Fields();
        Compose(f.lastName, QStringLiteral("Nguy\u1EC5n"));
        Compose(f.firstName, QStringLiteral("\u0141ukasz"));
        Press(Qt::Key_Return);
        QCOMPARE(doc.m_studentCount, 1);
        QVERIFY(!doc.IsModified() && add.isVisible());
        QCOMPARE(f.lastName->text(), QStringLiteral("Nguy\u1EC5n"));
        QCOMPARE(QApplication::focusWidget(), f.lastName);
        // The first refused box only, named, with its characters and a plain suggestion.
        QCOMPARE(messages.texts, QStringList{"\"Last Name\" contains characters that a class file "
                                             "cannot store: \u1EC5.\nYou could type \"Nguyen\" "
                                             "instead."});
        add.close();

        CEditStudentDlg edit(host, 0);
        QVERIFY(ShowActive(edit));
        Compose(edit.Fields().phone, QStringLiteral("555 \u260E \U0001F600"));
        QTest::mouseClick(edit.UpdateButton(), Qt::LeftButton);
        QCOMPARE(Entry(doc, 0), std::string("Adams|Al|id0|G0|B0|555-0"));
        QVERIFY(!doc.IsModified() && edit.isVisible());
        QCOMPARE(messages.texts.size(), 2);
        QCOMPARE(messages.texts[1], "\"Telephone Number\" contains characters that a class file "
                                    "cannot store: \u260E \U0001F600.\nPlease replace them.");
        // Once plain, it is stored.
        Retype(edit.Fields().phone, QStringLiteral("555-2"));
        QTest::mouseClick(edit.UpdateButton(), Qt::LeftButton);
        QCOMPARE(Entry(doc, 0), std::string("Adams|Al|id0|G0|B0|555-2"));
    }

    void boxesShowAsManyOfTheWidestCharactersAsTheyAccept() {
        FakeHost host;
        FillClass(*host.doc, {{"Adams", "Al"}});
        for (const bool edit : {false, true}) {
            std::unique_ptr<QDialog> dialog;
            StudentFieldBoxes* f = nullptr;
            if (edit) {
                auto* d = new CEditStudentDlg(host, 0);
                dialog.reset(d);
                f = &d->Fields();
            } else {
                auto* d = new CAddStudentDlg(host);
                dialog.reset(d);
                f = &d->Fields();
            }
            QVERIFY(ShowActive(*dialog));
            for (LimitedLineEdit* box : {f->lastName, f->firstName, f->studentId, f->gradeLevel,
                                         f->bookNumber, f->phone}) {
                for (const QChar widest : {QChar('W'), QChar('M'), QChar('@'), QChar('0')}) {
                    const QString full(box->Limit(), widest);
                    box->setText(full);
                    box->repaint(); // the box scrolls its text as it paints
                    // Scrolled text would put the end nearer than the text's width.
                    const int end =
                        box->inputMethodQuery(Qt::ImCursorRectangle).toRect().center().x();
                    box->setCursorPosition(0);
                    box->repaint();
                    const int start =
                        box->inputMethodQuery(Qt::ImCursorRectangle).toRect().center().x();
                    QVERIFY2(end - start >= box->fontMetrics().horizontalAdvance(full) - 1,
                             qPrintable(full));
                }
            }
        }
    }

    void editingThenSelectingAnotherStudentKeepsTheFirst() {
        FakeHost host;
        FillClass(*host.doc, {{"Adams", "Al"}, {"Brown", "Bo"}, {"Cole", "Cy"}});
        CMarkwiseDoc& doc = *host.doc;
        doc.m_showNames = 0; // the dialogs list names even while the sheet lists IDs
        CEditStudentDlg dialog(host, 1);
        QVERIFY(ShowActive(dialog));
        QCOMPARE(Lines(dialog.List()), (QStringList{"Adams, Al", "Brown, Bo", "Cole, Cy"}));
        QCOMPARE(dialog.Fields().phone->text(), QStringLiteral("555-1"));

        // Typed but not updated: lost when another entry is picked.
        Retype(dialog.Fields().lastName, QStringLiteral("Browne"));
        ClickRow(dialog.List(), 2);
        QCOMPARE(dialog.Fields().lastName->text(), QStringLiteral("Cole"));
        QVERIFY(!doc.IsModified());

        // Update stores the fields and rebuilds the list, still on the same entry.
        Retype(dialog.Fields().lastName, QStringLiteral("Coleman"));
        Press(Qt::Key_Tab);
        Press(Qt::Key_Backspace);
        Press(Qt::Key_Return);
        QCOMPARE(doc.GetFullName(2), std::string("Coleman, "));
        QCOMPARE(doc.m_studentId[2], std::string("id2"));
        QCOMPARE(host.repaints, 1);
        QCOMPARE(dialog.List()->item(2)->text(), QStringLiteral("Coleman, "));
        QCOMPARE(dialog.List()->currentRow(), 2);
    }

    void removingTheMiddleStudentTakesItsScoresButNeverTheLast() {
        Messages messages;
        FakeHost host;
        FillClass(*host.doc, {{"Adams", "Al"}, {"Brown", "Bo"}, {"Cole", "Cy"}},
                  {{"Quiz", {1.0, 2.0, 3.0}}, {"Test", {10.0, MISSING_SCORE, 30.0}}});
        CMarkwiseDoc& doc = *host.doc;
        const std::string first = Entry(doc, 0);
        const std::string third = Entry(doc, 2);
        CRemoveStudentDlg dialog(host);
        QVERIFY(ShowActive(dialog));
        ClickRow(dialog.List(), 1);

        messages.answers = {Answer::Cancel}; // changes nothing
        Press(Qt::Key_Return);
        QCOMPARE(doc.m_studentCount, 3);
        QVERIFY(!doc.IsModified());

        Press(Qt::Key_Return);
        QCOMPARE(messages.texts.last(),
                 QStringLiteral("Are you sure you want to remove this student?\nClicking OK will "
                                "result in the loss of all data entered for that student!"));
        QCOMPARE(doc.m_studentCount, 2);
        QCOMPARE(Entry(doc, 0), first);
        QCOMPARE(Entry(doc, 1), third);
        QCOMPARE(doc.m_assignments[0].m_scores[1], 3.0);
        QCOMPARE(doc.m_assignments[1].m_scores[1], 30.0);
        QCOMPARE(host.repaints, 1);
        QCOMPARE(Lines(dialog.List()), (QStringList{"Adams, Al", "Cole, Cy"}));
        QCOMPARE(dialog.List()->currentRow(), 0);

        // The last student cannot go; without students the dialogs do not open.
        Press(Qt::Key_Return);
        messages.texts.clear();
        Press(Qt::Key_Return);
        QCOMPARE(messages.texts,
                 QStringList{QStringLiteral(
                     "You can't remove all the students!  If you want to replace this student, "
                     "select Edit Student from the student Menu, and change all of the "
                     "information.")});
        QCOMPARE(doc.m_studentCount, 1);
        FakeHost empty;
        QCOMPARE(CEditStudentDlg(empty, 0).exec(), int(QDialog::Rejected));
        QCOMPARE(CRemoveStudentDlg(empty).exec(), int(QDialog::Rejected));
    }
};

QTEST_MAIN(StudentDialogsTest)
#include "student_dialogs_test.moc"
