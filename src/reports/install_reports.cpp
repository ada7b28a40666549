#include "install_reports.h"

#include "core/markwise_doc.h"
#include "core/number_text.h"
#include "framework/doc_template.h"
#include "framework/paged_text_job.h"
#include "geometry/progress_layout.h"
#include "geometry/roster_layout.h"
#include "geometry/student_report_layout.h"
#include "progress_reports_dlg.h"
#include "progress_view.h"
#include "roster_view.h"
#include "stu_view.h"

namespace markwise {

namespace {

// Every student's report in class order, each starting on a new page. All students list
// the same assignments, so each takes the same number of pages.
class AllStudentReportsJob : public PagedTextJob {
public:
    AllStudentReportsJob(const CMarkwiseDoc& doc, const CGradeCutoffs& cutoffs)
        : m_doc(doc), m_cutoffs(cutoffs) {}

protected:
    PageTexts layoutPage(const PageRequest& request) override {
        const int students = m_doc.StudentsInUse();
        PageRequest studentPage = request;
        const int perStudent =
            PaginateReport(studentPage, kStudentReportReservedLines, m_doc.AssignmentsInUse())
                .pageCount;
        const int student = (request.page - 1) / perStudent;
        studentPage.page = (request.page - 1) % perStudent + 1;
        ReportPrintout out = PrintStudentReportPage({m_doc, student, m_cutoffs}, studentPage);
        const int pageCount = perStudent * students;
        return {std::move(out.texts), pageCount, request.page < pageCount};
    }

private:
    const CMarkwiseDoc& m_doc;
    CGradeCutoffs m_cutoffs;
};

bool HasStudentsAndAssignments(const CMarkwiseDoc& doc, std::string& error) {
    if (doc.StudentsInUse() > 0 && doc.AssignmentsInUse() > 0)
        return true;
    error = "a student report needs a class with students and assignments";
    return false;
}

} // namespace

void InstallReportWindows(ReportViewFactories& factories) {
    // Each dialog runs while the window is made, so it shows before the window does.
    factories.progressReport = [](CDocument& document) -> CView* {
        auto* view = new CProgressView(document);
        view->runDialog();
        return view;
    };
    factories.classRoster = [](CDocument& document) -> CView* { return new CRosterView(document); };
    factories.studentReport = [](CDocument& document) -> CView* {
        auto* view = new CStuView(document);
        view->runDialog();
        return view;
    };
}

std::unique_ptr<PrintJob> MakeCommandLineReport(const std::string& report, const CMarkwiseDoc& doc,
                                                const std::string& title,
                                                const CGradeCutoffs& cutoffs, std::string& error) {
    const std::string_view request = report;
    if (request == "roster") {
        return std::make_unique<ReportPrintJob>(
            [&doc, title](const PageRequest& page) { return PrintRosterPage(doc, title, page); });
    }
    if (request.starts_with("progress:")) {
        double cutoff = 0;
        if (!ParseNumber(std::string(request.substr(9)), cutoff)) {
            error = "the progress report's cut-off must be a number";
            return nullptr;
        }
        auto state = std::make_shared<ProgressReportState>();
        FindProgressStudents(doc, cutoff, *state);
        return std::make_unique<ReportPrintJob>(
            [&doc, title, cutoffs, state](const PageRequest& page) {
                return PrintProgressPage({doc, *state, cutoffs, title}, page);
            });
    }
    if (request.starts_with("student:")) {
        if (!HasStudentsAndAssignments(doc, error))
            return nullptr;
        int student = 0;
        if (!ParseCommandLineInteger(request.substr(8), student) || student < 0 ||
            student >= doc.StudentsInUse()) {
            error = "no student at position " + std::string(request.substr(8)) + " (0 to " +
                    std::to_string(doc.StudentsInUse() - 1) + ")";
            return nullptr;
        }
        return std::make_unique<ReportPrintJob>([&doc, student, cutoffs](const PageRequest& page) {
            return PrintStudentReportPage({doc, student, cutoffs}, page);
        });
    }
    if (request == "students") {
        if (!HasStudentsAndAssignments(doc, error))
            return nullptr;
        return std::make_unique<AllStudentReportsJob>(doc, cutoffs);
    }
    error = "unknown report " + report + " (sheet, roster, progress:CUTOFF, student:N or students)";
    return nullptr;
}

} // namespace markwise
