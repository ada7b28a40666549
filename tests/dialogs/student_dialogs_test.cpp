#include "dialog_test_support.h"
#include "dialogs/add_student_dlg.h"
#include "dialogs/edit_student_dlg.h"
#include "dialogs/field_rules.h"
#include "dialogs/remove_student_dlg.h"

#include <QApplication>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

using namespace markwise;
using namespace markwise::test;

namespace {

QStringList Lines(const QListWidget* list) {
    QStringList lines;
    for (int i = 0; i < list->count(); ++i)
        lines.append(list->item(i)->text());
    return lines;
}

} // namespace

class StudentDialogsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QuietOffscreenNotice(); }

    void addTakesOneNameIgnoresOnlyAnIdAndStaysOpen() {
        FakeHost host;
        FillClass(*host.doc, {{"Baker", "Ann"}},
                  {{"Quiz", {8.0}}, {"Test", {9.0}}, {"Lab", {7.0}}});
        CAddStudentDlg dialog(host);
        QVERIFY(ShowActive(dialog));
        StudentFieldBoxes& f = dialog.Fields();
        QCOMPARE(QApplication::focusWidget(), f.lastName);

        // Tab order: the six boxes, then Add and Close Dialog.
        const QList<QWidget*> order = {f.firstName,         f.studentId, f.gradeLevel,
                                       f.bookNumber,        f.phone,     dialog.AddButton(),
                                       dialog.CloseButton()};
        for (QWidget* next : order) {
            Press(Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), next);
        }
        f.lastName->setFocus();

        // Only a last name: added at the end, no score anywhere, boxes emptied.
        Type(QStringLiteral("Carter"));
        Press(Qt::Key_Tab);
        Press(Qt::Key_Tab);
        Type(QStringLiteral("S-77"));
        Press(Qt::Key_Return);
        CMarkwiseDoc& doc = *host.doc;
        QCOMPARE(doc.m_studentCount, 2);
        QCOMPARE(doc.GetFullName(1), std::string("Carter, "));
        QCOMPARE(doc.m_studentId[1], std::string("S-77"));
        for (int a = 0; a < 3; ++a) {
            QCOMPARE(doc.m_assignments[a].m_scores[1], MISSING_SCORE);
            QVERIFY(doc.m_assignments[a].m_lastIndex >= 1);
        }
        QCOMPARE(doc.m_assignments[1].m_scores[0], 9.0);
        QVERIFY(doc.IsModified());
        QCOMPARE(host.repaints, 1);
        QVERIFY(f.lastName->text().isEmpty() && f.studentId->text().isEmpty());
        QCOMPARE(QApplication::focusWidget(), f.lastName);
        QVERIFY(dialog.isVisible());

        // Only a first name, added with the Add button.
        Press(Qt::Key_Tab);
        Type(QStringLiteral("Dee"));
        QTest::mouseClick(dialog.AddButton(), Qt::LeftButton);
        QCOMPARE(doc.m_studentCount, 3);
        QCOMPARE(doc.GetFullName(2), std::string(", Dee"));

        // Only an ID: nothing added, nothing marked, the ID stays in its box.
        doc.SetModifiedFlag(false);
        f.studentId->setFocus();
        Type(QStringLiteral("X1"));
        Press(Qt::Key_Return);
        QCOMPARE(doc.m_studentCount, 3);
        QVERIFY(!doc.IsModified());
        QCOMPARE(f.studentId->text(), QStringLiteral("X1"));

        // Typing stops at each box's limit.
        f.lastName->setFocus();
        Type(QStringLiteral("Abercrombie-Fitch"));
        f.gradeLevel->setFocus();
        Type(QStringLiteral("123"));
        Press(Qt::Key_Return);
        QCOMPARE(doc.m_lastName[3], std::string("Abercrombi"));
        QCOMPARE(doc.m_gradeLevel[3], std::string("12"));

        // Escape is Close Dialog; what was added stays.
        Press(Qt::Key_Escape);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(doc.m_studentCount, 4);
    }

    void theThousandAndFirstStudentIsRefused() {
        Messages messages;
        FakeHost host;
        CMarkwiseDoc& doc = *host.doc;
        for (int s = 0; s < kMaxStudents; ++s)
            doc.AddStudent({"F", "L" + std::to_string(s), "", "", "", ""});
        doc.SetModifiedFlag(false);

        CAddStudentDlg dialog(host);
        QVERIFY(ShowActive(dialog));
        Type(QStringLiteral("Late"));
        Press(Qt::Key_Return);
        QCOMPARE(messages.texts, QStringList{QStringLiteral("All Name slots full!")});
        QCOMPARE(doc.m_studentCount, kMaxStudents);
        QCOMPARE(doc.m_lastName[kMaxStudents - 1], std::string("L999"));
        QVERIFY(dialog.Fields().lastName->text().isEmpty());
        QVERIFY(doc.IsModified());
        QCOMPARE(host.repaints, 0);
    }

    void editingThenSelectingAnotherStudentKeepsTheFirst() {
        FakeHost host;
        FillClass(*host.doc, {{"Adams", "Al"}, {"Brown", "Bo"}, {"Cole", "Cy"}});
        CMarkwiseDoc& doc = *host.doc;
        doc.m_showNames = 0; // the dialogs list names even while the sheet lists IDs

        CEditStudentDlg dialog(host, 1);
        QVERIFY(ShowActive(dialog));
        QCOMPARE(Lines(dialog.List()), (QStringList{"Adams, Al", "Brown, Bo", "Cole, Cy"}));
        QCOMPARE(dialog.List()->currentRow(), 1);
        QCOMPARE(dialog.Fields().lastName->text(), QStringLiteral("Brown"));
        QCOMPARE(dialog.Fields().phone->text(), QStringLiteral("555-1"));

        // Typed but not updated: lost when another entry is picked.
        dialog.Fields().lastName->setFocus();
        dialog.Fields().lastName->selectAll();
        Type(QStringLiteral("Browne"));
        ClickRow(dialog.List(), 2);
        QCOMPARE(dialog.Fields().lastName->text(), QStringLiteral("Cole"));
        QCOMPARE(doc.m_lastName[1], std::string("Brown"));
        QVERIFY(!doc.IsModified());
        QCOMPARE(host.repaints, 0);

        // Update stores the six fields and rebuilds the list, still on the same entry.
        dialog.Fields().lastName->setFocus();
        dialog.Fields().lastName->selectAll();
        Type(QStringLiteral("Coleman"));
        Press(Qt::Key_Tab);
        Press(Qt::Key_Backspace);
        Press(Qt::Key_Return);
        QCOMPARE(doc.GetFullName(2), std::string("Coleman, "));
        QCOMPARE(doc.m_studentId[2], std::string("id2"));
        QVERIFY(doc.IsModified());
        QCOMPARE(host.repaints, 1);
        QCOMPARE(Lines(dialog.List()), (QStringList{"Adams, Al", "Brown, Bo", "Coleman, "}));
        QCOMPARE(dialog.List()->currentRow(), 2);
        QVERIFY(dialog.isVisible());
        QCOMPARE(doc.m_lastName[1], std::string("Brown"));
    }

    void editRefusesAStoredTextOverItsLimitWithoutChangingIt() {
        Messages messages;
        FakeHost host;
        FillClass(*host.doc, {{"Featherstonehaugh", "Jo"}});
        CEditStudentDlg dialog(host, 0);
        QVERIFY(ShowActive(dialog));
        QCOMPARE(dialog.Fields().lastName->text(), QStringLiteral("Featherstonehaugh"));
        Press(Qt::Key_Return);
        QCOMPARE(messages.texts,
                 QStringList{QStringLiteral("\"Last Name\" holds more than 10 characters. Please "
                                            "shorten it.")});
        QVERIFY(!host.doc->IsModified());
        QCOMPARE(QApplication::focusWidget(), dialog.Fields().lastName);
        QVERIFY(dialog.isVisible());
    }

    void studentDialogsCloseAtOnceOnAnEmptyClass() {
        FakeHost host;
        QCOMPARE(CEditStudentDlg(host, 0).exec(), int(QDialog::Rejected));
        QCOMPARE(CRemoveStudentDlg(host).exec(), int(QDialog::Rejected));
    }

    void removingTheMiddleStudentTakesItsScores() {
        Messages messages;
        FakeHost host;
        FillClass(*host.doc, {{"Adams", "Al"}, {"Brown", "Bo"}, {"Cole", "Cy"}},
                  {{"Quiz", {1.0, 2.0, 3.0}}, {"Test", {10.0, MISSING_SCORE, 30.0}}});
        CMarkwiseDoc& doc = *host.doc;
        const StudentFields first = doc.GetStudent(0);
        const StudentFields third = doc.GetStudent(2);

        CRemoveStudentDlg dialog(host);
        QVERIFY(ShowActive(dialog));
        QCOMPARE(dialog.List()->currentRow(), 0);
        ClickRow(dialog.List(), 1);

        // Cancel at the question changes nothing.
        messages.answers = {Answer::Cancel};
        Press(Qt::Key_Return);
        QCOMPARE(messages.texts.size(), 1);
        QCOMPARE(doc.m_studentCount, 3);
        QVERIFY(!doc.IsModified());

        Press(Qt::Key_Return);
        QCOMPARE(messages.texts.last(),
                 QStringLiteral("Are you sure you want to remove this student?\nClicking OK will "
                                "result in the loss of all data entered for that student!"));
        QCOMPARE(doc.m_studentCount, 2);
        QVERIFY(doc.GetStudent(0).lastName == first.lastName);
        QCOMPARE(doc.m_studentId[0], first.studentId);
        QCOMPARE(doc.m_lastName[1], third.lastName);
        QCOMPARE(doc.m_studentId[1], third.studentId);
        QCOMPARE(doc.m_gradeLevel[1], third.gradeLevel);
        QCOMPARE(doc.m_bookNumber[1], third.bookNumber);
        QCOMPARE(doc.m_phone[1], third.phone);
        QCOMPARE(doc.m_assignments[0].m_scores[0], 1.0);
        QCOMPARE(doc.m_assignments[0].m_scores[1], 3.0);
        QCOMPARE(doc.m_assignments[1].m_scores[0], 10.0);
        QCOMPARE(doc.m_assignments[1].m_scores[1], 30.0);
        QVERIFY(doc.IsModified());
        QCOMPARE(host.repaints, 1);
        QCOMPARE(Lines(dialog.List()), (QStringList{"Adams, Al", "Cole, Cy"}));
        QCOMPARE(dialog.List()->currentRow(), 0);
        QVERIFY(dialog.isVisible());
    }

    void theLastStudentCannotBeRemoved() {
        Messages messages;
        FakeHost host;
        FillClass(*host.doc, {{"Only", "One"}}, {{"Quiz", {4.0}}});
        CRemoveStudentDlg dialog(host);
        QVERIFY(ShowActive(dialog));
        QTest::mouseClick(dialog.RemoveButton(), Qt::LeftButton);
        QCOMPARE(messages.texts,
                 QStringList{QStringLiteral(
                     "You can't remove all the students!  If you want to replace this student, "
                     "select Edit Student from the student Menu, and change all of the "
                     "information.")});
        QCOMPARE(host.doc->m_studentCount, 1);
        QCOMPARE(host.doc->m_lastName[0], std::string("Only"));
        QVERIFY(!host.doc->IsModified());
        QTest::mouseClick(dialog.CloseButton(), Qt::LeftButton);
        QVERIFY(!dialog.isVisible());
    }
};

QTEST_MAIN(StudentDialogsTest)
#include "student_dialogs_test.moc"
