#pragma once

#include "remove_entry_dlg.h"

#include <QCoreApplication>

namespace markwise {

// "Remove Student": removes the selected student with all its scores; stays open. The last
// student stays: a class always has one.
class CRemoveStudentDlg : public CRemoveEntryDlg {
    Q_DECLARE_TR_FUNCTIONS(CRemoveStudentDlg)
public:
    explicit CRemoveStudentDlg(DialogHost& host, QWidget* parent = nullptr);

private:
    int EntriesInUse() const override;
    bool MayRemove() override;
    void RemoveEntry(int row) override;
};

} // namespace markwise
