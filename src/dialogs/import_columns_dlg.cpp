#include "import_columns_dlg.h"

#include "core/markwise_doc.h"
#include "core/number_text.h"
#include "dialog_layout.h"
#include "framework/text.h"
#include "framework/ui_language.h"
#include "framework/ui_seam.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace markwise {

namespace {

QString Number(double value) {
    return toQString(NumberForm().shown(FormatShortest(value)));
}

} // namespace

QStringList ColumnUseCaptions() {
    return {QCoreApplication::translate("CImportColumnsDlg", "Ignored"),
            QCoreApplication::translate("CImportColumnsDlg", "Last name"),
            QCoreApplication::translate("CImportColumnsDlg", "First name"),
            QCoreApplication::translate("CImportColumnsDlg", "Name (last, first)"),
            QCoreApplication::translate("CImportColumnsDlg", "Student ID"),
            QCoreApplication::translate("CImportColumnsDlg", "Grade level"),
            QCoreApplication::translate("CImportColumnsDlg", "Book number"),
            QCoreApplication::translate("CImportColumnsDlg", "Phone"),
            QCoreApplication::translate("CImportColumnsDlg", "Scores")};
}

CImportColumnsDlg::CImportColumnsDlg(const CsvSheet& sheet, const CMarkwiseDoc* doc,
                                     const MergePlan* plan, const QString& fileName,
                                     QWidget* parent)
    : QDialog(parent), m_sheet(sheet),
      m_table(new QTableWidget(int(sheet.columns.size()), 5, this)),
      m_ok(MakeButton(tr("OK"), this)) {
    setWindowTitle(tr("Columns of %1").arg(fileName));
    m_table->setHorizontalHeaderLabels(
        {tr("Column"), tr("Becomes"), tr("Points possible"), tr("Goes into"), tr("Note")});
    m_table->verticalHeader()->hide();
    m_table->setColumnHidden(GoesInto, doc == nullptr);
    std::size_t scores = 0; // the sheet's assignment columns, in order
    for (int row = 0; row < m_table->rowCount(); ++row) {
        const CsvColumnChoice& choice = sheet.columns[std::size_t(row)];
        auto* header = new QTableWidgetItem(toQString(choice.header));
        header->setFlags(Qt::ItemIsEnabled);
        m_table->setItem(row, FileColumn, header);
        auto* becomes = new QComboBox(m_table);
        becomes->addItems(ColumnUseCaptions());
        becomes->setCurrentIndex(int(choice.use));
        m_table->setCellWidget(row, Becomes, becomes);
        auto* points = new QLineEdit(m_table);
        QString note = translated(choice.reason);
        if (choice.use == CsvColumnUse::Scores)
            points->setText(Number(choice.points.value_or(choice.proposedPoints)));
        m_table->setCellWidget(row, Points, points);
        QComboBox* into = nullptr;
        if (doc != nullptr) {
            into = new QComboBox(m_table);
            into->addItem(tr("A new assignment"), kNewAssignment);
            for (int a = 0; a < doc->AssignmentsInUse(); ++a)
                into->addItem(toQString(doc->m_assignments[a].m_title), a);
            if (choice.use == CsvColumnUse::Scores && plan != nullptr &&
                scores < plan->columns.size()) {
                const MergeColumnMatch& match = plan->columns[scores];
                into->setCurrentIndex(into->findData(match.target));
                if (match.loose)
                    note = tr("Matched by its title without the platform's marks.");
            }
            m_table->setCellWidget(row, GoesInto, into);
        }
        const bool intoNew = into == nullptr || into->currentData().toInt() == kNewAssignment;
        if (choice.use == CsvColumnUse::Scores && !choice.points && intoNew)
            note = tr("The file gives no points possible: %1 is only the highest "
                      "score. Check it.")
                       .arg(Number(choice.proposedPoints));
        // Points belong to a new assignment's scores only: one the class has keeps its own,
        // which the box then shows. Only scores go into an assignment.
        const auto showPoints = [doc, becomes, points, into, filePoints = points->text()] {
            const int target = into ? into->currentData().toInt() : kNewAssignment;
            const bool ours = doc != nullptr && target != kNewAssignment;
            const bool scores = becomes->currentIndex() == int(CsvColumnUse::Scores);
            if (into)
                into->setEnabled(scores);
            points->setEnabled(scores && !ours);
            points->setText(ours ? Number(doc->m_assignments[target].m_pointsPossible)
                                 : filePoints);
        };
        showPoints();
        connect(becomes, &QComboBox::currentIndexChanged, points, showPoints);
        if (into)
            connect(into, &QComboBox::currentIndexChanged, points, showPoints);
        if (choice.use == CsvColumnUse::Scores)
            ++scores;
        auto* noteItem = new QTableWidgetItem(note);
        noteItem->setFlags(Qt::ItemIsEnabled);
        noteItem->setToolTip(note);
        m_table->setItem(row, Note, noteItem);
    }
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_table->horizontalHeader()->setStretchLastSection(true);
    // Importing scores adds the "Goes into" column: room for it beside the notes.
    m_table->setMinimumSize(fontMetrics().averageCharWidth() * (doc != nullptr ? 140 : 110),
                            fontMetrics().height() * 20);

    auto* cancel = MakeButton(tr("Cancel"), this);
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &CImportColumnsDlg::accept);
    connect(cancel, &QPushButton::clicked, this, &CImportColumnsDlg::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(
        tr("Each column of the file and what it becomes. Change any that is wrong."), this));
    layout->addWidget(m_table, 1);
    layout->addLayout(MakeButtonRow({m_ok, cancel}));
}

bool CImportColumnsDlg::Choices(std::vector<CsvColumnChoice>& choices, std::vector<int>& targets,
                                QString& error) const {
    choices = m_sheet.columns;
    targets.clear();
    for (int row = 0; row < m_table->rowCount(); ++row) {
        CsvColumnChoice& choice = choices[std::size_t(row)];
        choice.use = CsvColumnUse(
            static_cast<QComboBox*>(m_table->cellWidget(row, Becomes))->currentIndex());
        choice.points.reset();
        if (choice.use != CsvColumnUse::Scores)
            continue;
        auto* into = static_cast<QComboBox*>(m_table->cellWidget(row, GoesInto));
        const int target = into ? into->currentData().toInt() : kNewAssignment;
        targets.push_back(target);
        if (target != kNewAssignment)
            continue; // the class keeps its own points
        double points = 0.0;
        const QString text =
            static_cast<QLineEdit*>(m_table->cellWidget(row, Points))->text().trimmed();
        if (!ParseNumber(NumberForm().typed(fromQString(text)), points)) {
            error = tr("Column \"%1\": please enter a number in \"Points possible\".")
                        .arg(m_table->item(row, FileColumn)->text());
            return false;
        }
        choice.points = points;
    }
    return true;
}

void CImportColumnsDlg::accept() {
    std::vector<CsvColumnChoice> choices;
    std::vector<int> targets;
    QString error;
    if (!Choices(choices, targets, error)) {
        UiSeam::tell(this, error);
        return;
    }
    QDialog::accept();
}

} // namespace markwise
