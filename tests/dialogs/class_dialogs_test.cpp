#include "core/profile.h"
#include "dialog_test_support.h"
#include "dialogs/exclude_assignments_dlg.h"
#include "dialogs/install_dialogs.h"
#include "dialogs/preferences_dlg.h"
#include "dialogs/sort_by_assignment_dlg.h"
#include "framework/commands.h"
#include "geometry/sheet_layout.h"
#include "gradesheet/view_dialogs.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace markwise;
using namespace markwise::test;

namespace {

// A view width whose viewport has room for exactly `columns` assignment columns.
int WidthForColumns(int columns) {
    return kSheetFixedWidth + columns * kSheetColumnWidth + kSheetColumnWidth / 2;
}

} // namespace

class ClassDialogsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        DropOffscreenNoise();
        InstallEditingDialogs();
    }

    void exclusionAndDontExclude() {
        FakeHost host;
        FillClass(*host.doc, {{"Adams", "Al"}},
                  {{"Q1", {1.0}}, {"Q2", {2.0}}, {"Q3", {3.0}}, {"Q4", {4.0}}});
        CMarkwiseDoc& doc = *host.doc;
        {
            CExcludeAssignmentsDlg dialog(host);
            QVERIFY(ShowActive(dialog));
            QVERIFY(dialog.DontExcludeBox()->isChecked());
            QCOMPARE(dialog.List()->currentRow(), 0);
            ClickBox(dialog.DontExcludeBox());
            ClickRow(dialog.List(), 2);
            Press(Qt::Key_Return);
        }
        QCOMPARE(doc.m_firstIncluded, 2);
        QCOMPARE(doc.GetTotalReceived(0), 7.0);
        QVERIFY(!doc.IsModified());
        QCOMPARE(host.repaints, 1);
        {
            // Opens the same way every time; OK at once removes the exclusion.
            CExcludeAssignmentsDlg dialog(host);
            QVERIFY(ShowActive(dialog));
            QVERIFY(dialog.DontExcludeBox()->isChecked());
            QCOMPARE(dialog.List()->currentRow(), 0);
            QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
        }
        QCOMPARE(doc.m_firstIncluded, 0);
        QCOMPARE(doc.GetTotalReceived(0), 10.0);
        FakeHost empty;
        QCOMPARE(CExcludeAssignmentsDlg(empty).exec(), int(QDialog::Rejected));
    }

    void sortByAssignmentGradeWithAMissingScore() {
        FakeHost host;
        FillClass(*host.doc, {{"Five", "F"}, {"Missing", "M"}, {"Zero", "Z"}},
                  {{"Quiz", {9.0, 8.0, 7.0}}, {"Test", {5.0, MISSING_SCORE, 0.0}}});
        CMarkwiseDoc& doc = *host.doc;
        CSortByAssignmentDlg dialog(host);
        QVERIFY(ShowActive(dialog));
        Press(Qt::Key_Down);
        Press(Qt::Key_Return);
        QCOMPARE(doc.m_lastName[0], std::string("Five"));
        QCOMPARE(doc.m_lastName[1], std::string("Zero"));
        QCOMPARE(doc.m_lastName[2], std::string("Missing"));
        QCOMPARE(doc.m_assignments[1].m_scores[2], MISSING_SCORE);
        QCOMPARE(doc.m_assignments[0].m_scores[1], 7.0); // scores travel with the student
        QVERIFY(doc.IsModified());
        QCOMPARE(host.repaints, 1);

        FakeHost empty;
        FillClass(*empty.doc, {{"Only", "One"}});
        QCOMPARE(CSortByAssignmentDlg(empty).exec(), int(QDialog::Rejected));
        QVERIFY(!empty.doc->IsModified());
    }

    void preferencesDefaultThenCancelChangesNothing() {
        Messages messages;
        FakeHost host;
        host.cutoffs.Set(0, 97);
        host.cutoffs.Set(11, 55);
        CPreferencesDlg dialog(host);
        QVERIFY(ShowActive(dialog));
        QCOMPARE(dialog.CutoffBox(11)->text(), QStringLiteral("55"));

        QTest::mouseClick(dialog.DefaultButton(), Qt::LeftButton);
        const std::array<const char*, kGradeCount - 1> defaults = {
            "100", "94", "90", "87", "84", "80", "77", "74", "70", "67", "64", "60"};
        for (int grade = 0; grade < kGradeCount - 1; ++grade)
            QCOMPARE(dialog.CutoffBox(grade)->text(), QString::fromLatin1(defaults[grade]));
        Press(Qt::Key_Escape);
        QVERIFY(host.applied.empty());

        // An empty box: a message, the dialog stays, nothing applied.
        CPreferencesDlg again(host);
        QVERIFY(ShowActive(again));
        QTest::keyClick(again.CutoffBox(4), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(again.CutoffBox(4), Qt::Key_Delete);
        QTest::mouseClick(again.OkButton(), Qt::LeftButton);
        QCOMPARE(messages.texts,
                 QStringList{QStringLiteral("Please enter a whole number in \"B\".")});
        QVERIFY(again.isVisible() && host.applied.empty());
    }

    void preferencesOkReachesEveryGradeSheetAndTheProfile() {
        QTemporaryDir folder;
        const QString profilePath = folder.filePath(QStringLiteral("Markwise.ini"));
        CWinApp app(CProfile(profilePath.toStdString()));
        auto filled = NewClass();
        FillClass(*filled, {{"Adams", "Al"}}, {{"Quiz", {96.0}}});
        filled->m_assignments[0].m_pointsPossible = 100.0;
        SheetWindow first(app, std::move(filled));
        SheetWindow second(app, NewClass(), "Markwi2");
        const CMarkwiseDoc& doc = first.document.data();
        QCOMPARE(doc.GetLetterGrade(0, app.cutoffs()), std::string("A"));

        ModalDriver driver;
        driver.Then([](QDialog& dialog) {
            auto& preferences = static_cast<CPreferencesDlg&>(dialog);
            QCOMPARE(QApplication::focusWidget(), preferences.CutoffBox(0));
            Press(Qt::Key_A, Qt::ControlModifier);
            Type(QStringLiteral("95"));
            Press(Qt::Key_Return);
        });
        viewDialogs().preferences(*second.view);
        QVERIFY(driver.Done());
        QCOMPARE(first.view->m_cutoffs, app.cutoffs());
        QCOMPARE(second.view->m_cutoffs, app.cutoffs());
        QCOMPARE(doc.GetLetterGrade(0, app.cutoffs()), std::string("A+"));
        // Written at once, before any window closes.
        QCOMPARE(CProfile(profilePath.toStdString()).ReadCutoffs(), app.cutoffs());
    }

    void gradeSheetCommandsOpenTheDialogs() {
        QTemporaryDir folder;
        Messages messages;
        CWinApp app(CProfile(folder.filePath(QStringLiteral("Markwise.ini")).toStdString()));
        {
            // New Assignment without students: one message and no dialog.
            SheetWindow empty(app, NewClass());
            ModalDriver none;
            none.Then([](QDialog& dialog) { QFAIL(qPrintable(dialog.windowTitle())); });
            empty.view->runCommand(ID_ASSIGNMENT_NEW);
            QTest::qWait(20);
            QCOMPARE(empty.document.data().m_assignmentCount, 0);
        }
        QCOMPARE(messages.texts,
                 QStringList{QStringLiteral("You haven't created any students yet!")});

        // With five assignments and room for three columns, the new sixth one is the last shown.
        auto filled = NewClass();
        FillClass(*filled, {{"Adams", "Al"}, {"Brown", "Bo"}},
                  {{"A1", {}}, {"A2", {}}, {"A3", {}}, {"A4", {}}, {"A5", {}}});
        SheetWindow sheet(app, std::move(filled));
        CMarkwiseView& view = *sheet.view;
        const CMarkwiseDoc& doc = sheet.document.data();
        sheet.Show(WidthForColumns(3));
        QCOMPARE(view.VisibleColumnCount(), 3);
        ModalDriver driver;
        driver.Then([](QDialog&) {
            Type(QStringLiteral("A6"));
            Press(Qt::Key_Return);
        });
        driver.Then([](QDialog& dialog) {
            QCOMPARE(dialog.windowTitle(), QStringLiteral("Edit Assignment"));
            Press(Qt::Key_Escape);
        });
        view.runCommand(ID_ASSIGNMENT_NEW);
        QVERIFY(driver.Done());
        QCOMPARE(doc.m_assignmentCount, 6);
        QCOMPARE(view.m_firstAssignment, 3);
        QCOMPARE(messages.texts.size(), 1);
    }
};

QTEST_MAIN(ClassDialogsTest)
#include "class_dialogs_test.moc"
