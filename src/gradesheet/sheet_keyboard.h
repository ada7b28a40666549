#pragma once

#include "core/grading_policy.h"
#include "core/paste_scores.h"
#include "geometry/sheet_cursor.h"

#include <QObject>
#include <QRect>

class QKeyEvent;
class QPainter;
class QWheelEvent;

namespace markwise {

class CMarkwiseView;
class SheetCellEditor;

// The grade sheet's keyboard: the current cell, its focus frame, the keys that move it,
// Enter for the editors, and scores typed in place.
class SheetKeyboard : public QObject {
    Q_OBJECT
public:
    explicit SheetKeyboard(CMarkwiseView& view);

    SheetCell cell() const { return m_cell; }
    // Moves the current cell (kept inside the class), scrolls it into view and repaints
    // the two cells that changed. extend (Shift+arrows) keeps the block's other corner
    // where it was; any other move leaves only the current cell selected.
    void setCell(SheetCell cell, bool extend = false);
    // The selected score cells: between the block's corner and the current cell; the
    // current cell alone when no block is held; empty on a name.
    ScoreBlock block() const;
    // True when the key was the sheet's to handle.
    bool keyPress(QKeyEvent* event);
    // Shift+wheel and the horizontal wheel step the assignment columns.
    bool wheel(QWheelEvent* event);
    // The focus frame, on a painter already in content pixels.
    void paintFrame(QPainter& painter) const;
    // After the class changed: the cell stays inside it, the editor follows it.
    void refresh();

    SheetCellEditor* editor() const { return m_editor; }
    void openEditor(const QString& text);

private:
    SheetExtent extent() const;
    // The cell's rectangle in viewport pixels, where it is painted now.
    QRect viewportRect(SheetCell cell) const;
    void storeEditor(CursorMove then);
    void closeEditor();

    CMarkwiseView& m_view;
    SheetCell m_cell;
    SheetCell m_anchor; // the block's fixed corner; no cell when there is no block
    SheetCellEditor* m_editor = nullptr;
    // A key the editor ignores comes back up to the sheet: it must not go round again.
    bool m_forwarding = false;
};

// The one way a score typed in place or cleared reaches the class. Any mark the score had
// gives way to `mark` (None for a number or a cleared score).
void StoreSheetScore(CMarkwiseView& view, int assignment, int student, double score,
                     ScoreMark mark = ScoreMark::None);

} // namespace markwise
