#include "sheet_cell_editor.h"

#include <QKeyEvent>

namespace markwise {

SheetCellEditor::SheetCellEditor(QWidget* parent) : QLineEdit(parent) {
    setAccessibleName(tr("Student Points"));
    setFrame(false);
}

bool SheetCellEditor::event(QEvent* event) {
    // Tab must end the edit before the focus chain takes it.
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const int code = key->key();
        const bool enter = code == Qt::Key_Return || code == Qt::Key_Enter;
        const bool tab = code == Qt::Key_Tab || code == Qt::Key_Backtab;
        if (enter || tab || code == Qt::Key_Escape) {
            if (event->type() == QEvent::KeyPress && code == Qt::Key_Escape)
                emit cancelRequested();
            else if (event->type() == QEvent::KeyPress)
                emit storeRequested(enter ? CursorMove::Down : TabMove(*key));
            event->accept();
            return true;
        }
    }
    return QLineEdit::event(event);
}

CursorMove TabMove(const QKeyEvent& key) {
    return key.key() == Qt::Key_Backtab || key.modifiers() & Qt::ShiftModifier ? CursorMove::Left
                                                                               : CursorMove::Right;
}

} // namespace markwise
