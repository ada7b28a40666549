#include "sheet_accessible.h"

#include "core/markwise_doc.h"
#include "core/number_text.h"
#include "framework/text.h"
#include "framework/ui_language.h"
#include "geometry/sheet_copy.h"
#include "markwise_view.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QHash>
#include <QScrollBar>

namespace markwise {
namespace {

class SheetTableAccessible;

// One cell; created on demand and owned by Qt's accessibility registry.
class SheetCellAccessible : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
    SheetCellAccessible(SheetTableAccessible* table, int row, int column)
        : m_table(table), m_row(row), m_column(column) {}

    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::TableCellInterface
                   ? static_cast<QAccessibleTableCellInterface*>(this)
                   : nullptr;
    }

    bool isSelected() const override;
    QList<QAccessibleInterface*> columnHeaderCells() const override;
    QList<QAccessibleInterface*> rowHeaderCells() const override;
    int columnIndex() const override { return m_column; }
    int rowIndex() const override { return m_row - 1; } // -1: a column header
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override;

    SheetTableAccessible* m_table;
    int m_row; // 0: the heading row (column headers); student + 1 otherwise
    int m_column;
};

class SheetTableAccessible : public QAccessibleWidget, public QAccessibleTableInterface {

    Q_DECLARE_TR_FUNCTIONS(SheetTableAccessible)
public:
    explicit SheetTableAccessible(CMarkwiseView* view)
        : QAccessibleWidget(view, QAccessible::Table, tr("Grade sheet")) {}
    ~SheetTableAccessible() override {
        for (QAccessible::Id id : std::as_const(m_cells))
            QAccessible::deleteAccessibleInterface(id);
    }

    CMarkwiseView* view() const { return static_cast<CMarkwiseView*>(widget()); }
    const CMarkwiseDoc& doc() const { return *view()->GetDocument(); }

    QString cellText(int row, int column) const {
        return toQString(SheetTableText(doc(), view()->cutoffs(), row, column));
    }
    // A body cell past the name is read with its student and heading, so a reader moving
    // down a column hears whose score it is, not a bare "11".
    QString cellName(int row, int column) const {
        const QString text = cellText(row, column);
        if (row == 0 || column == 0)
            return text;
        return QStringLiteral("%1; %2; %3").arg(cellText(row, 0), cellText(0, column), text);
    }
    QString cellDescription(int row, int column) const {
        const int a = column - 1;
        if (row == 0 || a < 0 || a >= doc().AssignmentsInUse())
            return {};
        return tr("out of %1 points")
            .arg(toQString(NumberForm().shown(FormatG(doc().m_assignments[a].m_pointsPossible))));
    }
    // Heading row 0 is kept for the column headers; the body rows are the students.
    QAccessibleInterface* cell(int row, int column) const {
        if (row < 0 || row > doc().StudentsInUse() || column < 0 || column >= columnCount())
            return nullptr;
        const int key = row * (columnCount() + 1) + column;
        auto& cells = const_cast<QHash<int, QAccessible::Id>&>(m_cells);
        if (const auto it = cells.constFind(key); it != cells.cend()) {
            auto* existing =
                static_cast<SheetCellAccessible*>(QAccessible::accessibleInterface(*it));
            if (existing && existing->m_row == row && existing->m_column == column)
                return existing;
        }
        auto* made = new SheetCellAccessible(const_cast<SheetTableAccessible*>(this), row, column);
        cells.insert(key, QAccessible::registerAccessibleInterface(made));
        return made;
    }

    // QAccessibleInterface
    int childCount() const override { return rowCount() * columnCount(); }
    QAccessibleInterface* child(int index) const override {
        const int columns = columnCount();
        if (index < 0 || columns == 0 || index >= childCount())
            return nullptr;
        return cell(index / columns + 1, index % columns);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        const auto* c = dynamic_cast<const SheetCellAccessible*>(child);
        if (!c || c->m_row < 1)
            return -1;
        return (c->m_row - 1) * columnCount() + c->m_column;
    }
    QAccessibleInterface* focusChild() const override {
        const SheetCell current = view()->currentCell();
        return current.student < 0 ? nullptr
                                   : cell(current.student + 1, AccessibleColumnOf(current));
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TableInterface)
            return static_cast<QAccessibleTableInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    // QAccessibleTableInterface
    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override {
        return row < 0 ? nullptr : cell(row + 1, column);
    }
    int columnCount() const override { return doc().AssignmentsInUse() + 4; }
    int rowCount() const override { return doc().StudentsInUse(); }
    QString columnDescription(int column) const override { return cellText(0, column); }
    QString rowDescription(int row) const override { return cellText(row + 1, 0); }
    int selectedCellCount() const override { return focusChild() ? 1 : 0; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    QList<QAccessibleInterface*> selectedCells() const override {
        QAccessibleInterface* current = focusChild();
        return current ? QList<QAccessibleInterface*>{current} : QList<QAccessibleInterface*>{};
    }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

private:
    QHash<int, QAccessible::Id> m_cells;
};

bool SheetCellAccessible::isValid() const {
    return m_table && m_table->isValid() && m_row <= m_table->rowCount() &&
           m_column < m_table->columnCount();
}
QWindow* SheetCellAccessible::window() const {
    return m_table->window();
}
QAccessibleInterface* SheetCellAccessible::parent() const {
    return m_table;
}
QAccessibleInterface* SheetCellAccessible::table() const {
    return m_table;
}
QString SheetCellAccessible::text(QAccessible::Text t) const {
    switch (t) {
    case QAccessible::Name:
        return m_table->cellName(m_row, m_column);
    case QAccessible::Value:
        return m_table->cellText(m_row, m_column);
    case QAccessible::Description:
        return m_table->cellDescription(m_row, m_column);
    default:
        return {};
    }
}
bool SheetCellAccessible::isSelected() const {
    const SheetCell current = m_table->view()->currentCell();
    return m_row > 0 && current.student == m_row - 1 && AccessibleColumnOf(current) == m_column;
}
QAccessible::State SheetCellAccessible::state() const {
    QAccessible::State s;
    s.focusable = m_row > 0;
    s.selectable = m_row > 0;
    s.focused = s.selected = isSelected();
    s.invisible = rect().isEmpty();
    return s;
}
QList<QAccessibleInterface*> SheetCellAccessible::columnHeaderCells() const {
    if (m_row == 0)
        return {};
    return {m_table->cell(0, m_column)};
}
QList<QAccessibleInterface*> SheetCellAccessible::rowHeaderCells() const {
    if (m_row == 0 || m_column == 0)
        return {};
    return {m_table->cell(m_row, 0)};
}
QRect SheetCellAccessible::rect() const {
    CMarkwiseView* view = m_table->view();
    if (m_row == 0 || m_column > view->GetDocument()->AssignmentsInUse())
        return {};
    const SheetCell cell{m_row - 1, m_column - 1};
    const CellBox box =
        SheetCellBox(cell, view->firstAssignment(), view->VisibleColumnCount(), view->rowHeight());
    if (!box.visible)
        return {};
    const QPoint at(box.x - view->horizontalScrollBar()->value(),
                    box.y - view->verticalScrollBar()->value());
    return QRect(view->viewport()->mapToGlobal(at), QSize(box.width, box.height));
}

QAccessibleInterface* sheetFactory(const QString&, QObject* object) {
    if (auto* view = qobject_cast<CMarkwiseView*>(object))
        return new SheetTableAccessible(view);
    return nullptr;
}

} // namespace

void InstallSheetAccessibility() {
    // Qt keeps one entry per factory, so installing again is harmless.
    QAccessible::installFactory(sheetFactory);
}

void NotifySheetFocus(CMarkwiseView& view, SheetCell cell) {
    if (!QAccessible::isActive() || cell.student < 0)
        return;
    const int columns = view.GetDocument()->AssignmentsInUse() + 4;
    QAccessibleEvent event(&view, QAccessible::Focus);
    event.setChild(cell.student * columns + AccessibleColumnOf(cell));
    QAccessible::updateAccessibility(&event);
}

} // namespace markwise
