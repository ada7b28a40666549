#include "import_columns_dlg.h"

#include "dialog_layout.h"
#include "framework/ui_seam.h"
#include "import_columns_model.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>

namespace markwise {

CImportColumnsDlg::CImportColumnsDlg(const CsvSheet& sheet, const CMarkwiseDoc* doc,
                                     const MergePlan* plan, const QString& fileName,
                                     QWidget* parent)
    : QDialog(parent), m_model(new ImportColumnsModel(sheet, doc, plan, this)),
      m_table(new QTableView(this)), m_ok(MakeButton(tr("OK"), this)) {
    setWindowTitle(tr("Columns of %1").arg(fileName));
    m_table->setModel(m_model);
    m_table->setItemDelegate(new ImportColumnsDelegate(m_table));
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    // A click opens a list at once; the keyboard opens it with F2 or by typing.
    m_table->setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
    connect(m_table, &QTableView::clicked, m_table, [this](const QModelIndex& index) {
        if (!(index.flags() & Qt::ItemIsEditable))
            return;
        m_table->edit(index);
        if (auto* list = qobject_cast<QComboBox*>(m_table->indexWidget(index)))
            list->showPopup();
    });
    m_table->verticalHeader()->hide();
    m_table->setWordWrap(false); // a note too long for its cell ends in "..."; its tip has it all
    m_table->setColumnHidden(ImportColumnsModel::GoesInto, doc == nullptr);
    // Sized once to what the columns hold, then the teacher's to change; wide enough to show
    // every note whole where the screen allows.
    m_table->resizeColumnsToContents();
    int width = 2 * m_table->frameWidth() + m_table->verticalScrollBar()->sizeHint().width();
    for (int column = 0; column < m_model->columnCount(); ++column)
        width += m_table->isColumnHidden(column) ? 0 : m_table->columnWidth(column);
    m_table->horizontalHeader()->setStretchLastSection(true);
    // Tall enough for a Moodle or Canvas export's identity and profile columns and a few
    // scores, as the screen allows.
    const QRect room = screen()->availableGeometry();
    const int rows = std::min(m_model->rowCount(), 15);
    const int height = m_table->horizontalHeader()->sizeHint().height() +
                       rows * m_table->verticalHeader()->defaultSectionSize() +
                       2 * m_table->frameWidth();
    m_table->setMinimumSize(
        std::min(width, room.width() * 9 / 10),
        std::min(std::max(height, fontMetrics().height() * 10), room.height() * 6 / 10));

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
    return m_model->Choices(choices, targets, error);
}

void CImportColumnsDlg::accept() {
    // A box still open counts as typed.
    const QModelIndex current = m_table->currentIndex();
    if (QWidget* editor = m_table->indexWidget(current))
        m_table->itemDelegate()->setModelData(editor, m_model, current);
    std::vector<CsvColumnChoice> choices;
    std::vector<int> targets;
    QString error;
    int refusedRow = 0;
    if (!m_model->Choices(choices, targets, error, &refusedRow)) {
        UiSeam::tell(this, error);
        // Straight to the box to mend.
        const QModelIndex points = m_model->index(refusedRow, ImportColumnsModel::Points);
        m_table->setCurrentIndex(points);
        m_table->scrollTo(points);
        m_table->edit(points);
        return;
    }
    QDialog::accept();
}

} // namespace markwise
