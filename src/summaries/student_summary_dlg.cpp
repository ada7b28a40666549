#include "student_summary_dlg.h"

#include "core/markwise_doc.h"
#include "dialogs/dialog_host.h"
#include "dialogs/dialog_layout.h"
#include "dialogs/list_lines.h"
#include "framework/report_words.h"
#include "framework/text.h"
#include "framework/ui_language.h"
#include "geometry/category_breakdown.h"
#include "summary_boxes.h"

#include <QFontMetrics>
#include <QFormLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <algorithm>

namespace markwise {

namespace {

// One student's category lines as the list shows them.
QStringList BreakdownTexts(const CMarkwiseDoc& doc, int student, const ReportTexts& texts) {
    const NumberForm numbers;
    QStringList lines;
    for (CategoryBreakdownLine& line : CategoryBreakdown(doc, student)) {
        line.percent = numbers.shown(line.percent);
        lines.append(toQString(BreakdownListText(line, texts)));
    }
    return lines;
}

} // namespace

CStudentSummaryDlg::CStudentSummaryDlg(DialogHost& host, QWidget* parent)
    : QDialog(parent), m_host(host), m_list(MakeList(this, tr("Students"))),
      m_ok(MakeButton(tr("OK"), this)) {
    setWindowTitle(tr("Student Summary"));

    auto* values = new QWidget(this);
    auto* form = new QFormLayout(values);
    form->setContentsMargins(0, 0, 0, 0);
    m_total = AddValueRow(form, tr("Current Total:"), values);
    m_possible = AddValueRow(form, tr("Current Possible:"), values);
    m_percent = AddValueRow(form, tr("Current Percent:"), values);
    m_grade = AddValueRow(form, tr("Current Grade"), values);
    // Only a class with categories shows how its percent came about.
    if (m_host.data().HasPolicy()) {
        m_breakdown = new QListWidget(values);
        m_breakdown->setAccessibleName(tr("By Category"));
        m_breakdown->setSelectionMode(QAbstractItemView::NoSelection);
        // Room for the longest category line of any student, with its drops, read without
        // scrolling in any language; a page of drops at most.
        const QFontMetrics metrics = m_breakdown->fontMetrics();
        const int letter = metrics.averageCharWidth();
        int widest = letter * 48;
        const CMarkwiseDoc& doc = m_host.data();
        const ReportTexts texts = TranslatedReportTexts();
        for (int s = 0; s < doc.StudentsInUse(); ++s) {
            for (const QString& line : BreakdownTexts(doc, s, texts))
                widest = std::max(widest, metrics.horizontalAdvance(line));
        }
        m_breakdown->setMinimumWidth(std::min(widest, letter * 90) + 2 * m_breakdown->frameWidth() +
                                     letter * 2);
        form->addRow(tr("By Category:"), m_breakdown);
    }
    LayOutBesideList(this, tr("Select Student:"), m_list, {values}, {m_ok});

    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &CStudentSummaryDlg::accept);
    connect(m_list, &QListWidget::currentRowChanged, this, &CStudentSummaryDlg::ShowStudent);

    FillList(m_list, StudentLines(m_host.data()), 0);
    ShowStudent(m_list->currentRow());
    m_list->setFocus();
}

int CStudentSummaryDlg::exec() {
    if (m_host.data().StudentsInUse() == 0)
        return Rejected;
    return QDialog::exec();
}

void CStudentSummaryDlg::ShowStudent(int student) {
    if (student < 0)
        return;
    const CMarkwiseDoc& doc = m_host.data();
    ShowNumber(m_total, doc.GetTotalReceived(student));
    ShowNumber(m_possible, doc.GetTotalPossible(student));
    ShowNumber(m_percent, doc.GetPercent(student));
    m_grade->setText(toQString(doc.GetLetterGrade(student, m_host.currentCutoffs())));
    if (m_breakdown) {
        m_breakdown->clear();
        m_breakdown->addItems(BreakdownTexts(doc, student, TranslatedReportTexts()));
    }
}

} // namespace markwise
