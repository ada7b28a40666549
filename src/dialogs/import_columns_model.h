#pragma once

#include "core/csv_sheet.h"

#include <QAbstractTableModel>
#include <QStyledItemDelegate>
#include <vector>

namespace markwise {

class CMarkwiseDoc;
struct MergePlan;

// The rows of the import's column list: what each column of the file becomes, its points
// possible and, importing scores, the class's assignment it goes into. A table of items
// rather than of widgets, so that a file of two hundred columns opens at once.
class ImportColumnsModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { FileColumn, Becomes, Points, GoesInto, Note, ColumnCount };

    // doc and plan: the class scores are imported into and the merge as first planned;
    // null for a file opened as a new class.
    ImportColumnsModel(const CsvSheet& sheet, const CMarkwiseDoc* doc, const MergePlan* plan,
                       QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // Becomes and GoesInto take their choice's number (a CsvColumnUse, an assignment or
    // kNewAssignment), Points its text as typed.
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

    // The Becomes captions, in CsvColumnUse order, and the choices a GoesInto cell offers.
    const QStringList& UseCaptions() const { return m_useCaptions; }
    std::vector<std::pair<QString, int>> Targets() const;

    // The columns as set now; false with the column named (and its row in refusedRow) when a
    // points box holds no number.
    bool Choices(std::vector<CsvColumnChoice>& choices, std::vector<int>& targets, QString& error,
                 int* refusedRow = nullptr) const;

private:
    struct Row {
        CsvColumnUse use;
        int target;
        QString points; // as the file gives or the teacher types them
        QString note;
    };
    // A column going into one of the class's assignments keeps the class's points.
    bool KeepsClassPoints(const Row& row) const;
    QString PointsShown(const Row& row) const;

    const CsvSheet& m_sheet;
    const CMarkwiseDoc* m_doc;
    QStringList m_useCaptions;
    std::vector<Row> m_rows;
};

// Edits the Becomes and GoesInto cells with a list and the points with a line, and draws
// the lists' cells as lists, so that they look like what they are.
class ImportColumnsDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    // The widest Becomes caption in the font last asked about: the same for every row.
    mutable QFont m_captionFont;
    mutable int m_captionWidth = -1;
};

// The captions of the "Becomes" choices, in CsvColumnUse order.
QStringList ColumnUseCaptions();

} // namespace markwise
