// The summary dialogs and the histogram. The figures are the core's (grades_test) and the
// bars' layout is geometry's (histogram_layout_test); here: whose figures each dialog shows,
// with the exclusion and cutoffs in force, and the bars as the widgets draw them.
#include "core/number_text.h"
#include "core/profile.h"
#include "dialogs/dialog_test_support.h"
#include "dialogs/install_dialogs.h"
#include "framework/commands.h"
#include "gradesheet/view_dialogs.h"
#include "summaries/assignment_summary_dlg.h"
#include "summaries/class_summary_dlg.h"
#include "summaries/histogram_dlg.h"
#include "summaries/install_summaries.h"
#include "summaries/student_summary_dlg.h"

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace markwise;
using namespace markwise::test;

namespace {

// Every number a summary shows: "bin=count" for the bins that are not 0, then average,
// high and low. Blank boxes show as "?", so a box left over from an earlier selection shows.
template <typename Dialog> QString Shown(const Dialog& dialog) {
    QStringList parts;
    for (int k = 0; k < kGradeCount; ++k) {
        const QString count = dialog.Distribution().counts[k]->text();
        if (count.isEmpty())
            parts.append(QStringLiteral("?"));
        else if (count != QLatin1String("0"))
            parts.append(QString::fromLatin1(kGradeNames[k].data(), kGradeNames[k].size()) +
                         QLatin1Char('=') + count);
    }
    for (const QLineEdit* box : {dialog.AverageBox(), dialog.HighBox(), dialog.LowBox()})
        parts.append(box->text().isEmpty() ? QStringLiteral("?") : box->text());
    return parts.join(QLatin1Char(' '));
}

// The bar lengths of the histogram the button opens, which is then closed.
QList<int> HistogramBars(QPushButton* button) {
    QList<int> lengths;
    ModalDriver driver;
    driver.Then([&lengths](QDialog& dialog) {
        const auto* histogram = dynamic_cast<CHistogramDlg*>(&dialog);
        for (int k = 0; histogram && k < kGradeCount; ++k)
            lengths.append(histogram->Bar(k)->width());
        // To the histogram itself: the keyboard focus may still be on its opener's list.
        QTest::keyClick(&dialog, Qt::Key_Return);
    });
    QTest::mouseClick(button, Qt::LeftButton);
    return driver.Done() ? lengths : QList<int>();
}

QStringList Values(const CStudentSummaryDlg& dialog) {
    return {dialog.TotalBox()->text(), dialog.PossibleBox()->text(), dialog.PercentBox()->text(),
            dialog.GradeBox()->text()};
}

} // namespace

class SummariesTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { DropOffscreenNoise(); }

    // Run once as it is and once under QT_SCALE_FACTOR=2: the bars are laid out in the
    // widgets' own pixels and must still end at the right-edge marker and be red all over.
    void barsFillTheRoomUpToTheMarker() {
        CHistogramDlg dialog({2, 0, 0, 0, 7, 0, 0, 0, 0, 0, 0, 0, 1});
        QVERIFY(ShowActive(dialog));
        const int barsStart = dialog.BinLabel(0)->geometry().right() + 1 + 4;
        const int barsEnd = dialog.RightEdgeMarker()->geometry().right() + 1;
        // Room for the count after the longest bar; whole squares of 8 pixels a student.
        const int countRoom = 4 + dialog.fontMetrics().horizontalAdvance(QStringLiteral("7"));
        const int width = barsEnd - barsStart - countRoom;
        QVERIFY2(width > 200, qPrintable(QString::number(width)));
        const int squares = width / (8 * 7);
        QCOMPARE(dialog.Legend()->text(), QString("1 square = 1/%1 student").arg(squares));
        const int counts[kGradeCount] = {2, 0, 0, 0, 7, 0, 0, 0, 0, 0, 0, 0, 1};
        for (int k = 0; k < kGradeCount; ++k) {
            const QRect bar = dialog.Bar(k)->geometry();
            QCOMPARE(bar.left(), barsStart);
            QCOMPARE(bar.width(), counts[k] * 8 * squares);
            QCOMPARE(bar.height(), 10);
            QCOMPARE(bar.bottom(), dialog.BinLabel(k)->geometry().bottom()); // level with its label
            // Each bar carries its count, just after its end and inside the dialog.
            const QRect count = dialog.Count(k)->geometry();
            QCOMPARE(dialog.Count(k)->text(), QString::number(counts[k]));
            QCOMPARE(count.left(), bar.left() + bar.width() + 4);
            QCOMPARE(count.bottom(), bar.bottom());
            QVERIFY(count.right() < barsEnd);
        }

        // Every device pixel of the longest bar is red, and nothing red lies past its end.
        const QImage image = dialog.grab().toImage();
        const qreal ratio = image.devicePixelRatio();
        QCOMPARE(ratio, qreal(qEnvironmentVariableIntValue("QT_SCALE_FACTOR") == 2 ? 2 : 1));
        const QRect bar = dialog.Bar(4)->geometry();
        const QRect pixels =
            QRectF(QPointF(bar.topLeft()) * ratio, QSizeF(bar.size()) * ratio).toAlignedRect();
        const QRgb red = qRgb(255, 0, 0);
        for (int y = pixels.top(); y <= pixels.bottom(); ++y) {
            QCOMPARE(image.pixel(pixels.left(), y), red);
            QCOMPARE(image.pixel(pixels.right(), y), red);
            QVERIFY(image.pixel(pixels.right() + 1, y) != red);
        }
        QVERIFY(image.pixel(pixels.left() - 1, pixels.center().y()) != red);
        QTest::keyClick(&dialog, Qt::Key_Return);
        QVERIFY(!dialog.isVisible());
    }

    // The figures themselves are the core's (grades_test); here: which assignment they are
    // for, numbers beyond a billion shown whole, and the cutoffs read at each selection.
    void assignmentSummaryFollowsTheSelection() {
        FakeHost host;
        CMarkwiseDoc& doc = *host.doc;
        FillClass(doc, {{"Ames", "A"}, {"Bell", "B"}, {"Cole", "C"}, {"Dunn", "D"}});
        AddAssignment(doc, 50, {47, -2, MISSING_SCORE, 1e12}, "Fifty");
        AddAssignment(doc, 10, {-5e9, -3e9, MISSING_SCORE, -4e9}, "Far below");
        doc.SetModifiedFlag(false);
        CAssignmentSummaryDlg dialog(host);
        QVERIFY(ShowActive(dialog));
        QCOMPARE(dialog.List()->count(), 2);
        QCOMPARE(Shown(dialog), QStringLiteral("A+=1 A=1 F=2 250000000011.25 1000000000000 -2"));
        Press(Qt::Key_Down);
        QCOMPARE(Shown(dialog), QStringLiteral("F=4 -3000000000 -3000000000 -5000000000"));

        // With A at 95, 47 of 50 falls to A-; the histogram draws the counts last shown.
        host.cutoffs.m_cutoffA = 95;
        ClickRow(dialog.List(), 0);
        QCOMPARE(Shown(dialog), QStringLiteral("A+=1 A-=1 F=2 250000000011.25 1000000000000 -2"));
        const QList<int> bars = HistogramBars(dialog.HistogramButton());
        QCOMPARE(bars.size(), kGradeCount);
        QVERIFY(bars[0] > 0);
        QCOMPARE(bars[2], bars[0]);
        QCOMPARE(bars[12], 2 * bars[0]);
        QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
        QVERIFY(!dialog.isVisible());
        QVERIFY(!doc.IsModified());
    }

    // The totals are the core's (grades_test); here: whose they are, and the exclusion and
    // cutoffs in force when the selection changes.
    void studentSummaryFollowsTheSelection() {
        FakeHost host;
        CMarkwiseDoc& doc = *host.doc;
        FillClass(doc, {{"Ames", "Ann"}, {"Bell", "Bo"}});
        AddAssignment(doc, 20, {18, 6}, "Test");
        AddAssignment(doc, 7, {MISSING_SCORE, 6}, "Lab");
        doc.m_showNames = 0; // the list shows names whatever the sheet lists
        doc.SetModifiedFlag(false);
        CStudentSummaryDlg dialog(host);
        QVERIFY(ShowActive(dialog));
        QCOMPARE(dialog.List()->item(1)->text(), QStringLiteral("Bell, Bo"));
        QCOMPARE(Values(dialog), (QStringList{"18", "20", "90", "A-"}));
        Press(Qt::Key_Down);
        QCOMPARE(Values(dialog), (QStringList{"12", "27", "44.4444444444444", "F"}));
        doc.m_firstIncluded = 1;
        host.cutoffs.m_cutoffB = 86;
        host.cutoffs.m_cutoffBMinus = 82;
        ClickRow(dialog.List(), 0);
        ClickRow(dialog.List(), 1);
        QCOMPARE(Values(dialog), (QStringList{"6", "7", "85.7142857142857", "B-"}));
        Press(Qt::Key_Return);
        QVERIFY(!dialog.isVisible());
        QVERIFY(!doc.IsModified());
    }

    // Under a grading policy the Student Summary lists each category's part and the class
    // summary's distribution follows the policy's percents; without one, no list.
    void summariesUseTheGradingPolicy() {
        FakeHost host;
        CMarkwiseDoc& doc = *host.doc;
        FillClass(doc, {{"Ames", "Ann"}, {"Bell", "Bo"}});
        AddAssignment(doc, 20, {18, 6}, "Test");
        AddAssignment(doc, 7, {MISSING_SCORE, 6}, "Lab");
        QVERIFY(!CStudentSummaryDlg(host).BreakdownList());
        QCOMPARE(Shown(CClassSummaryDlg(host)), QStringLiteral("A-=1 F=1 15 18 12"));

        doc.m_policy.categories = {{"Tests", 10, 0}, {"Labs", 90, 0}};
        doc.m_assignments[1].m_category = 1;
        CStudentSummaryDlg dialog(host);
        QVERIFY(ShowActive(dialog));
        const auto lines = [&dialog] {
            QStringList texts;
            for (int k = 0; k < dialog.BreakdownList()->count(); ++k)
                texts.append(dialog.BreakdownList()->item(k)->text());
            return texts;
        };
        // Ames has no lab: the Labs category is left out, the percent is the test's.
        QCOMPARE(Values(dialog), (QStringList{"18", "20", "90", "A-"}));
        QCOMPARE(lines(), (QStringList{"Tests, weight 10: 90%", "Labs, weight 90: N/A"}));
        // Bell: (10 x 30 + 90 x 600 / 7) / 100.
        Press(Qt::Key_Down);
        QCOMPARE(Values(dialog), (QStringList{"12", "27", "80.1428571428571", "B-"}));
        QCOMPARE(lines(), (QStringList{"Tests, weight 10: 30%", "Labs, weight 90: 85.7143%"}));
        QCOMPARE(Shown(CClassSummaryDlg(host)), QStringLiteral("A-=1 B-=1 15 18 12"));
    }

    // Without students or assignments the summaries close at once.
    void summariesOfNothingCloseAtOnce() {
        FakeHost noStudents;
        AddAssignment(*noStudents.doc, 10, {}, "Q1");
        QCOMPARE(CStudentSummaryDlg(noStudents).exec(), int(QDialog::Rejected));
        QCOMPARE(CClassSummaryDlg(noStudents).exec(), int(QDialog::Rejected));
        FakeHost noAssignments;
        FillClass(*noAssignments.doc, {{"Ames", "A"}});
        QCOMPARE(CClassSummaryDlg(noAssignments).exec(), int(QDialog::Rejected));
        QCOMPARE(CAssignmentSummaryDlg(noAssignments).exec(), int(QDialog::Rejected));
    }

    // Preferences from one grade sheet reach every sheet, the profile and the summaries; the
    // class summary shows the course, the assignment summary one assignment.
    void gradeSheetCommandsUseTheCutoffsInForce() {
        QTemporaryDir folder;
        const QString profile = folder.filePath(QStringLiteral("Markwise.ini"));
        CWinApp app(CProfile(profile.toStdString()));
        auto doc = NewClass();
        FillClass(*doc, {{"Ames", "A"}, {"Bell", "B"}},
                  {{"Quiz", {96, 8.5}}, {"Lab", {10, MISSING_SCORE}}});
        doc->m_assignments[0].m_pointsPossible = 100;
        SheetWindow sheet(app, std::move(doc));
        SheetWindow other(app, NewClass(), "Markwi2");
        InstallEditingDialogs(sheet.dialogs);
        InstallSummaryDialogs(sheet.dialogs);
        CMarkwiseView& view = *sheet.view;

        QStringList seen;
        ModalDriver driver;
        const auto look = [&seen](QDialog& dialog) {
            if (auto* summary = dynamic_cast<CClassSummaryDlg*>(&dialog))
                seen.append(Shown(*summary));
            else if (auto* summary = dynamic_cast<CAssignmentSummaryDlg*>(&dialog))
                seen.append(Shown(*summary));
            else
                seen.append(dialog.windowTitle());
            QTest::keyClick(&dialog, Qt::Key_Escape);
        };
        driver.Then(look);
        view.runCommand(ID_CLASS_SUMMARY);
        // A+ from 95 percent on.
        driver.Then([](QDialog&) {
            Press(Qt::Key_A, Qt::ControlModifier); // in the A+ box
            Type(QStringLiteral("95"));
            Press(Qt::Key_Return);
        });
        view.runCommand(ID_EDIT_PREFERENCES);
        driver.Then(look);
        view.runCommand(ID_CLASS_SUMMARY);
        driver.Then(look);
        view.runCommand(ID_ASSIGNMENT_SUMMARY);
        driver.Then(look);
        view.runCommand(ID_STUDENT_SUMMARY);
        QVERIFY(driver.Done());
        QCOMPARE(seen, (QStringList{"A=1 F=1 57.25 106 8.5", "A+=1 F=1 57.25 106 8.5",
                                    "A+=1 F=1 52.25 96 8.5", "Student Summary"}));
        QCOMPARE(app.cutoffs().m_cutoffAPlus, 95);
        QCOMPARE(view.cutoffs(), app.cutoffs());
        QCOMPARE(other.view->cutoffs(), app.cutoffs());
        // Written at once, before any window closes.
        QCOMPARE(CProfile(profile.toStdString()).ReadCutoffs(), app.cutoffs());
    }
};

QTEST_MAIN(SummariesTest)
#include "summaries_test.moc"
