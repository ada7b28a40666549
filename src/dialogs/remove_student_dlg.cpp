#include "remove_student_dlg.h"

#include "core/markwise_doc.h"
#include "dialog_host.h"
#include "framework/class_editor.h"
#include "framework/ui_seam.h"
#include "list_lines.h"

namespace markwise {

CRemoveStudentDlg::CRemoveStudentDlg(DialogHost& host, QWidget* parent)
    : CRemoveEntryDlg(host,
                      {tr("Remove Student"), tr("Select Name:"),
                       tr("After selecting a name, click \"Remove.\"  The student will be "
                          "removed and all data lost.  To recover this data, re-open the "
                          "document."),
                       tr("Are you sure you want to remove this student?\nClicking OK will "
                          "result in the loss of all data entered for that student!"),
                       24, &StudentLines},
                      parent) {}

int CRemoveStudentDlg::EntriesInUse() const {
    return Host().data().StudentsInUse();
}

bool CRemoveStudentDlg::MayRemove() {
    if (EntriesInUse() > 1)
        return true;
    UiSeam::tell(this, tr("You can't remove all the students!  If you want to "
                          "replace this student, select Edit Student from the "
                          "student Menu, and change all of the information."));
    return false;
}

void CRemoveStudentDlg::RemoveEntry(int row) {
    Host().editor().apply(tr("Remove Student"), RemoveStudentEdit(row));
}

} // namespace markwise
