#include "app/about_dlg.h"
#include "dialogs/add_student_dlg.h"
#include "dialogs/dialog_test_support.h"
#include "dialogs/edit_assignment_dlg.h"
#include "dialogs/edit_student_dlg.h"
#include "dialogs/exclude_assignments_dlg.h"
#include "dialogs/new_assignment_dlg.h"
#include "dialogs/preferences_dlg.h"
#include "dialogs/remove_assignment_dlg.h"
#include "dialogs/remove_student_dlg.h"
#include "dialogs/sort_by_assignment_dlg.h"
#include "reports/progress_reports_dlg.h"
#include "reports/student_report_dlg.h"
#include "summaries/assignment_summary_dlg.h"
#include "summaries/class_summary_dlg.h"
#include "summaries/histogram_dlg.h"
#include "summaries/student_summary_dlg.h"
#include "support/offscreen_noise.h"

#include <QAccessible>
#include <QtTest>
#include <functional>
#include <memory>

using namespace markwise;
using namespace markwise::test;

class DialogAccessTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { DropOffscreenNoise(); }

    void everyControlIsNamed() {
        FakeHost host;
        FillClass(*host.doc, {{"Lee", "Ann"}, {"Roe", "Bo"}},
                  {{"Quiz", {7, 8}}, {"Test", {9, 10}}});
        ProgressReportState report;
        int student = 0;
        const GradeDistribution counts{};
        const std::vector<std::pair<QString, std::function<QDialog*()>>> dialogs{
            {"Add Student", [&] { return new CAddStudentDlg(host); }},
            {"Edit Student", [&] { return new CEditStudentDlg(host, 0); }},
            {"Remove Student", [&] { return new CRemoveStudentDlg(host); }},
            {"New Assignment", [&] { return new CNewAssignmentDlg(host); }},
            {"Edit Assignment", [&] { return new CEditAssignmentDlg(host, 0, 0); }},
            {"Remove Assignment", [&] { return new CRemoveAssignmentDlg(host); }},
            {"Exclude Assignments", [&] { return new CExcludeAssignmentsDlg(host); }},
            {"Preferences", [&] { return new CPreferencesDlg(host); }},
            {"Sort by Assignment", [&] { return new CSortByAssignmentDlg(host); }},
            {"Assignment Summary", [&] { return new CAssignmentSummaryDlg(host); }},
            {"Class Summary", [&] { return new CClassSummaryDlg(host); }},
            {"Student Summary", [&] { return new CStudentSummaryDlg(host); }},
            {"Histogram", [&] { return new CHistogramDlg(counts); }},
            {"Progress Reports",
             [&] { return new CProgressReportsDlg(report, *host.doc, host.cutoffs, [] {}); }},
            {"Student Report", [&] { return new CStudentReportDlg(*host.doc, student); }},
            {"About", [&] { return new CAboutDlg(); }},
        };
        QStringList unnamed;
        int controls = 0;
        for (const auto& [title, make] : dialogs) {
            std::unique_ptr<QDialog> dialog(make());
            dialog->show();
            for (QWidget* w : dialog->findChildren<QWidget*>()) {
                // Viewports and inner parts of composite controls are named by their owner.
                if (!w->isVisibleTo(dialog.get()) || !(w->focusPolicy() & Qt::TabFocus) ||
                    w->focusProxy() || (w->parentWidget() && w->parentWidget()->focusProxy() == w))
                    continue;
                ++controls;
                QAccessibleInterface* access = QAccessible::queryAccessibleInterface(w);
                if (!access || access->text(QAccessible::Name).trimmed().isEmpty())
                    unnamed << QString("%1: %2 %3")
                                   .arg(title, w->metaObject()->className(), w->objectName());
            }
        }
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join('\n')));
        QVERIFY2(controls > 40, qPrintable(QString::number(controls))); // all were reached
    }
};

QTEST_MAIN(DialogAccessTest)
#include "dialog_access_test.moc"
