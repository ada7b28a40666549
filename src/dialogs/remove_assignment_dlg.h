#pragma once

#include "remove_entry_dlg.h"

#include <QCoreApplication>

namespace markwise {

// "Remove Assignment": removes the selected assignment with all its scores; stays open.
class CRemoveAssignmentDlg : public CRemoveEntryDlg {
    Q_DECLARE_TR_FUNCTIONS(CRemoveAssignmentDlg)
public:
    explicit CRemoveAssignmentDlg(DialogHost& host, QWidget* parent = nullptr);

private:
    int EntriesInUse() const override;
    void RemoveEntry(int row) override;
};

} // namespace markwise
