#pragma once

#include "geometry/sheet_cursor.h"

#include <QLineEdit>
#include <optional>

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

// What an in-place text means as a score: "N/A", "n/a" or nothing is a missing score; a
// number is itself; anything else is nullopt (not a score).
std::optional<double> ParseCellScore(const QString& text);

} // namespace markwise
