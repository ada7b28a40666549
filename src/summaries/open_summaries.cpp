#include "open_summaries.h"

#include "dialogs/dialog_host.h"
#include "student_summary_dlg.h"

namespace markwise {

void OpenStudentSummary(DialogHost& host) {
    CStudentSummaryDlg(host, host.Widget()).exec();
}

} // namespace markwise
