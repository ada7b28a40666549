#include "core/profile.h"
#include "dialogs/dialog_test_support.h"
#include "dialogs/install_dialogs.h"
#include "dialogs/preferences_dlg.h"
#include "framework/commands.h"
#include "gradesheet/view_dialogs.h"
#include "summaries/assignment_summary_dlg.h"
#include "summaries/class_summary_dlg.h"
#include "summaries/histogram_dlg.h"
#include "summaries/install_summaries.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
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

// The bar lengths of the histogram that the next step finds open; closes it.
void ReadBars(ModalDriver& driver, QList<int>& lengths) {
    driver.Then([&lengths](QDialog& dialog) {
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Grade Distribution Histogram"));
        const auto& histogram = static_cast<CHistogramDlg&>(dialog);
        for (int k = 0; k < kGradeCount; ++k)
            lengths.append(histogram.Bar(k)->width());
        // To the histogram itself: the keyboard focus may still be on its opener's list.
        QTest::keyClick(&dialog, Qt::Key_Return);
    });
}

} // namespace

class DistributionSummariesTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        DropOffscreenNoise();
        InstallEditingDialogs();
        InstallSummaryDialogs();
    }

    void assignmentSummaryReplacesEveryNumber() {
        FakeHost host;
        CMarkwiseDoc& doc = *host.doc;
        FillClass(doc, {{"Ames", "A"}, {"Bell", "B"}, {"Cole", "C"}, {"Dunn", "D"}});
        AddAssignment(doc, 20, {20, 17, 14, MISSING_SCORE}, "Twenty");
        AddAssignment(doc, 50, {47, -2, MISSING_SCORE, 1e12}, "Fifty");
        AddAssignment(doc, 0, {3, MISSING_SCORE, MISSING_SCORE, MISSING_SCORE}, "Bonus");
        AddAssignment(doc, 10, {}, "Unmarked");
        AddAssignment(doc, 10, {-5e9, -3e9, MISSING_SCORE, -4e9}, "Far below");
        doc.SetModifiedFlag(false);

        CAssignmentSummaryDlg dialog(host);
        QVERIFY(ShowActive(dialog));
        QCOMPARE(dialog.List()->count(), 5);
        QCOMPARE(dialog.List()->item(4)->text(), QStringLiteral("Far below"));
        QCOMPARE(Shown(dialog), QStringLiteral("A+=1 B=1 C-=1 F=1 12.75 20 14"));
        Press(Qt::Key_Down); // 94 percent is an A; the high is the true highest score
        QCOMPARE(Shown(dialog), QStringLiteral("A+=1 A=1 F=2 250000000011.25 1000000000000 -2"));
        Press(Qt::Key_Down); // nothing possible: everyone counts as 100 percent
        QCOMPARE(Shown(dialog), QStringLiteral("A+=4 0.75 3 3"));
        Press(Qt::Key_Down); // no score entered at all
        QCOMPARE(Shown(dialog), QStringLiteral("F=4 0 0 0"));
        Press(Qt::Key_Down); // every score below minus one billion
        QCOMPARE(Shown(dialog), QStringLiteral("F=4 -3000000000 -3000000000 -5000000000"));

        // The histogram draws the counts last shown: here all four students in F.
        QList<int> bars;
        ModalDriver driver;
        ReadBars(driver, bars);
        QTest::mouseClick(dialog.HistogramButton(), Qt::LeftButton);
        QVERIFY(driver.Done());
        QCOMPARE(bars.size(), kGradeCount);
        QVERIFY(bars[12] > 0);
        QCOMPARE(std::count(bars.begin(), bars.end(), 0), kGradeCount - 1);

        // Cutoffs are read at each selection: with A at 95, 47 of 50 falls to A-.
        host.cutoffs.m_cutoffA = 95;
        ClickRow(dialog.List(), 1);
        QCOMPARE(Shown(dialog), QStringLiteral("A+=1 A-=1 F=2 250000000011.25 1000000000000 -2"));
        bars.clear();
        ReadBars(driver, bars);
        QTest::mouseClick(dialog.HistogramButton(), Qt::LeftButton);
        QVERIFY(driver.Done());
        QCOMPARE(bars[0], bars[2]);
        QCOMPARE(bars[12], 2 * bars[0]);
        QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
        QVERIFY(!dialog.isVisible());
        QVERIFY(!doc.IsModified());

        FakeHost empty;
        FillClass(*empty.doc, {{"Ames", "A"}});
        QCOMPARE(CAssignmentSummaryDlg(empty).exec(), int(QDialog::Rejected));
    }

    void classSummaryCountsOnlyIncludedAssignments() {
        FakeHost host;
        CMarkwiseDoc& doc = *host.doc;
        FillClass(doc, {{"Ames", "A"}, {"Bell", "B"}, {"Cole", "C"}},
                  {{"Q1", {10, 9, MISSING_SCORE}}, {"Q2", {10, MISSING_SCORE, MISSING_SCORE}}});
        {
            CClassSummaryDlg dialog(host);
            QVERIFY(ShowActive(dialog));
            QCOMPARE(Shown(dialog), QStringLiteral("A+=2 A-=1 9.66666666666667 20 0"));
            // From the class summary the histogram shows the course, not one assignment.
            QList<int> bars;
            ModalDriver driver;
            ReadBars(driver, bars);
            QTest::mouseClick(dialog.HistogramButton(), Qt::LeftButton);
            QVERIFY(driver.Done());
            QCOMPARE(bars[2] * 2, bars[0]);
            QVERIFY(bars[0] > 0);
        }
        doc.m_firstIncluded = 1;
        {
            CClassSummaryDlg dialog(host);
            QVERIFY(ShowActive(dialog));
            QCOMPARE(Shown(dialog), QStringLiteral("A+=3 3.33333333333333 10 0"));
        }
        // All totals negative: the high is the true highest total, not 0.
        FakeHost negative;
        FillClass(*negative.doc, {{"Ames", "A"}, {"Bell", "B"}}, {{"Q1", {-4, -6}}});
        CClassSummaryDlg below(negative);
        QCOMPARE(Shown(below), QStringLiteral("F=2 -5 -4 -6"));

        FakeHost noAssignments;
        FillClass(*noAssignments.doc, {{"Ames", "A"}});
        QCOMPARE(CClassSummaryDlg(noAssignments).exec(), int(QDialog::Rejected));
        FakeHost noStudents;
        AddAssignment(*noStudents.doc, 10, {}, "Q1");
        QCOMPARE(CClassSummaryDlg(noStudents).exec(), int(QDialog::Rejected));
    }

    void gradeSheetCommandsUseTheCutoffsInForce() {
        QTemporaryDir folder;
        CWinApp app(CProfile(folder.filePath(QStringLiteral("Markwise.ini")).toStdString()));
        auto doc = NewClass();
        FillClass(*doc, {{"Ames", "A"}, {"Bell", "B"}}, {{"Quiz", {96, 8.5}}});
        doc->m_assignments[0].m_pointsPossible = 100;
        SheetWindow sheet(app, std::move(doc));
        CMarkwiseView& view = *sheet.view;
        for (const int id : {ID_CLASS_SUMMARY, ID_ASSIGNMENT_SUMMARY, ID_STUDENT_SUMMARY}) {
            CommandState state;
            QVERIFY(view.updateCommand(id, state) && state.enabled);
        }

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
        // Preferences while the sheet is open: A+ from 95 percent on.
        driver.Then([](QDialog& dialog) {
            static_cast<CPreferencesDlg&>(dialog).CutoffBox(0)->setFocus();
            Press(Qt::Key_A, Qt::ControlModifier);
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
        QCOMPARE(seen, (QStringList{"A=1 F=1 52.25 96 8.5", "A+=1 F=1 52.25 96 8.5",
                                    "A+=1 F=1 52.25 96 8.5", "Student Summary"}));
    }
};

QTEST_MAIN(DistributionSummariesTest)
#include "distribution_summaries_test.moc"
