#include "import_columns_model.h"

// The texts here keep the dialog's translation context, "CImportColumnsDlg".

#include "core/csv_merge.h"
#include "core/markwise_doc.h"
#include "core/number_text.h"
#include "framework/text.h"
#include "framework/ui_language.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPainter>

namespace markwise {

namespace {

QString Number(double value) {
    return toQString(NumberForm().shown(FormatShortest(value)));
}

bool IsList(int column) {
    return column == ImportColumnsModel::Becomes || column == ImportColumnsModel::GoesInto;
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

ImportColumnsModel::ImportColumnsModel(const CsvSheet& sheet, const CMarkwiseDoc* doc,
                                       const MergePlan* plan, QObject* parent)
    : QAbstractTableModel(parent), m_sheet(sheet), m_doc(doc), m_useCaptions(ColumnUseCaptions()) {
    m_rows.reserve(sheet.columns.size());
    std::size_t scores = 0; // the sheet's assignment columns, in order
    for (const CsvColumnChoice& choice : sheet.columns) {
        const bool isScores = choice.use == CsvColumnUse::Scores;
        Row row{choice.use, kNewAssignment, {}, translated(choice.reason)};
        if (isScores)
            row.points = Number(choice.points.value_or(choice.proposedPoints));
        if (isScores && doc != nullptr && plan != nullptr && scores < plan->columns.size()) {
            const MergeColumnMatch& match = plan->columns[scores];
            row.target = match.target;
            if (match.loose)
                row.note = QCoreApplication::translate(
                    "CImportColumnsDlg", "Matched by its title without the platform's marks.");
        }
        if (isScores && !choice.points && row.target == kNewAssignment)
            row.note = QCoreApplication::translate(
                           "CImportColumnsDlg",
                           "The file gives no points possible: %1 is only the highest "
                           "score. Check it.")
                           .arg(Number(choice.proposedPoints));
        if (isScores)
            ++scores;
        m_rows.push_back(std::move(row));
    }
}

int ImportColumnsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_rows.size());
}

int ImportColumnsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

bool ImportColumnsModel::KeepsClassPoints(const Row& row) const {
    return m_doc != nullptr && row.target != kNewAssignment;
}

QString ImportColumnsModel::PointsShown(const Row& row) const {
    if (row.use != CsvColumnUse::Scores)
        return {};
    return KeepsClassPoints(row) ? Number(m_doc->m_assignments[row.target].m_pointsPossible)
                                 : row.points;
}

QVariant ImportColumnsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || std::size_t(index.row()) >= m_rows.size())
        return {};
    const Row& row = m_rows[std::size_t(index.row())];
    const bool isScores = row.use == CsvColumnUse::Scores;
    if (role == Qt::EditRole) {
        switch (index.column()) {
        case Becomes:
            return int(row.use);
        case GoesInto:
            return row.target;
        case Points:
            return PointsShown(row);
        default:
            return {};
        }
    }
    if (role == Qt::ToolTipRole && index.column() == Note && !row.note.isEmpty())
        return row.note;
    // The class's own points, shown but not to be changed here.
    if (role == Qt::ForegroundRole && index.column() == Points &&
        !(flags(index) & Qt::ItemIsEditable))
        return QGuiApplication::palette().brush(QPalette::Disabled, QPalette::Text);
    if (role != Qt::DisplayRole)
        return {};
    switch (index.column()) {
    case FileColumn:
        return toQString(m_sheet.columns[std::size_t(index.row())].header);
    case Becomes:
        return m_useCaptions.value(int(row.use));
    case Points:
        return PointsShown(row);
    case GoesInto:
        if (!isScores)
            return {};
        return row.target == kNewAssignment
                   ? QCoreApplication::translate("CImportColumnsDlg", "A new assignment")
                   : toQString(m_doc->m_assignments[row.target].m_title);
    case Note:
        return row.note;
    default:
        return {};
    }
}

QVariant ImportColumnsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    const QStringList captions{QCoreApplication::translate("CImportColumnsDlg", "Column"),
                               QCoreApplication::translate("CImportColumnsDlg", "Becomes"),
                               QCoreApplication::translate("CImportColumnsDlg", "Points possible"),
                               QCoreApplication::translate("CImportColumnsDlg", "Goes into"),
                               QCoreApplication::translate("CImportColumnsDlg", "Note")};
    return captions.value(section);
}

Qt::ItemFlags ImportColumnsModel::flags(const QModelIndex& index) const {
    if (!index.isValid() || std::size_t(index.row()) >= m_rows.size())
        return Qt::NoItemFlags;
    const Row& row = m_rows[std::size_t(index.row())];
    const bool isScores = row.use == CsvColumnUse::Scores;
    // Every cell can be the current one, so that the arrow keys go straight up and down.
    const Qt::ItemFlags shown = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    const Qt::ItemFlags editable = shown | Qt::ItemIsEditable;
    switch (index.column()) {
    case Becomes:
        return editable;
    // Points belong to a new assignment's scores only; only scores go into an assignment.
    case Points:
        return isScores && !KeepsClassPoints(row) ? editable : shown;
    case GoesInto:
        return isScores && m_doc != nullptr ? editable : shown;
    default:
        return shown;
    }
}

bool ImportColumnsModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable))
        return false;
    Row& row = m_rows[std::size_t(index.row())];
    switch (index.column()) {
    case Becomes: {
        const int use = value.toInt();
        if (use < 0 || use > int(CsvColumnUse::Scores))
            return false;
        row.use = CsvColumnUse(use);
        break;
    }
    case GoesInto: {
        const int target = value.toInt();
        if (target != kNewAssignment && (target < 0 || target >= m_doc->AssignmentsInUse()))
            return false;
        row.target = target;
        break;
    }
    case Points:
        row.points = value.toString();
        break;
    default:
        return false;
    }
    // A choice changes what the row's other cells show and allow.
    emit dataChanged(this->index(index.row(), Becomes), this->index(index.row(), GoesInto));
    return true;
}

std::vector<std::pair<QString, int>> ImportColumnsModel::Targets() const {
    std::vector<std::pair<QString, int>> targets{
        {QCoreApplication::translate("CImportColumnsDlg", "A new assignment"), kNewAssignment}};
    for (int a = 0; m_doc != nullptr && a < m_doc->AssignmentsInUse(); ++a)
        targets.emplace_back(toQString(m_doc->m_assignments[a].m_title), a);
    return targets;
}

bool ImportColumnsModel::Choices(std::vector<CsvColumnChoice>& choices, std::vector<int>& targets,
                                 QString& error, int* refusedRow) const {
    choices = m_sheet.columns;
    targets.clear();
    for (std::size_t r = 0; r < m_rows.size(); ++r) {
        const Row& row = m_rows[r];
        CsvColumnChoice& choice = choices[r];
        choice.use = row.use;
        choice.points.reset();
        if (row.use != CsvColumnUse::Scores)
            continue;
        targets.push_back(row.target);
        if (KeepsClassPoints(row))
            continue; // the class keeps its own points
        double points = 0.0;
        if (!ParseNumber(NumberForm().typed(fromQString(row.points.trimmed())), points)) {
            error = QCoreApplication::translate(
                        "CImportColumnsDlg",
                        "Column \"%1\": please enter a number in \"Points possible\".")
                        .arg(toQString(choice.header));
            if (refusedRow != nullptr)
                *refusedRow = int(r);
            return false;
        }
        choice.points = points;
    }
    return true;
}

QWidget* ImportColumnsDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                             const QModelIndex& index) const {
    if (!IsList(index.column()))
        return QStyledItemDelegate::createEditor(parent, option, index);
    auto* box = new QComboBox(parent);
    const auto* model = qobject_cast<const ImportColumnsModel*>(index.model());
    if (model != nullptr && index.column() == ImportColumnsModel::Becomes)
        box->addItems(model->UseCaptions());
    else if (model != nullptr)
        for (const auto& [caption, target] : model->Targets())
            box->addItem(caption, target);
    // A choice counts as soon as it is made, as a list in a form would.
    connect(box, &QComboBox::currentIndexChanged, this,
            [this, box] { emit const_cast<ImportColumnsDelegate*>(this)->commitData(box); });
    return box;
}

void ImportColumnsDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    auto* box = qobject_cast<QComboBox*>(editor);
    if (box == nullptr)
        return QStyledItemDelegate::setEditorData(editor, index);
    const QSignalBlocker quiet(box);
    const int value = index.data(Qt::EditRole).toInt();
    box->setCurrentIndex(index.column() == ImportColumnsModel::Becomes ? value
                                                                       : box->findData(value));
}

void ImportColumnsDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                         const QModelIndex& index) const {
    auto* box = qobject_cast<QComboBox*>(editor);
    if (box == nullptr)
        return QStyledItemDelegate::setModelData(editor, model, index);
    model->setData(index, index.column() == ImportColumnsModel::Becomes
                              ? box->currentIndex()
                              : box->currentData().toInt());
}

void ImportColumnsDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                  const QModelIndex& index) const {
    if (!IsList(index.column()) || !(index.flags() & Qt::ItemIsEditable))
        return QStyledItemDelegate::paint(painter, option, index);
    QStyleOptionComboBox box;
    box.rect = option.rect;
    box.state = option.state | QStyle::State_Enabled;
    box.palette = option.palette;
    box.fontMetrics = option.fontMetrics;
    box.currentText = index.data().toString();
    box.editable = false;
    QStyle* style = option.widget ? option.widget->style() : QApplication::style();
    style->drawComplexControl(QStyle::CC_ComboBox, &box, painter, option.widget);
    style->drawControl(QStyle::CE_ComboBoxLabel, &box, painter, option.widget);
}

QSize ImportColumnsDelegate::sizeHint(const QStyleOptionViewItem& option,
                                      const QModelIndex& index) const {
    const QSize text = QStyledItemDelegate::sizeHint(option, index);
    if (!IsList(index.column()))
        return text;
    // The widest choice, with the list's frame and arrow.
    int widest = text.width();
    const QFontMetrics metrics = option.fontMetrics;
    const auto* model = qobject_cast<const ImportColumnsModel*>(index.model());
    if (model != nullptr && index.column() == ImportColumnsModel::Becomes) {
        if (m_captionWidth < 0 || m_captionFont != option.font) {
            m_captionFont = option.font;
            m_captionWidth = 0;
            for (const QString& caption : model->UseCaptions())
                m_captionWidth = std::max(m_captionWidth, metrics.horizontalAdvance(caption));
        }
        widest = std::max(widest, m_captionWidth);
    }
    QStyleOptionComboBox box;
    box.fontMetrics = metrics;
    const QStyle* style = option.widget ? option.widget->style() : QApplication::style();
    return style->sizeFromContents(QStyle::CT_ComboBox, &box, QSize(widest, text.height()),
                                   option.widget);
}

} // namespace markwise
