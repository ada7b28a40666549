#include "sheet_cell_editor.h"

#include "core/assignment.h"
#include "core/number_text.h"
#include "framework/text.h"

#include <QKeyEvent>

namespace markwise {

SheetCellEditor::SheetCellEditor(QWidget* parent) : QLineEdit(parent) {
    setAccessibleName(QStringLiteral("Student Points"));
    setFrame(false);
}

bool SheetCellEditor::event(QEvent* event) {
    // Tab must end the edit before the focus chain takes it.
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool press = event->type() == QEvent::KeyPress;
        switch (key->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (press)
                emit storeRequested(CursorMove::Down);
            event->accept();
            return true;
        case Qt::Key_Tab:
            if (press)
                emit storeRequested(key->modifiers() & Qt::ShiftModifier ? CursorMove::Left
                                                                         : CursorMove::Right);
            event->accept();
            return true;
        case Qt::Key_Backtab:
            if (press)
                emit storeRequested(CursorMove::Left);
            event->accept();
            return true;
        case Qt::Key_Escape:
            if (press)
                emit cancelRequested();
            event->accept();
            return true;
        default:
            break;
        }
    }
    return QLineEdit::event(event);
}

std::optional<double> ParseCellScore(const QString& text) {
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty() || trimmed == QLatin1String("N/A") || trimmed == QLatin1String("n/a"))
        return MISSING_SCORE;
    double value = 0.0;
    if (!ParseNumber(fromQString(trimmed), value))
        return std::nullopt;
    return value;
}

} // namespace markwise
