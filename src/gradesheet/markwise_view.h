#pragma once

#include "core/cutoffs.h"
#include "framework/draw_list.h"
#include "framework/student_find.h"
#include "framework/view.h"
#include "geometry/draw_text.h"
#include "geometry/sheet_cursor.h"
#include "geometry/sheet_words.h"
#include "view_dialogs.h"

#include <QAbstractScrollArea>
#include <vector>

namespace markwise {

class SheetKeyboard;

// The grade sheet: students down, assignment columns across, totals at the right.
// Only vertical scrolling uses the scroll bar; Scroll Left and Scroll Right move the
// columns one assignment at a time.
class CMarkwiseView : public QAbstractScrollArea, public CView {
    Q_OBJECT
public:
    // dialogs: the application's table, which outlives every view.
    CMarkwiseView(CDocument& document, const ViewDialogs& dialogs);
    // Leaves the current cutoffs in the profile.
    ~CMarkwiseView() override;

    // Assignment columns that fit the client width.
    int VisibleColumnCount() const;
    // Vertical range: every row drawn, no more; horizontal only below 376 pixels of width.
    void UpdateScrollSizes();
    // Repaints the whole sheet at the next turn of the event loop.
    void Invalidate();

    // The application's current set, which letter grades use now.
    const CGradeCutoffs& cutoffs() const;
    // What the sheet's commands, clicks and keys open.
    const ViewDialogs& dialogs() const { return m_dialogs; }

    // The leftmost assignment column shown.
    int firstAssignment() const { return m_firstAssignment; }
    void setFirstAssignment(int first) { m_firstAssignment = first; }
    // Font height + leading, measured at every paint; 0 before the first.
    int rowHeight() const { return m_rowHeight; }

    QWidget* widget() override { return this; }
    void OnInitialUpdate() override;
    void OnUpdate();

    // The keyboard's current cell and the in-place score editor.
    SheetKeyboard& keyboard() const { return *m_keyboard; }
    SheetCell currentCell() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    // Tooltips: the whole text of a heading, score or total cut short on screen.
    bool viewportEvent(QEvent* event) override;

private:
    int lineHeight() const;
    // The sheet's texts on the rows that meet [top, bottom), in content pixels.
    DrawList sheetTexts(int top, int bottom) const;
    void setScrollSize(int width, int height);
    // The sheet's commands, each with its action and state.
    void addCommands();

    const ViewDialogs& m_dialogs;
    int m_firstAssignment = 0;
    int m_rowHeight = 0;

    SheetKeyboard* m_keyboard;
    StudentFind m_find;
    ScreenGlyphs m_screenGlyphs;
    SheetWords m_words; // in the language the window was opened in
};

} // namespace markwise
