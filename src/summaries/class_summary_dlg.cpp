#include "class_summary_dlg.h"

#include "core/markwise_doc.h"
#include "dialogs/dialog_host.h"
#include "dialogs/dialog_layout.h"
#include "histogram_dlg.h"

#include <QBoxLayout>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

namespace markwise {

namespace {

bool CanSummarize(const CMarkwiseDoc& doc) {
    return doc.StudentsInUse() > 0 && doc.AssignmentsInUse() > 0;
}

} // namespace

CClassSummaryDlg::CClassSummaryDlg(DialogHost& host, QWidget* parent)
    : QDialog(parent), m_host(host), m_distribution(MakeDistributionBoxes(this)),
      m_ok(MakeButton(tr("OK"), this)), m_histogram(MakeButton(tr("Histogram..."), this)) {
    setWindowTitle(tr("Class Summary"));

    auto* form = new QFormLayout;
    m_average = AddValueRow(form, tr("Avg Total:"), this);
    m_high = AddValueRow(form, tr("High Total:"), this);
    m_low = AddValueRow(form, tr("Low Total:"), this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_distribution.group);
    layout->addLayout(form);
    layout->addLayout(MakeButtonRow({m_ok, m_histogram}));

    m_ok->setDefault(true);
    m_ok->setFocus();
    connect(m_ok, &QPushButton::clicked, this, &CClassSummaryDlg::accept);
    connect(m_histogram, &QPushButton::clicked, this, &CClassSummaryDlg::OpenHistogram);

    const CMarkwiseDoc& doc = m_host.data();
    if (!CanSummarize(doc))
        return;
    const SummaryFigures figures = ClassSummary(doc, m_host.currentCutoffs());
    m_shown = figures.distribution;
    m_distribution.Show(figures.distribution);
    ShowNumber(m_average, figures.average);
    ShowNumber(m_high, figures.high);
    ShowNumber(m_low, figures.low);
}

int CClassSummaryDlg::exec() {
    if (!CanSummarize(m_host.data()))
        return Rejected;
    return QDialog::exec();
}

void CClassSummaryDlg::OpenHistogram() {
    CHistogramDlg(m_shown, this).exec();
}

} // namespace markwise
