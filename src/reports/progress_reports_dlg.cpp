#include "progress_reports_dlg.h"

#include "core/markwise_doc.h"
#include "core/number_text.h"
#include "dialogs/dialog_layout.h"
#include "dialogs/field_rules.h"
#include "framework/text.h"
#include "framework/ui_language.h"
#include "framework/ui_seam.h"
#include "geometry/progress_layout.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace markwise {

CProgressReportsDlg::CProgressReportsDlg(ProgressReportState& report, const CMarkwiseDoc& doc,
                                         const CGradeCutoffs& cutoffs,
                                         std::function<void()> repaint, QWidget* parent)
    : QDialog(parent), m_report(report), m_doc(doc), m_cutoffs(cutoffs),
      m_repaint(std::move(repaint)), m_cutoffBox(new QLineEdit(this)),
      m_list(MakeList(this, tr("Students"), 18, 8)), m_percentBox(new QLineEdit(this)),
      m_gradeBox(new QLineEdit(this)), m_commentBox(new LimitedLineEdit(kCommentLimit, this)),
      m_find(MakeButton(tr("Find Students"), this)), m_generate(MakeButton(tr("Generate"), this)),
      m_update(MakeButton(tr("Update Comment"), this)) {
    m_report.m_foundCount = 0; // the next search rebuilds the list
    setWindowTitle(tr("Progress Reports"));
    // A caption but no close box: only "Generate" ends the dialog.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    LayOut();

    m_percentBox->setReadOnly(true);
    m_gradeBox->setReadOnly(true);
    m_generate->setEnabled(false);
    m_list->setEnabled(false);
    m_commentBox->setEnabled(false);
    m_update->setEnabled(false);
    m_update->setDefault(true);

    connect(m_find, &QPushButton::clicked, this, &CProgressReportsDlg::OnFindStudents);
    connect(m_generate, &QPushButton::clicked, this, &CProgressReportsDlg::reject);
    connect(m_update, &QPushButton::clicked, this, &CProgressReportsDlg::OnUpdateComment);
    connect(m_list, &QListWidget::currentRowChanged, this,
            &CProgressReportsDlg::OnSelchangeStudents);
    UpdateData(false);
    m_cutoffBox->setFocus();
}

void CProgressReportsDlg::LayOut() {
    SetWidthInChars(m_cutoffBox, 5);
    SetWidthInChars(m_percentBox, 19); // 15 digits, point and sign
    SetWidthInChars(m_gradeBox, 4);
    SetWidthInChars(m_commentBox, kCommentLimit);

    auto* top = new QGridLayout;
    top->addWidget(MakeHint(tr("Issue Progress reports to students at or below"), this, 24), 0, 0,
                   1, 2);
    top->addWidget(m_cutoffBox, 1, 0);
    top->addWidget(MakeLabel(tr("Percent."), m_cutoffBox, this), 1, 1);
    top->setColumnStretch(2, 1);
    top->addLayout(MakeButtonColumn({m_find, m_generate}), 0, 3, 2, 1);

    auto* group = new QGroupBox(tr("Edit Comments"), this);
    auto* inner = new QGridLayout(group);
    inner->addWidget(MakeLabel(tr("Select Student:"), m_list, group), 0, 0);
    inner->addWidget(m_list, 1, 0, 6, 1);
    inner->addWidget(MakeLabel(tr("Percent:"), m_percentBox, group), 1, 1);
    inner->addWidget(m_percentBox, 1, 2);
    inner->addWidget(MakeLabel(tr("Grade:"), m_gradeBox, group), 2, 1);
    inner->addWidget(m_gradeBox, 2, 2, Qt::AlignLeft);
    inner->addWidget(MakeLabel(tr("Current Comment:"), m_commentBox, group), 3, 1, 1, 2);
    inner->addWidget(m_commentBox, 4, 1, 1, 2);
    inner->addWidget(m_update, 5, 1, 1, 2, Qt::AlignHCenter);
    inner->setRowStretch(6, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(group);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    setTabOrder(m_cutoffBox, m_find);
    setTabOrder(m_find, m_generate);
    setTabOrder(m_generate, m_list);
    setTabOrder(m_list, m_percentBox);
    setTabOrder(m_percentBox, m_gradeBox);
    setTabOrder(m_gradeBox, m_commentBox);
    setTabOrder(m_commentBox, m_update);
}

QLineEdit* CProgressReportsDlg::CommentBox() const {
    return m_commentBox;
}

bool CProgressReportsDlg::UpdateData(bool save) {
    if (!save) {
        m_gradeBox->setText(toQString(m_grade));
        m_percentBox->setText(toQString(NumberForm().shown(FormatNumber15(m_percent))));
        m_percentBox->setCursorPosition(0);
        m_cutoffBox->setText(toQString(NumberForm().shown(FormatNumber15(m_cutoff))));
        m_commentBox->SetLimitedText(toQString(m_comment));
        return true;
    }
    FieldReader read(this);
    double cutoff = 0;
    std::string comment;
    if (!read.Number(m_cutoffBox, tr("Percent."), cutoff) ||
        !read.Text(m_commentBox, tr("Current Comment:"), comment))
        return false;
    m_cutoff = cutoff;
    m_comment = comment;
    return true;
}

void CProgressReportsDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (m_opened)
        return;
    m_opened = true;
    // Reopened from its window: the last search again, at once.
    if (m_report.m_dialogShown == 1) {
        m_cutoff = m_report.m_cutoffPercent;
        UpdateData(false);
        OnFindStudents();
    }
}

void CProgressReportsDlg::OnFindStudents() {
    if (!UpdateData(true))
        return;
    FindProgressStudents(m_doc, m_cutoff, m_report);
    QStringList lines;
    for (int k = 0; k < m_report.m_foundCount; ++k)
        lines.append(toQString(m_doc.GetFullName(m_report.m_foundStudents[k])));
    FillList(m_list, lines, 0);
    m_generate->setEnabled(true);
    if (m_report.m_foundCount == 0) {
        UiSeam::tell(this, tr("No Students found below that percentage"));
        return;
    }
    m_commentBox->setEnabled(true);
    m_update->setEnabled(true);
    m_list->setEnabled(true);
    OnSelchangeStudents();
}

void CProgressReportsDlg::OnSelchangeStudents() {
    const int k = m_list->currentRow();
    if (k < 0 || k >= m_report.FoundInUse())
        return;
    const int s = m_report.m_foundStudents[k];
    const bool inUse = s >= 0 && s < m_doc.StudentsInUse();
    m_percent = inUse ? m_doc.GetPercent(s) : 0;
    m_grade = inUse ? m_doc.GetLetterGrade(s, m_cutoffs) : std::string();
    m_comment = m_report.FoundComment(k);
    UpdateData(false);
}

void CProgressReportsDlg::OnUpdateComment() {
    if (!UpdateData(true))
        return;
    const int k = m_list->currentRow();
    const int s = m_report.FoundStudent(k);
    if (s < 0)
        return;
    m_report.m_reportComments[static_cast<std::size_t>(s)] = m_comment;
    // The next entry is selected and shown, so the next Update is for that student.
    if (k + 1 < m_report.FoundInUse())
        m_list->setCurrentRow(k + 1);
    m_repaint();
}

void CProgressReportsDlg::accept() {}

void CProgressReportsDlg::reject() {
    if (!m_generate->isEnabled())
        return;
    m_repaint();
    QDialog::reject();
}

void CProgressReportsDlg::closeEvent(QCloseEvent* event) {
    // No close box; a window manager's close request is the cancel command, too.
    event->ignore();
    reject();
}

} // namespace markwise
