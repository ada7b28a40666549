#include "dialogs/dialog_test_support.h"
#include "summaries/student_summary_dlg.h"

#include <QLineEdit>
#include <QListWidget>
#include <QTest>

using namespace markwise;
using namespace markwise::test;

namespace {

QStringList Values(const CStudentSummaryDlg& dialog) {
    return {dialog.TotalBox()->text(), dialog.PossibleBox()->text(), dialog.PercentBox()->text(),
            dialog.GradeBox()->text()};
}

} // namespace

class StudentSummaryTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { DropOffscreenNoise(); }

    void valuesFollowTheSelection() {
        FakeHost host;
        CMarkwiseDoc& doc = *host.doc;
        FillClass(doc, {{"Ames", "Ann"}, {"Bell", "Bo"}, {"Cole", "Cy"}, {"Dunn", "Di"}});
        AddAssignment(doc, 20, {18, 6, MISSING_SCORE, -2}, "Test");
        AddAssignment(doc, 10, {9, MISSING_SCORE, MISSING_SCORE, 5}, "Quiz");
        AddAssignment(doc, 7, {MISSING_SCORE, 6, MISSING_SCORE, MISSING_SCORE}, "Lab");
        doc.m_showNames = 0; // the list shows names whatever the sheet lists
        doc.SetModifiedFlag(false);

        CStudentSummaryDlg dialog(host);
        QVERIFY(ShowActive(dialog));
        QCOMPARE(dialog.List()->count(), 4);
        QCOMPARE(dialog.List()->item(1)->text(), QStringLiteral("Bell, Bo"));
        QCOMPARE(dialog.List()->currentRow(), 0);
        QCOMPARE(Values(dialog), (QStringList{"27", "30", "90", "A-"}));

        Press(Qt::Key_Down); // 6 of 20 and 6 of 7
        QCOMPARE(Values(dialog), (QStringList{"12", "27", "44.4444444444444", "F"}));
        ClickRow(dialog.List(), 2); // nothing counted yet
        QCOMPARE(Values(dialog), (QStringList{"0", "0", "100", "A+"}));
        ClickRow(dialog.List(), 3); // a negative score counts as points received
        QCOMPARE(Values(dialog), (QStringList{"3", "30", "10", "F"}));

        // Counting from the third assignment on leaves only Bell's 6 of 7.
        doc.m_firstIncluded = 2;
        ClickRow(dialog.List(), 1);
        QCOMPARE(Values(dialog), (QStringList{"6", "7", "85.7142857142857", "B"}));
        ClickRow(dialog.List(), 0);
        QCOMPARE(Values(dialog), (QStringList{"0", "0", "100", "A+"}));

        // The letter follows the cutoffs in force when the selection changes.
        host.cutoffs.m_cutoffB = 86;
        host.cutoffs.m_cutoffBMinus = 82;
        ClickRow(dialog.List(), 1);
        QCOMPARE(dialog.GradeBox()->text(), QStringLiteral("B-"));
        Press(Qt::Key_Return);
        QVERIFY(!dialog.isVisible());
        QVERIFY(!doc.IsModified());
    }

    void noStudentsClosesAtOnce() {
        FakeHost host;
        QCOMPARE(CStudentSummaryDlg(host).exec(), int(QDialog::Rejected));
    }
};

QTEST_MAIN(StudentSummaryTest)
#include "student_summary_test.moc"
