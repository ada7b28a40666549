#include "install_summaries.h"

#include "dialogs/grade_sheet_host.h"
#include "gradesheet/view_dialogs.h"
#include "open_summaries.h"

namespace markwise {

namespace {

template <auto Open> void WithHost(CMarkwiseView& view) {
    GradeSheetHost host(view);
    Open(host);
}

} // namespace

void InstallSummaryDialogs(ViewDialogs& d) {
    d.assignmentSummary = WithHost<OpenAssignmentSummary>;
    d.classSummary = WithHost<OpenClassSummary>;
    d.studentSummary = WithHost<OpenStudentSummary>;
}

} // namespace markwise
