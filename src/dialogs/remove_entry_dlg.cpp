#include "remove_entry_dlg.h"

#include "dialog_host.h"
#include "dialog_layout.h"
#include "framework/ui_seam.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace markwise {

CRemoveEntryDlg::CRemoveEntryDlg(DialogHost& host, const Setup& setup, QWidget* parent)
    : QDialog(parent), m_host(host), m_question(setup.question), m_lines(setup.lines),
      m_list(MakeList(this, setup.label, setup.listWidthInChars)),
      m_remove(MakeButton(tr("Remove"), this)), m_close(MakeButton(tr("Close Dialog"), this)) {
    setWindowTitle(setup.title);

    LayOutBesideList(this, setup.label, m_list, {MakeHint(setup.hint, this, 28)},
                     {m_remove, m_close});

    m_remove->setDefault(true);
    connect(m_remove, &QPushButton::clicked, this, &CRemoveEntryDlg::accept);
    connect(m_close, &QPushButton::clicked, this, &CRemoveEntryDlg::reject);
    setTabOrder(m_list, m_remove);
    setTabOrder(m_remove, m_close);

    Refresh();
    m_list->setFocus();
}

int CRemoveEntryDlg::exec() {
    if (EntriesInUse() == 0)
        return Rejected;
    return QDialog::exec();
}

void CRemoveEntryDlg::Refresh() {
    FillList(m_list, m_lines(m_host.data()), 0);
}

void CRemoveEntryDlg::accept() {
    if (!MayRemove())
        return;
    if (UiSeam::ask(this, m_question, Buttons::OkCancel) != Answer::Ok)
        return;
    const int row = m_list->currentRow();
    if (row < 0)
        return;
    RemoveEntry(row);
    Refresh();
}

} // namespace markwise
