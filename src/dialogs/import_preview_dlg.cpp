#include "import_preview_dlg.h"

#include "core/markwise_doc.h"
#include "core/number_text.h"
#include "dialog_layout.h"
#include "framework/text.h"
#include "framework/ui_language.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace markwise {

namespace {

// one and many are marked for translation in the context CImportPreviewDlg.
QString Counted(qsizetype count, const char* one, const char* many) {
    return QStringLiteral("%1 %2").arg(count).arg(
        QCoreApplication::translate("CImportPreviewDlg", count == 1 ? one : many));
}

// "EX" and "M" as the sheet shows marked scores; numbers exactly, as the file gives them.
QString ScoreText(double score, ScoreMark mark) {
    if (const std::string_view text = MarkText(AgreeingMark(score, mark)); !text.empty())
        return toQString(text);
    return score == MISSING_SCORE ? toQString(kMissingScoreText)
                                  : toQString(NumberForm().shown(FormatShortest(score)));
}

// The title of assignment a, which may be one the plan adds after the class's own.
QString AssignmentTitle(const CMarkwiseDoc& doc, const MergePlan& plan, int a) {
    const int count = doc.AssignmentsInUse();
    if (a < count)
        return toQString(doc.m_assignments[a].m_title);
    const std::size_t added = std::size_t(a - count);
    return added < plan.added.size() ? toQString(plan.added[added].title) : QString();
}

QTreeWidgetItem* Section(QTreeWidget* tree, const QString& heading) {
    auto* item = new QTreeWidgetItem(tree, {heading});
    item->setFirstColumnSpanned(true);
    QFont bold = item->font(0);
    bold.setBold(true);
    item->setFont(0, bold);
    item->setExpanded(true);
    return item;
}

} // namespace

std::optional<MergeMatch> ChooseMergeMatch(QWidget* parent, const CsvSheet& sheet) {
    QDialog dialog(parent);
    dialog.setWindowTitle(QCoreApplication::translate("CImportPreviewDlg", "Import Scores"));
    auto* byId = new QRadioButton(
        QCoreApplication::translate("CImportPreviewDlg", "By &student ID"), &dialog);
    auto* byName = new QRadioButton(
        QCoreApplication::translate("CImportPreviewDlg", "By &last and first name"), &dialog);
    (sheet.hasIds || !sheet.hasNames ? byId : byName)->setChecked(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLabel(
        QCoreApplication::translate("CImportPreviewDlg", "Match the file's rows to students:"),
        &dialog));
    layout->addWidget(byId);
    layout->addWidget(byName);
    layout->addWidget(buttons);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return byId->isChecked() ? MergeMatch::Id : MergeMatch::Name;
}

CImportPreviewDlg::CImportPreviewDlg(const CMarkwiseDoc& doc, const MergePlan& plan,
                                     const QString& fileName, QWidget* parent)
    : QDialog(parent), m_plan(plan), m_summary(new QLabel(this)), m_details(new QTreeWidget(this)),
      m_apply(MakeButton(tr("Apply"), this)), m_cancel(MakeButton(tr("Cancel"), this)) {
    setWindowTitle(tr("Import Scores from %1").arg(fileName));
    m_summary->setText(SummaryText());
    m_summary->setWordWrap(true);

    m_details->setColumnCount(4);
    m_details->setHeaderLabels({tr("Student"), tr("Assignment"), tr("Old"), tr("New")});
    m_details->setRootIsDecorated(false);
    m_details->setUniformRowHeights(true);
    m_details->setSelectionMode(QAbstractItemView::NoSelection);
    AddSections(doc);
    m_details->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_details->setMinimumSize(fontMetrics().averageCharWidth() * 80, fontMetrics().height() * 18);

    // Nothing to change: Apply would only make an empty step to undo.
    m_apply->setEnabled(!plan.added.empty() || !plan.changes.empty());
    m_apply->setDefault(m_apply->isEnabled());
    // The focus on a button, so no line of the list looks picked out.
    (m_apply->isEnabled() ? m_apply : m_cancel)->setFocus();
    connect(m_apply, &QPushButton::clicked, this, &CImportPreviewDlg::accept);
    connect(m_cancel, &QPushButton::clicked, this, &CImportPreviewDlg::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_summary);
    layout->addWidget(m_details, 1);
    layout->addLayout(MakeButtonRow({m_apply, m_cancel}));
}

QString CImportPreviewDlg::SummaryText() const {
    return QStringLiteral("%1, %2, %3, %4.")
        .arg(Counted(m_plan.matched, QT_TRANSLATE_NOOP("CImportPreviewDlg", "student matched"),
                     QT_TRANSLATE_NOOP("CImportPreviewDlg", "students matched")),
             Counted(qsizetype(m_plan.skipped.size()),
                     QT_TRANSLATE_NOOP("CImportPreviewDlg", "row skipped"),
                     QT_TRANSLATE_NOOP("CImportPreviewDlg", "rows skipped")),
             Counted(qsizetype(m_plan.added.size()),
                     QT_TRANSLATE_NOOP("CImportPreviewDlg", "assignment added"),
                     QT_TRANSLATE_NOOP("CImportPreviewDlg", "assignments added")),
             Counted(qsizetype(m_plan.changes.size()),
                     QT_TRANSLATE_NOOP("CImportPreviewDlg", "score changed"),
                     QT_TRANSLATE_NOOP("CImportPreviewDlg", "scores changed")));
}

void CImportPreviewDlg::AddSections(const CMarkwiseDoc& doc) {
    if (!m_plan.leftOut.empty()) {
        QTreeWidgetItem* section =
            Section(m_details, tr("Columns left out (the columns list says why)"));
        for (const std::string& title : m_plan.leftOut) {
            auto* line = new QTreeWidgetItem(section, {QString::fromStdString(title)});
            line->setFirstColumnSpanned(true);
        }
    }
    if (!m_plan.skipped.empty()) {
        QTreeWidgetItem* section = Section(m_details, tr("Rows skipped: no student matches them"));
        for (const MergeSkippedRow& row : m_plan.skipped) {
            auto* line = new QTreeWidgetItem(
                section, {tr("line %1: %2").arg(row.line).arg(toQString(row.name))});
            line->setFirstColumnSpanned(true);
        }
    }
    if (!m_plan.added.empty()) {
        QTreeWidgetItem* section = Section(m_details, tr("Assignments added"));
        for (const CsvAssignmentColumn& column : m_plan.added) {
            auto* line = new QTreeWidgetItem(
                section,
                {QString(), toQString(column.title), QString(),
                 tr("%1 points")
                     .arg(toQString(NumberForm().shown(FormatShortest(column.pointsPossible))))});
            line->setToolTip(1, toQString(column.description));
        }
    }
    if (!m_plan.changes.empty()) {
        QTreeWidgetItem* section = Section(m_details, tr("Scores changed"));
        for (const MergeScoreChange& change : m_plan.changes) {
            new QTreeWidgetItem(section, {toQString(doc.GetFullName(change.student)),
                                          AssignmentTitle(doc, m_plan, change.assignment),
                                          ScoreText(change.oldScore, change.oldMark),
                                          ScoreText(change.newScore, change.newMark)});
        }
    }
    if (m_details->topLevelItemCount() == 0) {
        auto* line = new QTreeWidgetItem(m_details, {tr("The file changes no score.")});
        line->setFirstColumnSpanned(true);
    }
    m_details->expandAll();
}

} // namespace markwise
