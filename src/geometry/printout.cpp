#include "printout.h"

#include "core/markwise_doc.h"
#include "core/number_text.h"
#include "geometry/progress_layout.h"
#include "geometry/progress_report_state.h"
#include "geometry/roster_layout.h"
#include "geometry/student_report_layout.h"

#include <memory>
#include <string_view>

namespace markwise {

namespace {

PrintedPage pageOf(ReportPrintout printout) {
    return {std::move(printout.texts), printout.pagination.pageCount,
            printout.pagination.morePages};
}

bool hasStudentsAndAssignments(const CMarkwiseDoc& doc, std::string& error) {
    if (doc.StudentsInUse() > 0 && doc.AssignmentsInUse() > 0)
        return true;
    error = "a student report needs a class with students and assignments";
    return false;
}

// Every student's report in class order, each starting on a new page. All students list
// the same assignments, so each takes the same number of pages. A report's texts and
// columns are worked out on its first page and kept for the next ones.
struct AllStudentsJob {
    int student = -1;
    int width = 0;
    ReportBody body;
};
struct PrintoutLanguage {
    ReportTexts texts;
    SheetWords words;
};
PrintedPage allStudentsPage(const CMarkwiseDoc& doc, const CGradeCutoffs& cutoffs,
                            const PrintoutLanguage& language, const PageRequest& request,
                            AllStudentsJob& job) {
    PageRequest studentPage = request;
    const int perStudent =
        PaginateReport(studentPage, kStudentReportReservedLines, doc.AssignmentsInUse()).pageCount;
    const int student = (request.page - 1) / perStudent;
    studentPage.page = (request.page - 1) % perStudent + 1;
    const StudentReportInput in{doc, student, cutoffs, language.texts, language.words};
    if (job.student != student || job.width != request.width) {
        job.body = StudentReportBody(in, studentPage);
        job.student = student;
        job.width = request.width;
    }
    PrintedPage page = pageOf(PrintStudentReportPage(in, studentPage, job.body));
    page.pageCount = perStudent * doc.StudentsInUse();
    page.morePages = request.page < page.pageCount;
    return page;
}

} // namespace

Printout MakePrintout(const std::string& report, const CMarkwiseDoc& doc, const std::string& title,
                      const CGradeCutoffs& cutoffs, SheetPrintColumns columns, std::string& error,
                      const ReportTexts& texts, const SheetWords& words) {
    const std::string_view request = report;
    // Shared by the copies of the printout, and outliving the caller's words.
    const auto language = std::make_shared<const PrintoutLanguage>(PrintoutLanguage{texts, words});
    if (request == "sheet") {
        // Fitting the columns reads every student: once per strip, not once per page.
        auto cache = std::make_shared<SheetColumnsCache>();
        return [&doc, title, cutoffs, columns, cache,
                language](const PageRequest& page) -> PrintedPage {
            SheetPrintPage sheet = LayoutSheetPrintPage(doc, cutoffs, title, page, columns,
                                                        cache.get(), language->words);
            return {std::move(sheet.texts), sheet.geometry.pageCount, sheet.morePages};
        };
    }
    if (request == "roster") {
        return [&doc, title, language](const PageRequest& page) {
            return pageOf(PrintRosterPage(doc, title, page, language->texts));
        };
    }
    if (request.starts_with("progress:")) {
        double cutoff = 0;
        if (!ParseNumber(request.substr(9), cutoff)) {
            error = "the progress report's cut-off must be a number";
            return {};
        }
        auto state = std::make_shared<ProgressReportState>();
        FindProgressStudents(doc, cutoff, *state);
        return [&doc, title, cutoffs, state, language](const PageRequest& page) {
            return pageOf(PrintProgressPage({doc, *state, cutoffs, title, language->texts}, page));
        };
    }
    if (request.starts_with("student:")) {
        if (!hasStudentsAndAssignments(doc, error))
            return {};
        int student = 0;
        if (!ParseCommandLineInteger(request.substr(8), student) || student < 0 ||
            student >= doc.StudentsInUse()) {
            error = "no student at position " + std::string(request.substr(8)) + " (0 to " +
                    std::to_string(doc.StudentsInUse() - 1) + ")";
            return {};
        }
        return [&doc, student, cutoffs, language](const PageRequest& page) {
            return pageOf(PrintStudentReportPage(
                {doc, student, cutoffs, language->texts, language->words}, page));
        };
    }
    if (request == "students") {
        if (!hasStudentsAndAssignments(doc, error))
            return {};
        auto job = std::make_shared<AllStudentsJob>();
        return [&doc, cutoffs, language, job](const PageRequest& page) {
            return allStudentsPage(doc, cutoffs, *language, page, *job);
        };
    }
    error = "unknown report " + report + " (sheet, roster, progress:CUTOFF, student:N or students)";
    return {};
}

} // namespace markwise
