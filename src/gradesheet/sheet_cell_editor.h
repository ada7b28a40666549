#pragma once

#include "geometry/sheet_cursor.h"

#include <QLineEdit>

class QKeyEvent;

namespace markwise {

// The small box typed over a score cell. It only reports the keys that end it; the
// cursor decides what storing means.
class SheetCellEditor : public QLineEdit {
    Q_OBJECT
public:
    explicit SheetCellEditor(QWidget* parent);

signals:
    // Enter (move down) or Tab (move right) or Shift+Tab (move left).
    void storeRequested(CursorMove then);
    void cancelRequested();

protected:
    bool event(QEvent* event) override;
};

// Tab moves right, Shift+Tab (Backtab) left: in the sheet and in its editor alike.
CursorMove TabMove(const QKeyEvent& key);

} // namespace markwise
