#include "open_summaries.h"

#include "assignment_summary_dlg.h"
#include "class_summary_dlg.h"
#include "dialogs/dialog_host.h"
#include "student_summary_dlg.h"

namespace markwise {

void OpenAssignmentSummary(DialogHost& host) {
    CAssignmentSummaryDlg(host, host.widget()).exec();
}

void OpenClassSummary(DialogHost& host) {
    CClassSummaryDlg(host, host.widget()).exec();
}

void OpenStudentSummary(DialogHost& host) {
    CStudentSummaryDlg(host, host.widget()).exec();
}

} // namespace markwise
