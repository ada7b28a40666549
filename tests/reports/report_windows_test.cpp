// The three report windows in the program: opening from the main frame, the commands each
// kind of window enables, clicks, repainting on a change, closing with typed comments,
// and their printed pages.
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
#include "pdf_pages.h"
#include "reports/install_reports.h"
#include "reports/progress_reports_dlg.h"
#include "reports/progress_view.h"
#include "reports/roster_view.h"
#include "reports/stu_view.h"
#include "reports/student_report_dlg.h"
#include "support/app_fixture.h"
#include "support/class_builder.h"

#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QtTest>

using namespace markwise;
using namespace markwise::test;

namespace {

// Counts the paints a widget gets.
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
    CStuView* openStudentReport(int row, bool ok = true) {
        ModalDriver driver;
        driver.Then([&](QDialog& dialog) {
            auto& choose = dynamic_cast<CStudentReportDlg&>(dialog);
            choose.List()->setCurrentRow(row);
            if (ok)
                QTest::mouseClick(choose.OkButton(), Qt::LeftButton);
            else
                Press(Qt::Key_Escape);
        });
        frame().executeCommand(ID_STUDENT_REPORT);
        return driver.Done() ? active<CStuView>() : nullptr;
    }
    // A left click on the view at a document point; which dialog opened, with what chosen.
    template <typename Dialog>
    QString clickOpens(CReportView& view, int x, int y,
                       const std::function<QString(Dialog&)>& chosen) {
        QString opened;
        {
            ModalDriver driver;
            driver.Then([&](QDialog& dialog) {
                opened = chosen(dynamic_cast<Dialog&>(dialog));
                dialog.reject();
            });
            QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, QPoint(x, y));
            QTest::qWait(20);
        }
        return opened;
    }

private slots:
    void initTestCase() { PrepareApplication(); }
    void init() { FreshFolder(); }
    void cleanup() { CloseApp({Answer::Ok, Answer::Discard, Answer::Ok, Answer::Discard}); }

    void commandsFollowTheKindOfWindow() {
        QVERIFY(start());
        QCOMPARE(windows(), 1);

        frame().executeCommand(ID_CLASS_ROSTER);
        QVERIFY(active<CRosterView>());
        QCOMPARE(windows(), 2);
        QCOMPARE(manager().documents().size(), std::size_t(1));
        for (int id : {ID_SORT_NAME, ID_STUDENT_NEW, ID_STUDENT_EDIT, ID_STUDENT_REMOVE,
                       ID_STUDENT_SUMMARY, ID_FILE_PRINT, ID_FILE_PRINT_PREVIEW, ID_CLASS_ROSTER,
                       ID_STUDENT_REPORT, ID_CLASS_PROGRESS_REPORTS, ID_FILE_SAVE})
            QVERIFY2(enabled(id), qPrintable(QString::number(id)));
        for (int id : {ID_SORT_TOTAL, ID_SORT_RANDOM, ID_ASSIGNMENT_NEW, ID_ASSIGNMENT_EDIT,
                       ID_VIEW_STUDENT_ID, ID_SCROLL_LEFT, ID_CLASS_SUMMARY, ID_EDIT_PREFERENCES})
            QVERIFY2(!enabled(id), qPrintable(QString::number(id)));

        // A progress window: Student ID toggles the class's listing and shows its mark;
        // Progress Reports reruns this window's dialog instead of opening another.
        CProgressView* progress = openProgress("80");
        QVERIFY(progress);
        QCOMPARE(windows(), 3);
        QVERIFY(enabled(ID_VIEW_STUDENT_ID) && !enabled(ID_STUDENT_NEW));
        QVERIFY(!enabled(ID_ASSIGNMENT_EDIT) && !enabled(ID_SORT_NAME));
        frame().executeCommand(ID_VIEW_STUDENT_ID);
        QCOMPARE(progress->GetDocument()->m_showNames, 0);
        QVERIFY(frame().commandState(ID_VIEW_STUDENT_ID).checked);
        const int found = progress->State().m_foundCount;
        QVERIFY(found > 0);
        ModalDriver again;
        again.Then([](QDialog& dialog) {
            auto& d = dynamic_cast<CProgressReportsDlg&>(dialog);
            QCOMPARE(d.CutoffBox()->text(), QString("80"));
            QVERIFY(d.List()->count() > 0);
            d.reject();
        });
        frame().executeCommand(ID_CLASS_PROGRESS_REPORTS);
        QVERIFY(again.Done());
        QCOMPARE(windows(), 3);
        QCOMPARE(progress->State().m_foundCount, found);

        // A student report: Edit Assignment only, of the grade sheet's commands.
        CStuView* report = openStudentReport(2);
        QVERIFY(report);
        QCOMPARE(report->m_studentIndex, 2);
        QVERIFY(enabled(ID_ASSIGNMENT_EDIT) && !enabled(ID_ASSIGNMENT_NEW));
        QVERIFY(!enabled(ID_STUDENT_EDIT) && !enabled(ID_SORT_NAME) &&
                !enabled(ID_VIEW_STUDENT_ID));
        // Escape keeps the first student.
        CStuView* first = openStudentReport(5, false);
        QVERIFY(first);
        QCOMPARE(first->m_studentIndex, 0);
        QCOMPARE(windows(), 5);
        QVERIFY(m_messages.texts.isEmpty());

        // A class without assignments: Student Report does nothing at all.
        frame().executeCommand(ID_FILE_NEW);
        manager().activeDocument()->editor().apply("Add Student",
                                                   AddStudentEdit({"Ann", "Lee", "", "", "", ""}));
        {
            ModalDriver never;
            never.Then([](QDialog& dialog) { QFAIL(qPrintable(dialog.windowTitle())); });
            frame().executeCommand(ID_STUDENT_REPORT);
            QTest::qWait(30);
        }
        QCOMPARE(windows(), 6);
        QVERIFY(m_messages.texts.isEmpty());
        manager().activeDocument()->editor().markSaved();

        // No class window: the command-failure message.
        m_messages.answers = {Answer::Ok};
        manager().CloseAllDocuments();
        frame().executeCommand(ID_CLASS_ROSTER);
        QCOMPARE(m_messages.texts, QStringList{"The command could not be carried out."});
    }

    void clicksOpenTheirDialogs() {
        QVERIFY(start());
        frame().executeCommand(ID_CLASS_ROSTER);
        CRosterView* roster = active<CRosterView>();
        QVERIFY(roster);
        QTRY_VERIFY(roster->m_rowHeight > 0);
        const int h = roster->m_rowHeight;
        // Scrolling moves by whole lines, a page by a screenful less one line.
        QCOMPARE(roster->verticalScrollBar()->singleStep(), h);
        QCOMPARE(roster->verticalScrollBar()->pageStep(), roster->viewport()->height() - h);
        const auto student = [](CEditStudentDlg& d) {
            return QString::number(d.List()->currentRow());
        };
        QCOMPARE(clickOpens<CEditStudentDlg>(*roster, 10, 2 * h, student), QString());
        QCOMPARE(clickOpens<CEditStudentDlg>(*roster, 10, h + 3, student), QString());
        QCOMPARE(clickOpens<CEditStudentDlg>(*roster, 581, 3 * h + 3, student), QString());
        QCOMPARE(clickOpens<CEditStudentDlg>(*roster, 580, 2 * h + 1, student), QString("0"));
        QCOMPARE(clickOpens<CEditStudentDlg>(*roster, 300, 5 * h + 2, student), QString("3"));
        QCOMPARE(clickOpens<CEditStudentDlg>(*roster, 10, 32 * h + 2, student), QString());

        CStuView* report = openStudentReport(4);
        QVERIFY(report);
        QTRY_VERIFY(report->m_rowHeight > 0);
        const auto chosen = [](CEditAssignmentDlg& d) {
            return QStringLiteral("%1/%2")
                .arg(d.AssignmentList()->currentRow())
                .arg(d.StudentList()->currentRow());
        };
        const int assignments = report->GetDocument()->m_assignmentCount;
        QCOMPARE(clickOpens<CEditAssignmentDlg>(*report, 579, 5 * h + 1, chosen), QString("3/4"));
        QCOMPARE(clickOpens<CEditAssignmentDlg>(*report, 580, 5 * h + 1, chosen), QString());
        QCOMPARE(clickOpens<CEditAssignmentDlg>(*report, 10, h + 1, chosen), QString());
        // The totals line.
        QCOMPARE(clickOpens<CEditAssignmentDlg>(*report, 240, (assignments + 2) * h + 1, chosen),
                 QString());
        // The command: the first assignment, this report's student.
        QString command;
        {
            ModalDriver driver;
            driver.Then([&](QDialog& dialog) {
                command = chosen(dynamic_cast<CEditAssignmentDlg&>(dialog));
                dialog.reject();
            });
            frame().executeCommand(ID_ASSIGNMENT_EDIT);
        }
        QCOMPARE(command, QString("0/4"));
    }

    void aChangeRepaintsEveryWindowOnTheClass() {
        QVERIFY(start());
        CChildFrame* sheet = manager().activeFrame();
        frame().executeCommand(ID_CLASS_ROSTER);
        CRosterView* roster = active<CRosterView>();
        CStuView* report = openStudentReport(0);
        QVERIFY(roster && report);
        frame().executeCommand(ID_WINDOW_TILE_HORZ);
        QTest::qWait(50);
        PaintCounter sheetPaints(sheet->widget()->findChild<QWidget*>("qt_scrollarea_viewport"));
        PaintCounter reportPaints(report->viewport());

        // A name sort from the roster.
        for (QMdiSubWindow* window : frame().mdiArea()->subWindowList()) {
            if (window->widget() == roster)
                frame().mdiArea()->setActiveSubWindow(window);
        }
        QVERIFY(active<CRosterView>());
        const std::string before = report->GetDocument()->GetFullName(0);
        frame().executeCommand(ID_SORT_NAME);
        QTRY_VERIFY(sheetPaints.paints > 0 && reportPaints.paints > 0);
        QVERIFY(report->GetDocument()->GetFullName(0) != before);

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
        QTRY_VERIFY(sheetPaints.paints > 0 && reportPaints.paints > 0);
    }

    void closingTypedCommentsAsksFirst() {
        QVERIFY(start());
        CProgressView* plain = openProgress("80");
        QVERIFY(plain);
        // No comments: closes without a question.
        QVERIFY(plain->parentWidget());
        manager().activeFrame()->close();
        QTest::qWait(20);
        QCOMPARE(windows(), 1);
        QVERIFY(m_messages.texts.isEmpty());

        QVERIFY(openProgress("100", "Needs help"));
        CChildFrame* window = manager().activeFrame();
        m_messages.answers = {Answer::Cancel};
        window->close();
        QTest::qWait(20);
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

    void printedPages() {
        QTemporaryDir dir;
        const CGradeCutoffs cutoffs;
        const auto print = [&](const CMarkwiseDoc& doc, const std::string& report) {
            std::string error;
            const auto job = MakeCommandLineReport(report, doc, "Period3.MKW", cutoffs, error);
            const QString file = dir.filePath(QString::fromStdString(report) + ".pdf");
            QString failure;
            if (!job || !PrintToPdf(*job, {file, QPageSize(QPageSize::Letter), 300}, &failure))
                return QList<PdfPage>();
            return ReadPdfPages(file);
        };

        // A student report over several pages: numbering runs on, totals under every page.
        auto doc = ClassOf(3);
        for (int a = 0; a < 130; ++a)
            AddAssignment(*doc, 10, {5, 10, MISSING_SCORE});
        auto pages = print(*doc, "student:0");
        QVERIFY(pages.size() > 1);
        const int rows = NumberedLines(pages[0]);
        QVERIFY(rows > 10);
        QCOMPARE(pages.size(), (130 + rows - 1) / rows);
        for (const PdfPage& page : pages) {
            QVERIFY(page.has("Last0,") && page.has("Received"));
            QVERIFY(page.has("650") && page.has("1300") && page.has("50%"));
            const PdfWord* total = page.find("1300");
            QVERIFY(total && total->yMin > page.find("Received")->yMax);
        }
        QVERIFY(pages[1].has(QString::number(rows + 1) + ":"));

        // N a multiple of L: no empty page after the last.
        auto exact = ClassOf(1);
        for (int a = 0; a < 2 * rows; ++a)
            AddAssignment(*exact, 10, {7});
        pages = print(*exact, "student:0");
        QCOMPARE(pages.size(), 2);
        QCOMPARE(NumberedLines(pages[1]), rows);
        QVERIFY(pages[1].has(QString::number(14 * rows)));

        // Every student's report, each from a new page.
        pages = print(*doc, "students");
        QCOMPARE(pages.size(), 3 * ((130 + rows - 1) / rows));
        QVERIFY(pages[0].has("Last0,") && pages[pages.size() - 1].has("Last2,"));

        // Roster and progress list: headings on every page, rows in class order.
        auto big = FilledClass(150, 3);
        pages = print(*big, "roster");
        QVERIFY(pages.size() >= 2);
        QVERIFY(pages[0].has("Period3") && !pages[0].has("Period3.MKW") && pages[1].has("Phone#"));
        int listed = 0;
        for (const PdfPage& page : pages)
            listed += page.count("Last");
        QCOMPARE(listed, 150);
        pages = print(*big, "progress:60.5");
        QVERIFY(!pages.isEmpty() && pages[0].has("Cut-off") && pages[0].has("60.5%"));
        QVERIFY(pages[0].has("Comment"));

        // Refused requests.
        std::string error;
        for (const char* bad : {"bogus", "progress:x", "student:3", "student:-1"})
            QVERIFY2(!MakeCommandLineReport(bad, *doc, "t", cutoffs, error), bad);
        QVERIFY(!MakeCommandLineReport("students", *ClassOf(2), "t", cutoffs, error));
    }

    void previewShowsThePagesOfTheCommandLine() {
        // A class long enough for several pages of each report.
        const QString path = m_dir->filePath("Long.MKW");
        std::string error;
        auto doc = FilledClass(150, 130);
        QVERIFY(SaveClassFile(path.toStdString(), *doc, error));
        QVERIFY(startWith(path));
        QPrinter& printer = ApplicationPrinter();
        printer.setPageSize(QPageSize(QPageSize::Letter));
        printer.setResolution(300);
        const auto expected = [&](const std::string& report) {
            const auto job = MakeCommandLineReport(report, *doc, "Long.MKW", {}, error);
            const QString file = m_dir->filePath("expected.pdf");
            QString failure;
            return job && PrintToPdf(*job, {file, QPageSize(QPageSize::Letter), 300}, &failure)
                       ? int(ReadPdfPages(file).size())
                       : -1;
        };
        const auto preview = [this] {
            return PreviewPageCount([this] { frame().executeCommand(ID_FILE_PRINT_PREVIEW); });
        };
        frame().executeCommand(ID_CLASS_ROSTER);
        QCOMPARE(preview(), expected("roster"));
        QVERIFY(openProgress("60"));
        int found = 0;
        for (int s = 0; s < 150; ++s)
            found += doc->GetPercent(s) <= 60 ? 1 : 0;
        QCOMPARE(active<CProgressView>()->State().m_foundCount, found);
        QCOMPARE(preview(), expected("progress:60"));
        QVERIFY(openStudentReport(7));
        const int pages = preview();
        QVERIFY(pages > 1);
        QCOMPARE(pages, expected("student:7"));
    }

    void positionsOutOfUseShowNoStaleData() {
        QVERIFY(start());
        CProgressView* progress = openProgress("200", "Kept");
        CStuView* report = openStudentReport(29);
        QVERIFY(report && progress);
        QTRY_VERIFY(report->m_rowHeight > 0);
        manager().activeDocument()->editor().apply("Remove Student", RemoveStudentEdit(29));
        QTest::qWait(30);
        // The report on the removed position lists nothing, so a click opens nothing.
        const auto chosen = [](CEditAssignmentDlg&) { return QStringLiteral("opened"); };
        QCOMPARE(clickOpens<CEditAssignmentDlg>(*report, 10, 3 * report->m_rowHeight + 1, chosen),
                 QString());
        QCOMPARE(progress->State().m_foundCount, 30);
        QCOMPARE(progress->State().m_reportComments[0], std::string("Kept"));
    }
};

QTEST_MAIN(ReportWindowsTest)
#include "report_windows_test.moc"
