#include "dialog_test_support.h"
#include "dialogs/edit_assignment_dlg.h"
#include "dialogs/field_rules.h"
#include "dialogs/new_assignment_dlg.h"
#include "dialogs/open_dialogs.h"
#include "dialogs/remove_assignment_dlg.h"

#include <QApplication>
#include <QCheckBox>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

using namespace markwise;
using namespace markwise::test;

namespace {

void FillThreeStudents(FakeHost& host, std::initializer_list<ScoredAssignment> assignments) {
    FillClass(*host.doc, {{"Adams", "Al"}, {"Brown", "Bo"}, {"Cole", "Cy"}}, assignments);
}

// The scores of one assignment, for comparing whole columns.
std::vector<double> Scores(const FakeHost& host, int a) {
    const double* scores = host.doc->m_assignments[a].m_scores.data();
    return {scores, scores + host.doc->m_studentCount};
}

constexpr double NA = MISSING_SCORE;

} // namespace

class AssignmentDialogsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { DropOffscreenNoise(); }

    void creatingAnAssignmentLandsInEditAssignment() {
        FakeHost host;
        FillThreeStudents(host, {{"Quiz", {5.0, 6.0, 7.0}}});
        ModalDriver driver;
        driver.Then([](QDialog& dialog) {
            auto& create = static_cast<CNewAssignmentDlg&>(dialog);
            QCOMPARE(create.PointsBox()->text(), QStringLiteral("0"));
            Type(QStringLiteral("Homework12")); // eight characters at most
            Press(Qt::Key_Tab);                 // Tab selects the 0
            Type(QStringLiteral("25"));
            Press(Qt::Key_Tab);
            Type(QStringLiteral("Chapter 3"));
            Press(Qt::Key_Return);
        });
        driver.Then([&host](QDialog& dialog) {
            auto* edit = dynamic_cast<CEditAssignmentDlg*>(&dialog);
            QVERIFY(edit);
            QCOMPARE(edit->AssignmentList()->currentRow(), 1);
            QCOMPARE(edit->StudentList()->currentRow(), 0);
            QVERIFY(edit->NotAvailableBox()->isChecked());
            QCOMPARE(host.scrolledToLast, 1);
            QCOMPARE(host.repaints, 1);
            Press(Qt::Key_Escape);
        });
        OpenNewAssignment(host);
        QVERIFY(driver.Done());

        const CAssignment& created = host.doc->m_assignments[1];
        QCOMPARE(created.m_title, std::string("Homework"));
        QCOMPARE(created.m_pointsPossible, 25.0);
        QCOMPARE(created.m_description, std::string("Chapter 3"));
        QCOMPARE(Scores(host, 1), (std::vector<double>{NA, NA, NA}));
        QVERIFY(host.doc->IsModified());
    }

    void createRefusesAFullClass() {
        Messages messages;
        FakeHost host;
        FillThreeStudents(host, {});
        for (int a = 0; a < kMaxAssignments; ++a)
            host.doc->NewAssignment("A", "", 1.0);
        ModalDriver driver; // must never find a dialog to drive
        driver.Then([](QDialog& dialog) { QFAIL(qPrintable(dialog.windowTitle())); });
        OpenNewAssignment(host);
        QCOMPARE(messages.texts.last(), QStringLiteral("All Assignment slots full!"));
        QCOMPARE(host.doc->m_assignmentCount, kMaxAssignments);
    }

    void fastEditStoresOneScoreAfterAnother() {
        FakeHost host;
        FillThreeStudents(host, {{"Quiz", {NA, NA, NA}}});
        const int lastIndex = host.doc->m_assignments[0].m_lastIndex;
        CEditAssignmentDlg dialog(host, 0, 0);
        QVERIFY(ShowActive(dialog));
        ClickBox(dialog.FastEditBox());
        // The tick takes effect at the next refresh: choose the first student again.
        ClickRow(dialog.StudentList(), 1);
        ClickRow(dialog.StudentList(), 0);
        QCOMPARE(dialog.ScoreBox()->text(), QStringLiteral("0"));
        QVERIFY(!dialog.NotAvailableBox()->isChecked());
        QCOMPARE(QApplication::focusWidget(), dialog.ScoreBox());

        for (const char* score : {"7", "8", "9"}) {
            Type(QString::fromLatin1(score));
            Press(Qt::Key_Return);
        }
        QCOMPARE(Scores(host, 0), (std::vector<double>{7, 8, 9}));
        QCOMPARE(dialog.StudentList()->currentRow(), 2);
        QCOMPARE(dialog.ScoreBox()->selectedText(), QStringLiteral("0"));

        // At the last student each further Enter stores the 0 in the box there again.
        Press(Qt::Key_Return);
        QCOMPARE(Scores(host, 0), (std::vector<double>{7, 8, 0}));
        QCOMPARE(dialog.Student(), 2);
        QCOMPARE(host.repaints, 4);
        QCOMPARE(host.doc->m_assignments[0].m_lastIndex, lastIndex);

        // N/A ticked stores a missing score and moves on; there a missing score shows as 0.
        ClickRow(dialog.StudentList(), 0);
        ClickBox(dialog.NotAvailableBox());
        QVERIFY(!dialog.ScoreBox()->isEnabled());
        Press(Qt::Key_Return);
        QCOMPARE(Scores(host, 0), (std::vector<double>{NA, 8, 0}));
        QCOMPARE(dialog.Student(), 1);
        ClickRow(dialog.StudentList(), 0);
        QCOMPARE(dialog.ScoreBox()->text(), QStringLiteral("0"));
        QVERIFY(!dialog.NotAvailableBox()->isChecked() && dialog.ScoreBox()->isEnabled());
    }

    void editWithoutFastEditStaysOnTheStudent() {
        Messages messages;
        FakeHost host;
        FillThreeStudents(host, {{"Quiz", {4.0, NA, 6.0}}, {"Test", {1.0, 2.0, 3.0}}});
        CMarkwiseDoc& doc = *host.doc;
        CEditAssignmentDlg dialog(host, 0, 1);
        QVERIFY(ShowActive(dialog));
        QVERIFY(!dialog.ScoreBox()->isEnabled());

        // A typed score dropped by choosing another student changes nothing.
        ClickRow(dialog.StudentList(), 2);
        Retype(dialog.ScoreBox(), QStringLiteral("9.5"));
        ClickRow(dialog.StudentList(), 1);
        QCOMPARE(Scores(host, 0), (std::vector<double>{4.0, NA, 6.0}));
        QVERIFY(!doc.IsModified());

        // Clearing N/A opens the box; Update stores its number and stays on the student.
        // Points Possible takes digits only; the title has no limit here.
        ClickBox(dialog.NotAvailableBox());
        Retype(dialog.ScoreBox(), QStringLiteral("5.25"));
        Retype(dialog.PointsBox(), QStringLiteral("1x2"));
        Retype(dialog.TitleBox(), QStringLiteral("Quiz one, long"));
        Press(Qt::Key_Return);
        QCOMPARE(Scores(host, 0), (std::vector<double>{4.0, 5.25, 6.0}));
        QCOMPARE(doc.m_assignments[0].m_pointsPossible, 12.0);
        QCOMPARE(dialog.AssignmentList()->item(0)->text(), QStringLiteral("Quiz one, long"));
        QCOMPARE(dialog.Student(), 1);
        QCOMPARE(host.repaints, 1);

        // A score box with no number: one message, nothing stored.
        doc.SetModifiedFlag(false);
        Retype(dialog.ScoreBox(), QStringLiteral("abc"));
        Press(Qt::Key_Return);
        QCOMPARE(messages.texts,
                 QStringList{QStringLiteral("Please enter a number in \"Student Points\".")});
        QVERIFY(!doc.IsModified());

        // The other assignment shows its details and the same student's score.
        ClickRow(dialog.AssignmentList(), 1);
        QCOMPARE(dialog.ScoreBox()->text(), QStringLiteral("2"));
        QCOMPARE(dialog.DescriptionBox()->text(), QStringLiteral("about Test"));
        Press(Qt::Key_Escape);
        QVERIFY(!dialog.isVisible());
    }

    void removingTheMiddleAssignmentKeepsTheOthersWhole() {
        Messages messages;
        FakeHost host;
        FillThreeStudents(
            host, {{"Quiz", {1.0, 2.0, 3.0}}, {"Test", {4.0, 5.0, 6.0}}, {"Lab", {7.0, NA, 9.0}}});
        CMarkwiseDoc& doc = *host.doc;
        doc.m_assignments[2].m_pointsPossible = 15.0;
        CRemoveAssignmentDlg dialog(host);
        QVERIFY(ShowActive(dialog));
        ClickRow(dialog.List(), 1);
        messages.answers = {Answer::Cancel};
        Press(Qt::Key_Return);
        QCOMPARE(doc.m_assignmentCount, 3);
        QVERIFY(!doc.IsModified());

        QTest::mouseClick(dialog.RemoveButton(), Qt::LeftButton);
        QCOMPARE(messages.texts.last(),
                 QStringLiteral("Are you sure you want to remove this assignment?\nClicking OK "
                                "will result in the loss of all data entered for that "
                                "assignment!"));
        QCOMPARE(doc.m_assignmentCount, 2);
        QCOMPARE(doc.m_assignments[1].m_description, std::string("about Lab"));
        QCOMPARE(doc.m_assignments[1].m_pointsPossible, 15.0);
        QCOMPARE(Scores(host, 0), (std::vector<double>{1.0, 2.0, 3.0}));
        QCOMPARE(Scores(host, 1), (std::vector<double>{7.0, NA, 9.0}));
        QVERIFY(doc.IsModified());
        QCOMPARE(host.repaints, 1);
        QCOMPARE(dialog.List()->currentRow(), 0);

        // The last ones can go too; then the assignment dialogs close at once.
        Press(Qt::Key_Return);
        Press(Qt::Key_Return);
        QCOMPARE(doc.m_assignmentCount, 0);
        QCOMPARE(CEditAssignmentDlg(host, 0, 0).exec(), int(QDialog::Rejected));
        QCOMPARE(CRemoveAssignmentDlg(host).exec(), int(QDialog::Rejected));
    }
};

QTEST_MAIN(AssignmentDialogsTest)
#include "assignment_dialogs_test.moc"
