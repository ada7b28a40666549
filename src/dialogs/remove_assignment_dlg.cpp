#include "remove_assignment_dlg.h"

#include "core/markwise_doc.h"
#include "dialog_host.h"
#include "framework/class_editor.h"
#include "list_lines.h"

namespace markwise {

CRemoveAssignmentDlg::CRemoveAssignmentDlg(DialogHost& host, QWidget* parent)
    : CRemoveEntryDlg(host,
                      {tr("Remove Assignment"), tr("Select Assignment:"),
                       tr("After selecting an assignment, click \"Remove.\"  "
                          "The assignment will be removed and all data lost.  "
                          "To recover this data, re-open the document."),
                       tr("Are you sure you want to remove this assignment?\nClicking OK will "
                          "result in the loss of all data entered for that assignment!"),
                       16, &AssignmentLines},
                      parent) {}

int CRemoveAssignmentDlg::EntriesInUse() const {
    return Host().data().AssignmentsInUse();
}

void CRemoveAssignmentDlg::RemoveEntry(int row) {
    Host().editor().apply(tr("Remove Assignment"), RemoveAssignmentEdit(row));
}

} // namespace markwise
