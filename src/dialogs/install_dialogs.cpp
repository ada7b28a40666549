#include "install_dialogs.h"

#include "grade_sheet_host.h"
#include "gradesheet/view_dialogs.h"
#include "open_dialogs.h"

namespace markwise {

namespace {

// Runs one opener with the view as its host for the length of the modal dialog.
template <auto Open, typename... Args> void WithHost(CMarkwiseView& view, Args... args) {
    GradeSheetHost host(view);
    Open(host, args...);
}

} // namespace

void InstallEditingDialogs(ViewDialogs& d) {
    d.addStudent = WithHost<OpenAddStudent>;
    d.editStudent = WithHost<OpenEditStudent, int>;
    d.removeStudent = WithHost<OpenRemoveStudent>;
    d.newAssignment = WithHost<OpenNewAssignment>;
    d.editAssignment = WithHost<OpenEditAssignment, int, int>;
    d.removeAssignment = WithHost<OpenRemoveAssignment>;
    d.excludeAssignments = WithHost<OpenExcludeAssignments>;
    d.gradingPolicy = WithHost<OpenGradingPolicy>;
    d.preferences = WithHost<OpenPreferences>;
    d.sortByAssignment = WithHost<OpenSortByAssignment>;
}

} // namespace markwise
