#include "open_dialogs.h"

#include "add_student_dlg.h"
#include "dialog_host.h"
#include "edit_assignment_dlg.h"
#include "edit_student_dlg.h"
#include "exclude_assignments_dlg.h"
#include "grading_policy_dlg.h"
#include "new_assignment_dlg.h"
#include "preferences_dlg.h"
#include "remove_assignment_dlg.h"
#include "remove_student_dlg.h"
#include "sort_by_assignment_dlg.h"

namespace markwise {

void OpenAddStudent(DialogHost& host) {
    CAddStudentDlg(host, host.widget()).exec();
}

void OpenEditStudent(DialogHost& host, int student) {
    CEditStudentDlg(host, student, host.widget()).exec();
}

void OpenRemoveStudent(DialogHost& host) {
    CRemoveStudentDlg(host, host.widget()).exec();
}

void OpenNewAssignment(DialogHost& host) {
    int created = -1;
    {
        CNewAssignmentDlg dialog(host, host.widget());
        if (dialog.exec() != QDialog::Accepted)
            return;
        created = dialog.CreatedAssignment();
    }
    OpenEditAssignment(host, created, 0);
}

void OpenEditAssignment(DialogHost& host, int assignment, int student) {
    CEditAssignmentDlg(host, assignment, student, host.widget()).exec();
}

void OpenRemoveAssignment(DialogHost& host) {
    CRemoveAssignmentDlg(host, host.widget()).exec();
}

void OpenExcludeAssignments(DialogHost& host) {
    CExcludeAssignmentsDlg(host, host.widget()).exec();
}

void OpenGradingPolicy(DialogHost& host) {
    CGradingPolicyDlg(host, host.widget()).exec();
}

void OpenPreferences(DialogHost& host) {
    CPreferencesDlg(host, host.widget()).exec();
}

void OpenSortByAssignment(DialogHost& host) {
    CSortByAssignmentDlg(host, host.widget()).exec();
}

} // namespace markwise
