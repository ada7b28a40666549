#include "sheet_keyboard.h"

#include "core/markwise_doc.h"
#include "core/number_text.h"
#include "core/policy_edit.h"
#include "framework/class_editor.h"
#include "framework/commands.h"
#include "framework/document.h"
#include "framework/text.h"
#include "framework/ui_language.h"
#include "framework/ui_seam.h"
#include "geometry/sheet_texts.h"
#include "markwise_view.h"
#include "sheet_accessible.h"
#include "sheet_cell_editor.h"
#include "view_dialogs.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>

namespace markwise {

void StoreSheetScore(CMarkwiseView& view, int assignment, int student, double score,
                     ScoreMark mark) {
    if (!view.GetDocument()->HoldsScore(assignment, student))
        return;
    // Each stored score is one step to undo.
    view.frameworkDocument().editor().apply(QCoreApplication::translate("Sheet", "Edit Assignment"),
                                            SetMarkedScoreEdit(assignment, student, score, mark));
}

SheetKeyboard::SheetKeyboard(CMarkwiseView& view) : QObject(&view), m_view(view) {
    refresh();
}

SheetExtent SheetKeyboard::extent() const {
    const CMarkwiseDoc& doc = *m_view.GetDocument();
    const int h = std::max(1, m_view.rowHeight());
    // One row of the screen is the heading line that stays at the top.
    return {doc.StudentsInUse(), doc.AssignmentsInUse(),
            std::max(1, m_view.viewport()->height() / h - 1)};
}

QRect SheetKeyboard::viewportRect(SheetCell cell) const {
    const CellBox box = SheetCellBox(cell, m_view.firstAssignment(), m_view.VisibleColumnCount(),
                                     m_view.rowHeight());
    if (!box.visible)
        return {};
    return QRect(box.x - m_view.horizontalScrollBar()->value(),
                 box.y - m_view.verticalScrollBar()->value(), box.width, box.height);
}

ScoreBlock SheetKeyboard::block() const {
    if (!m_cell.IsScore())
        return {};
    const SheetCell corner = m_anchor.IsScore() ? m_anchor : m_cell;
    return {std::min(corner.student, m_cell.student), std::max(corner.student, m_cell.student),
            std::min(corner.column, m_cell.column), std::max(corner.column, m_cell.column)};
}

void SheetKeyboard::setCell(SheetCell cell, bool extend) {
    cell = ClampCell(cell, extent());
    const QRect before = viewportRect(m_cell);
    const bool hadBlock = m_anchor.IsScore();
    m_anchor =
        extend && m_cell.IsScore() && cell.IsScore() ? (hadBlock ? m_anchor : m_cell) : SheetCell{};
    m_cell = cell;
    if (hadBlock || m_anchor.IsScore())
        m_view.viewport()->update(); // the block's shading changes
    const CMarkwiseDoc& doc = *m_view.GetDocument();
    const int first = FirstAssignmentShowing(m_view.firstAssignment(), cell.column,
                                             m_view.VisibleColumnCount(), doc.AssignmentsInUse());
    QScrollBar* vertical = m_view.verticalScrollBar();
    const int y = ScrollYShowing(vertical->value(), cell.student, m_view.rowHeight(),
                                 m_view.viewport()->height());
    if (first != m_view.firstAssignment() || y != vertical->value()) {
        m_view.setFirstAssignment(first);
        // The range may lag one paint behind a class that just grew.
        if (y > vertical->maximum())
            m_view.UpdateScrollSizes();
        vertical->setValue(y);
        m_view.Invalidate();
    } else {
        // The frame is drawn just inside the cell; repaint only the two cells.
        m_view.viewport()->update(before.adjusted(-3, -1, 1, 1));
        m_view.viewport()->update(viewportRect(m_cell).adjusted(-3, -1, 1, 1));
    }
    NotifySheetFocus(m_view, m_cell);
}

void SheetKeyboard::refresh() {
    const SheetCell kept =
        ClampCell(m_cell.student < 0 ? SheetCell{0, kNameColumn} : m_cell, extent());
    m_cell = kept;
    if (m_anchor.IsScore())
        m_anchor = ClampCell(m_anchor, extent());
    if (m_editor && !m_cell.IsScore())
        closeEditor();
}

bool SheetKeyboard::keyPress(QKeyEvent* event) {
    // Keys that still reach the sheet while its editor is open belong to the editor.
    if (m_editor) {
        if (!m_forwarding) {
            m_forwarding = true;
            QCoreApplication::sendEvent(m_editor, event);
            m_forwarding = false;
        }
        return true;
    }
    const bool ctrl = event->modifiers() & Qt::ControlModifier;
    std::optional<CursorMove> move;
    switch (event->key()) {
    case Qt::Key_Left:
        move = CursorMove::Left;
        break;
    case Qt::Key_Right:
        move = CursorMove::Right;
        break;
    case Qt::Key_Up:
        move = CursorMove::Up;
        break;
    case Qt::Key_Down:
        move = CursorMove::Down;
        break;
    case Qt::Key_Home:
        move = ctrl ? CursorMove::FirstStudent : CursorMove::FirstAssignment;
        break;
    case Qt::Key_End:
        move = ctrl ? CursorMove::LastStudent : CursorMove::LastAssignment;
        break;
    case Qt::Key_PageUp:
        move = CursorMove::PageUp;
        break;
    case Qt::Key_PageDown:
        move = CursorMove::PageDown;
        break;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        move = TabMove(*event);
        break;
    default:
        break;
    }
    if (move) {
        const SheetCell next = MoveCell(m_cell, *move, extent());
        // At the last student the lines below (points possible, descriptions) are still
        // reached by scrolling, so an up or down key that moves no cell scrolls instead.
        const bool vertical = *move == CursorMove::Up || *move == CursorMove::Down ||
                              *move == CursorMove::PageUp || *move == CursorMove::PageDown;
        if (next == m_cell && vertical)
            return false;
        const bool tab = event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab;
        setCell(next, !tab && (event->modifiers() & Qt::ShiftModifier));
        return true;
    }
    if (m_cell.student < 0)
        return false;
    const ViewDialogs& dialogs = m_view.dialogs();
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (m_cell.IsScore() && dialogs.editAssignment)
            dialogs.editAssignment(m_view, m_cell.column, m_cell.student);
        else if (!m_cell.IsScore() && dialogs.editStudent)
            dialogs.editStudent(m_view, m_cell.student);
        return true;
    case Qt::Key_Delete:
        if (m_cell.IsScore())
            StoreSheetScore(m_view, m_cell.column, m_cell.student, MISSING_SCORE);
        return true;
    case Qt::Key_F2: // edits the score as it stands
        if (m_cell.IsScore()) {
            const CMarkwiseDoc& doc = *m_view.GetDocument();
            openEditor(
                toQString(NumberForm().shown(ScoreText(doc, m_cell.column, m_cell.student))));
        }
        return m_cell.IsScore();
    case Qt::Key_Backspace: // clears the score in the editor, stored only on Enter
        if (m_cell.IsScore())
            openEditor(QString());
        return m_cell.IsScore();
    default:
        break;
    }
    const QString text = event->text();
    if (m_cell.IsScore() && !ctrl && !text.isEmpty() && text.at(0).isPrint()) {
        openEditor(text);
        return true;
    }
    return false;
}

bool SheetKeyboard::wheel(QWheelEvent* event) {
    QPoint delta = event->angleDelta();
    // Shift+wheel arrives as vertical steps on most systems, horizontal on some.
    const bool shift = event->modifiers() & Qt::ShiftModifier;
    const int steps = delta.x() != 0 ? delta.x() : (shift ? delta.y() : 0);
    if (steps == 0)
        return false;
    const int clicks = std::max(1, std::abs(steps) / 120);
    for (int i = 0; i < clicks; ++i)
        m_view.runCommand(steps > 0 ? ID_SCROLL_LEFT : ID_SCROLL_RIGHT);
    return true;
}

void SheetKeyboard::paintFrame(QPainter& painter) const {
    const ScoreBlock selected = block();
    if (selected.Rows() * selected.Columns() > 1) {
        // The block's columns that are scrolled into view, shaded as one rectangle.
        const int first = std::max(selected.firstAssignment, m_view.firstAssignment());
        const int last = std::min(selected.lastAssignment,
                                  m_view.firstAssignment() + m_view.VisibleColumnCount() - 1);
        const auto boxOf = [this](int student, int column) {
            return SheetCellBox({student, column}, m_view.firstAssignment(),
                                m_view.VisibleColumnCount(), m_view.rowHeight());
        };
        if (first <= last) {
            const CellBox topLeft = boxOf(selected.firstStudent, first);
            const CellBox bottomRight = boxOf(selected.lastStudent, last);
            QColor shade = m_view.palette().color(QPalette::Highlight);
            shade.setAlpha(60);
            painter.fillRect(QRect(QPoint(topLeft.x - 2, topLeft.y),
                                   QPoint(bottomRight.x + bottomRight.width - 2,
                                          bottomRight.y + bottomRight.height - 1)),
                             shade);
        }
    }
    const CellBox box = SheetCellBox(m_cell, m_view.firstAssignment(), m_view.VisibleColumnCount(),
                                     m_view.rowHeight());
    if (!box.visible)
        return;
    QPen pen(m_view.palette().color(QPalette::Highlight));
    pen.setWidth(2);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.save();
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    // Texts start at the cell's left edge, so the frame sits just left of it.
    const int left = std::max(1, box.x - 2);
    painter.drawRect(QRect(left, box.y + 1, box.x + box.width - 3 - left, box.height - 2));
    painter.restore();
}

void SheetKeyboard::openEditor(const QString& text) {
    if (!m_cell.IsScore())
        return;
    if (!m_editor) {
        m_editor = new SheetCellEditor(m_view.viewport());
        connect(m_editor, &SheetCellEditor::storeRequested, this, &SheetKeyboard::storeEditor);
        connect(m_editor, &SheetCellEditor::cancelRequested, this, &SheetKeyboard::closeEditor);
    }
    m_editor->setGeometry(viewportRect(m_cell).adjusted(2, 2, -2, -2));
    m_editor->setText(text);
    m_editor->show();
    m_editor->setFocus();
}

void SheetKeyboard::storeEditor(CursorMove then) {
    if (!m_editor || !m_cell.IsScore())
        return;
    const std::optional<TypedScore> score =
        ParseTypedMarkedScore(NumberForm().typed(fromQString(m_editor->text().trimmed())));
    if (!score) {
        const CMarkwiseDoc& doc = *m_view.GetDocument();
        UiSeam::tell(&m_view, toQString(NotAScoreMessage(doc, m_cell.column, m_cell.student,
                                                         fromQString(m_editor->text().trimmed()))));
        m_editor->setFocus();
        m_editor->selectAll();
        return;
    }
    const SheetCell stored = m_cell;
    closeEditor();
    StoreSheetScore(m_view, stored.column, stored.student, score->score, score->mark);
    setCell(MoveCell(stored, then, extent()));
}

void SheetKeyboard::closeEditor() {
    if (!m_editor)
        return;
    // Deleted later: this may run inside the editor's own key handler.
    SheetCellEditor* editor = m_editor;
    m_editor = nullptr;
    editor->hide();
    editor->deleteLater();
    m_view.setFocus();
    m_view.viewport()->update(viewportRect(m_cell).adjusted(-3, -1, 1, 1));
}

} // namespace markwise
