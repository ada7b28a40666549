// The Progress Reports dialog on its own, one rule a test, then the three report windows in the
// program: opening from the main frame, the commands each kind of window enables, clicks,
// repainting on a change, closing with typed comments, and their printed pages. What each window
// and page holds is geometry's (report_layout_test, report_print_test).
#include "app/main_frame.h"
#include "app/markwise_app.h"
#include "core/class_file.h"
#include "core/markwise_doc.h"
#include "dialogs/edit_assignment_dlg.h"
#include "dialogs/edit_student_dlg.h"
#include "dialogs/field_rules.h"
#include "dialogs/install_dialogs.h"
#include "framework/child_frame.h"
#include "framework/commands.h"
#include "framework/print_job.h"
#include "framework/print_services.h"
#include "geometry/progress_layout.h"
#include "pdf_pages.h"
#include "reports/install_reports.h"
#include "reports/progress_reports_dlg.h"
#include "reports/progress_view.h"
#include "reports/roster_view.h"
#include "reports/stu_view.h"
#include "reports/student_report_dlg.h"
#include "support/app_fixture.h"
#include "support/class_builder.h"

#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QtTest>

using namespace markwise;
using namespace markwise::test;

namespace {

// Percents 50, 80, 250/3 (83.3333333333333), 90 and 100 (nothing possible for the last).
std::unique_ptr<CMarkwiseDoc> GradedClass() {
    auto doc = ClassOf(5);
    AddAssignment(*doc, 30, {15, 24, 25, 27, MISSING_SCORE});
    return doc;
}

class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget* widget) { widget->installEventFilter(this); }
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

// Words like "12:" that number a student report's assignment lines.
int NumberedLines(const PdfPage& page) {
    static const QRegularExpression numbered(QStringLiteral("^\\d+:$"));
    int lines = 0;
    for (const PdfWord& word : page.words)
        lines += numbered.match(word.text).hasMatch() ? 1 : 0;
    return lines;
}

} // namespace

class ReportWindowsTest : public QObject, AppFixture {
    Q_OBJECT
    struct Fixture {
        std::unique_ptr<CMarkwiseDoc> doc = GradedClass();
        ProgressReportState state;
        int repaints = 0;
        std::unique_ptr<CProgressReportsDlg> dialog;
        // Replaces the dialog opened before.
        CProgressReportsDlg& Open() {
            dialog = std::make_unique<CProgressReportsDlg>(state, *doc, CGradeCutoffs{},
                                                           [this] { ++repaints; });
            [[maybe_unused]] const bool shown = ShowActive(*dialog);
            return *dialog;
        }
    };

    static void Search(CProgressReportsDlg& dialog, const QString& cutoff) {
        dialog.CutoffBox()->setText(cutoff);
        QTest::mouseClick(dialog.FindButton(), Qt::LeftButton);
    }
    static void Update(CProgressReportsDlg& dialog, const QString& comment) {
        dialog.CommentBox()->setText(comment);
        QTest::mouseClick(dialog.UpdateButton(), Qt::LeftButton);
    }

    bool start() { return startWith(copyOfSample()); }
    bool startWith(const QString& path) {
        InstallEditingDialogs(CreateApp().viewDialogs());
        InstallReportWindows(m_app->reportViews());
        return m_app->InitInstance({false, path});
    }
    template <typename View> View* active() {
        CChildFrame* window = manager().activeFrame();
        return window ? dynamic_cast<View*>(window->view()) : nullptr;
    }
    bool enabled(int id) { return frame().commandState(id).enabled; }
    int windows() { return int(frame().mdiArea()->subWindowList().size()); }
    // Opens a progress report window whose dialog searches at cutoff and, when given,
    // types comment for the first entry.
    CProgressView* openProgress(const QString& cutoff, const QString& comment = QString()) {
        ModalDriver driver;
        driver.Then([&](QDialog& dialog) {
            auto& progress = dynamic_cast<CProgressReportsDlg&>(dialog);
            progress.CutoffBox()->setText(cutoff);
            progress.OnFindStudents();
            if (!comment.isEmpty()) {
                progress.CommentBox()->setText(comment);
                progress.OnUpdateComment();
            }
            progress.reject();
        });
        frame().executeCommand(ID_CLASS_PROGRESS_REPORTS);
        return driver.Done() ? active<CProgressView>() : nullptr;
    }
    CStuView* openStudentReport(int row) {
        ModalDriver driver;
        driver.Then([&](QDialog& dialog) {
            auto& choose = dynamic_cast<CStudentReportDlg&>(dialog);
            choose.List()->setCurrentRow(row);
            QTest::mouseClick(choose.OkButton(), Qt::LeftButton);
        });
        frame().executeCommand(ID_STUDENT_REPORT);
        return driver.Done() ? active<CStuView>() : nullptr;
    }
    // The pages of a report as the command line prints it on Letter at 300 dpi.
    QList<PdfPage> printed(const CMarkwiseDoc& doc, const std::string& report) {
        std::string error;
        const auto job = MakeCommandLineReport(report, doc, "Period3.MKW", {}, error);
        const QString file = m_dir->filePath(QString::fromStdString(report) + ".pdf");
        QString failure;
        if (!job || !PrintToPdf(*job, {file, QPageSize(QPageSize::Letter), 300}, &failure))
            return {};
        return ReadPdfPages(file);
    }
    // What the dialog that trigger opens shows as chosen, empty when none opens; it is closed.
    template <typename Dialog>
    QString opens(const std::function<void()>& trigger,
                  const std::function<QString(Dialog&)>& chosen) {
        QString opened;
        {
            ModalDriver driver;
            driver.Then([&](QDialog& dialog) {
                opened = chosen(dynamic_cast<Dialog&>(dialog));
                dialog.reject();
            });
            trigger(); // dialogs run with exec(), so any has come and gone by now
        }
        return opened;
    }
    // A left click on the view at a document point.
    static std::function<void()> click(CReportView& view, int x, int y) {
        return
            [&view, x, y] { QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, QPoint(x, y)); };
    }

private slots:
    void initTestCase() { PrepareApplication(); }
    void init() { FreshFolder(); }
    void cleanup() { CloseApp({Answer::Ok, Answer::Discard, Answer::Ok, Answer::Discard}); }

    // Before a search: the old list emptied, the default cut-off, nothing to generate, and
    // neither Escape nor Enter ends the dialog.
    void progressDialogWaitsForASearch() {
        Fixture f;
        f.state.m_foundCount = 7;
        CProgressReportsDlg& dialog = f.Open();
        QCOMPARE(f.state.m_foundCount, 0);
        QCOMPARE(dialog.CutoffBox()->text(), QString("70"));
        QVERIFY(!dialog.GenerateButton()->isEnabled());
        QVERIFY(!dialog.List()->isEnabled());
        Press(Qt::Key_Escape);
        Press(Qt::Key_Return);
        QVERIFY(dialog.isVisible());
    }

    void progressSearchFindingNobodySaysSoAndOffersGenerateOnly() {
        Fixture f;
        CProgressReportsDlg& dialog = f.Open();
        Search(dialog, "-1");
        QCOMPARE(m_messages.texts, QStringList{"No Students found below that percentage"});
        QVERIFY(dialog.GenerateButton()->isEnabled());
        QVERIFY(!dialog.UpdateButton()->isEnabled());
    }

    // Exactly 80 is listed at 83.3333, and the first entry is shown.
    void progressSearchListsThoseAtOrBelowTheCutoff() {
        Fixture f;
        CProgressReportsDlg& dialog = f.Open();
        Search(dialog, "83.3333");
        QCOMPARE(dialog.List()->count(), 2);
        QCOMPARE(dialog.List()->item(1)->text(), QString("Last1, First1"));
        QVERIFY(dialog.UpdateButton()->isEnabled());
        QCOMPARE(dialog.PercentBox()->text(), QString("50"));
        QCOMPARE(dialog.GradeBox()->text(), QString("F"));
    }

    // Update stores the comment for the selected student and shows the next one, whose own
    // comment the next Update stores; the last entry keeps the selection. Every Update repaints.
    void progressUpdateStoresTheCommentAndMovesOn() {
        Fixture f;
        CProgressReportsDlg& dialog = f.Open();
        Search(dialog, "100");
        Update(dialog, "Needs help");
        QCOMPARE(dialog.List()->currentRow(), 1);
        QCOMPARE(dialog.PercentBox()->text(), QString("80"));
        QCOMPARE(dialog.CommentBox()->text(), QString());
        QTest::mouseClick(dialog.UpdateButton(), Qt::LeftButton);
        QCOMPARE(f.state.m_reportComments[0], std::string("Needs help"));
        QCOMPARE(f.state.m_reportComments[1], std::string());
        dialog.List()->setCurrentRow(4);
        Update(dialog, "Last");
        QCOMPARE(dialog.List()->currentRow(), 4);
        QCOMPARE(f.state.m_reportComments[4], std::string("Last"));
        Update(dialog, QString());
        QCOMPARE(f.state.m_reportComments[4], std::string());
        QCOMPARE(f.repaints, 4);
    }

    // A comment belongs to its student: another search lists them elsewhere or not at all,
    // and a later one finds them with it again; the printed list agrees.
    void progressCommentsFollowTheirStudentsThroughSearches() {
        Fixture f;
        f.doc->m_assignments[0].m_scores[0] = 30; // the first student now at 100
        CProgressReportsDlg& dialog = f.Open();
        Search(dialog, "100"); // all five, in class order
        dialog.List()->setCurrentRow(2);
        Update(dialog, "Needs help"); // the third student
        QCOMPARE(dialog.List()->currentRow(), 3);
        Search(dialog, "90"); // students 1, 2 and 3
        QCOMPARE(f.state.m_foundCount, 3);
        dialog.List()->setCurrentRow(2);
        QCOMPARE(dialog.CommentBox()->text(), QString());
        dialog.List()->setCurrentRow(1);
        QCOMPARE(dialog.List()->currentItem()->text(), QString("Last2, First2"));
        QCOMPARE(dialog.CommentBox()->text(), QString("Needs help"));
        const std::string title = "Period3.MKW";
        const ProgressReportInput in{*f.doc, f.state, CGradeCutoffs{}, title};
        QCOMPARE(ProgressRowTexts(in, 1).back(), std::string("Needs help"));
        QCOMPARE(ProgressRowTexts(in, 2).back(), std::string());
        Search(dialog, "80"); // student 1 alone: the comment waits, and still counts
        QCOMPARE(dialog.CommentBox()->text(), QString());
        QCOMPARE(f.state.m_reportComments[2], std::string("Needs help"));
        Search(dialog, "100");
        dialog.List()->setCurrentRow(2);
        QCOMPARE(dialog.CommentBox()->text(), QString("Needs help"));
    }

    void progressSelectingBringsBackTheSearchedCutoff() {
        Fixture f;
        CProgressReportsDlg& dialog = f.Open();
        Search(dialog, "83.4");
        dialog.List()->setCurrentRow(1);
        dialog.CutoffBox()->setText("12"); // typed, not searched
        dialog.List()->setCurrentRow(0);
        QCOMPARE(dialog.CutoffBox()->text(), QString("83.4"));
    }

    void progressEscapeIsGenerateOnceSearched() {
        Fixture f;
        CProgressReportsDlg& dialog = f.Open();
        Search(dialog, "83.4");
        Press(Qt::Key_Escape);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(f.repaints, 1);
    }

    // Reopened from its window: the last search, its list and its comments.
    void progressReopenedShowsTheLastSearch() {
        Fixture f;
        CProgressReportsDlg& first = f.Open();
        Search(first, "100");
        Update(first, "Needs help");
        Search(first, "83.4");
        f.state.m_dialogShown = 1;
        CProgressReportsDlg& again = f.Open();
        QCOMPARE(again.CutoffBox()->text(), QString("83.4"));
        QCOMPARE(again.List()->count(), 3);
        QCOMPARE(again.CommentBox()->text(), QString("Needs help"));
    }

    // Nobody at or below the cut-off any more: said as soon as it reopens.
    void progressReopenedWithNobodyLeftSaysSoAtOnce() {
        Fixture f;
        Search(f.Open(), "83.4");
        f.state.m_dialogShown = 1;
        for (int s : {0, 1, 2})
            f.doc->m_assignments[0].SetScore(30, s);
        m_messages.texts.clear();
        CProgressReportsDlg& again = f.Open();
        QCOMPARE(m_messages.texts, QStringList{"No Students found below that percentage"});
        QCOMPARE(again.List()->count(), 0);
        again.reject();
    }

    void commandsFollowTheKindOfWindow() {
        QVERIFY(start());
        frame().executeCommand(ID_CLASS_ROSTER);
        QVERIFY(active<CRosterView>());
        QCOMPARE(windows(), 2);
        QCOMPARE(manager().documents().size(), std::size_t(1));
        // Each kind of window takes its own commands; the grade sheet's others stay off.
        for (int id : {ID_STUDENT_EDIT, ID_FILE_PRINT_PREVIEW, ID_STUDENT_REPORT, ID_FILE_SAVE})
            QVERIFY2(enabled(id), qPrintable(QString::number(id)));
        for (int id : {ID_SORT_TOTAL, ID_ASSIGNMENT_EDIT, ID_VIEW_STUDENT_ID, ID_EDIT_PREFERENCES})
            QVERIFY2(!enabled(id), qPrintable(QString::number(id)));

        // A progress window: Student ID toggles the class's listing and shows its mark;
        // Progress Reports reruns this window's dialog instead of opening another.
        CProgressView* progress = openProgress("80");
        QVERIFY(progress);
        QVERIFY(!enabled(ID_STUDENT_NEW));
        frame().executeCommand(ID_VIEW_STUDENT_ID);
        QCOMPARE(progress->GetDocument()->m_showNames, 0);
        QVERIFY(frame().commandState(ID_VIEW_STUDENT_ID).checked);
        QVERIFY(openProgress("80") == progress);
        QCOMPARE(windows(), 3);

        // A student report: Edit Assignment only, of the grade sheet's commands.
        CStuView* report = openStudentReport(2);
        QVERIFY(report);
        QCOMPARE(report->m_studentIndex, 2);
        QVERIFY(enabled(ID_ASSIGNMENT_EDIT));
        QVERIFY(!enabled(ID_STUDENT_EDIT));
        QCOMPARE(windows(), 4);

        // A class without assignments: Student Report does nothing at all.
        frame().executeCommand(ID_FILE_NEW);
        manager().activeDocument()->editor().apply("Add Student",
                                                   AddStudentEdit({"Ann", "Lee", "", "", "", ""}));
        {
            ModalDriver never;
            never.Then([](QDialog& dialog) { QFAIL(qPrintable(dialog.windowTitle())); });
            frame().executeCommand(ID_STUDENT_REPORT);
        }
        QCOMPARE(windows(), 5);
        QVERIFY(m_messages.texts.isEmpty());
        manager().activeDocument()->editor().markSaved();

        // No class window: the command-failure message.
        m_messages.answers = {Answer::Ok};
        manager().closeAllDocuments();
        frame().executeCommand(ID_CLASS_ROSTER);
        QCOMPARE(m_messages.texts, QStringList{"The command could not be carried out."});
    }

    // Where a click lands is geometry's (report_layout_test); here: what it opens, with what,
    // and that positions out of use after a removal show no stale data and open nothing.
    void clicksOpenTheirDialogs() {
        QVERIFY(start());
        frame().executeCommand(ID_CLASS_ROSTER);
        CRosterView* roster = active<CRosterView>();
        QVERIFY(roster);
        QTRY_VERIFY(roster->m_rowHeight > 0);
        const int h = roster->m_rowHeight;
        const auto student = [](CEditStudentDlg& d) {
            return QString::number(d.List()->currentRow());
        };
        QCOMPARE(opens<CEditStudentDlg>(click(*roster, 300, 5 * h + 2), student), QString("3"));

        CStuView* report = openStudentReport(4);
        QVERIFY(report);
        QTRY_VERIFY(report->m_rowHeight > 0);
        const auto chosen = [](CEditAssignmentDlg& d) {
            return QStringLiteral("%1/%2")
                .arg(d.AssignmentList()->currentRow())
                .arg(d.StudentList()->currentRow());
        };
        QCOMPARE(opens<CEditAssignmentDlg>(click(*report, 300, 5 * h + 1), chosen), QString("3/4"));
        // The command: the first assignment, this report's student.
        QCOMPARE(opens<CEditAssignmentDlg>([this] { frame().executeCommand(ID_ASSIGNMENT_EDIT); },
                                           chosen),
                 QString("0/4"));

        CProgressView* progress = openProgress("200", "Kept");
        QVERIFY(progress);
        CStuView* last = openStudentReport(29);
        QVERIFY(last);
        QTRY_VERIFY(last->m_rowHeight > 0);
        PaintCounter lastPaints(last->viewport());
        manager().activeDocument()->editor().apply("Remove Student", RemoveStudentEdit(29));
        QTRY_VERIFY(lastPaints.paints > 0);
        QCOMPARE(opens<CEditAssignmentDlg>(click(*last, 10, 3 * h + 1), chosen), QString());
        QCOMPARE(progress->state().m_foundCount, 30);
        QCOMPARE(progress->state().m_reportComments[0], std::string("Kept"));
    }

    void aChangeRepaintsEveryWindowOnTheClass() {
        QVERIFY(start());
        CChildFrame* sheet = manager().activeFrame();
        frame().executeCommand(ID_CLASS_ROSTER);
        QMdiSubWindow* rosterWindow = frame().mdiArea()->activeSubWindow();
        CStuView* report = openStudentReport(0);
        QVERIFY(rosterWindow && report);
        PaintCounter sheetPaints(sheet->widget()->findChild<QWidget*>("qt_scrollarea_viewport"));
        PaintCounter reportPaints(report->viewport());
        frame().mdiArea()->setActiveSubWindow(rosterWindow);
        QVERIFY(active<CRosterView>());
        // Tiling resizes both; once both have painted, no paint is left over to count below.
        frame().executeCommand(ID_WINDOW_TILE_HORZ);
        QTRY_VERIFY(sheetPaints.paints > 0 && reportPaints.paints > 0);

        // An edit made in a dialog opened from the roster.
        sheetPaints.paints = reportPaints.paints = 0;
        ModalDriver driver;
        driver.Then([](QDialog& dialog) {
            auto& edit = dynamic_cast<CEditStudentDlg&>(dialog);
            edit.Fields().lastName->setText("Aardvark");
            edit.Fields().bookNumber->setText("B1"); // the sample's are too long to store
            edit.accept();
            edit.reject();
        });
        frame().executeCommand(ID_STUDENT_EDIT);
        QVERIFY(driver.Done());
        QCOMPARE(m_messages.texts.join("|"), QString());
        QCOMPARE(report->GetDocument()->m_lastName[0], std::string("Aardvark"));
        QTRY_VERIFY(sheetPaints.paints > 0);
        QTRY_VERIFY(reportPaints.paints > 0);
    }

    void closingTypedCommentsAsksFirst() {
        QVERIFY(start());
        // No comments: closes without a question.
        QVERIFY(openProgress("80"));
        manager().activeFrame()->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(windows(), 1);
        QVERIFY(m_messages.texts.isEmpty());

        QVERIFY(openProgress("100", "Needs help"));
        m_messages.answers = {Answer::Cancel};
        manager().activeFrame()->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(m_messages.texts, QStringList{"Discard the progress report comments?"});
        QCOMPARE(windows(), 2);
        // Closing the class asks too; Cancel keeps it open.
        m_messages.answers = {Answer::Cancel};
        frame().executeCommand(ID_FILE_CLOSE);
        QCOMPARE(manager().documents().size(), std::size_t(1));
        QCOMPARE(m_messages.texts.size(), 2);
        m_messages.answers = {Answer::Ok};
        frame().executeCommand(ID_FILE_CLOSE);
        QVERIFY(manager().documents().empty());
    }

    // A student report over several pages: numbering runs on, totals under every page, and
    // Print Preview of its window shows the pages the command line prints.
    void printedPages() {
        auto doc = ClassOf(3);
        for (int a = 0; a < 130; ++a)
            AddAssignment(*doc, 10, {5, 10, MISSING_SCORE});
        auto pages = printed(*doc, "student:0");
        QVERIFY(pages.size() > 1);
        const int rows = NumberedLines(pages[0]);
        QVERIFY(rows > 10);
        QCOMPARE(pages.size(), (130 + rows - 1) / rows);
        for (const PdfPage& page : pages) {
            QVERIFY(page.has("Last0,"));
            QVERIFY(page.has("650"));
            QVERIFY(page.has("50%"));
            const PdfWord* total = page.find("1300");
            QVERIFY(total && page.has("Received"));
            QVERIFY(total->yMin > page.find("Received")->yMax);
        }
        QVERIFY(pages[1].has(QString::number(rows + 1) + ":"));
        // Every student's report, each from a new page.
        QCOMPARE(printed(*doc, "students").size(), 3 * pages.size());

        const QString path = m_dir->filePath("Long.MKW");
        std::string error;
        QVERIFY(SaveClassFile(path.toStdString(), *doc, error));
        QVERIFY(startWith(path));
        PrintServices& printing = m_app->services().printing;
        printing.printer().setPageSize(QPageSize(QPageSize::Letter));
        printing.printer().setResolution(300);
        QVERIFY(openStudentReport(1));
        QCOMPARE(
            PreviewPageCount(printing, [this] { frame().executeCommand(ID_FILE_PRINT_PREVIEW); }),
            int(pages.size()));

        // N a multiple of L: no empty page after the last.
        auto exact = ClassOf(1);
        for (int a = 0; a < 2 * rows; ++a)
            AddAssignment(*exact, 10, {7});
        pages = printed(*exact, "student:0");
        QCOMPARE(pages.size(), 2);
        QCOMPARE(NumberedLines(pages[1]), rows);
        QVERIFY(pages[1].has(QString::number(14 * rows)));
    }
};

QTEST_MAIN(ReportWindowsTest)
#include "report_windows_test.moc"
