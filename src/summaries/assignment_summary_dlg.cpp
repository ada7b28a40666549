#include "assignment_summary_dlg.h"

#include "core/markwise_doc.h"
#include "dialogs/dialog_host.h"
#include "dialogs/dialog_layout.h"
#include "dialogs/list_lines.h"
#include "histogram_dlg.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace markwise {

CAssignmentSummaryDlg::CAssignmentSummaryDlg(DialogHost& host, QWidget* parent)
    : QDialog(parent), m_host(host), m_list(MakeList(this, tr("Assignments"), 18)),
      m_distribution(MakeDistributionBoxes(this)), m_ok(MakeButton(tr("OK"), this)),
      m_histogram(MakeButton(tr("Histogram..."), this)) {
    setWindowTitle(tr("Assignment Summary"));

    auto* values = new QWidget(this);
    auto* form = new QFormLayout(values);
    form->setContentsMargins(0, 0, 0, 0);
    m_average = AddValueRow(form, tr("Avg Received:"), values);
    m_high = AddValueRow(form, tr("High Received:"), values);
    m_low = AddValueRow(form, tr("Low Received:"), values);
    LayOutBesideList(this, tr("Select Assignment:"), m_list, {m_distribution.group, values},
                     {m_ok, m_histogram});

    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &CAssignmentSummaryDlg::accept);
    connect(m_histogram, &QPushButton::clicked, this, &CAssignmentSummaryDlg::OpenHistogram);
    connect(m_list, &QListWidget::currentRowChanged, this, &CAssignmentSummaryDlg::ShowAssignment);
    setTabOrder(m_list, m_ok);
    setTabOrder(m_ok, m_histogram);

    FillList(m_list, AssignmentLines(m_host.data()), 0);
    ShowAssignment(m_list->currentRow());
    m_list->setFocus();
}

int CAssignmentSummaryDlg::exec() {
    if (m_host.data().AssignmentsInUse() == 0)
        return Rejected;
    return QDialog::exec();
}

void CAssignmentSummaryDlg::ShowAssignment(int assignment) {
    if (assignment < 0)
        return;
    // The cutoffs are read now, so a change made in Preferences counts at the next selection.
    const SummaryFigures figures =
        AssignmentSummary(m_host.data(), assignment, m_host.currentCutoffs());
    m_shown = figures.distribution;
    m_distribution.Show(figures.distribution);
    ShowNumber(m_average, figures.average);
    ShowNumber(m_high, figures.high);
    ShowNumber(m_low, figures.low);
}

void CAssignmentSummaryDlg::OpenHistogram() {
    CHistogramDlg(m_shown, this).exec();
}

} // namespace markwise
