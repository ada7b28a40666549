#pragma once

#include "core/cutoffs.h"
#include "framework/view.h"
#include "geometry/draw_text.h"
#include "geometry/sheet_cursor.h"
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
    // Writes this view's cutoffs to the profile.
    ~CMarkwiseView() override;

    // Preferences accepted: the new set becomes the application's, which tells every
    // window, and goes to the profile at once, so no window later writes back an old set.
    static bool ApplyCutoffsEverywhere(const CGradeCutoffs& cutoffs, std::string* error = nullptr);

    // Assignment columns that fit the client width.
    int VisibleColumnCount() const;
    // Vertical range: every row drawn, no more; horizontal only below 376 pixels of width.
    void UpdateScrollSizes();
    // Repaints the whole sheet at the next turn of the event loop.
    void Invalidate();

    // What the sheet's commands, clicks and keys open.
    const ViewDialogs& Dialogs() const { return m_dialogs; }

    int m_firstAssignment = 0;
    CGradeCutoffs m_cutoffs; // written to the profile when the view goes
    int m_rowHeight = 0;     // font height + leading, measured at every paint

    QWidget* widget() override { return this; }
    void OnInitialUpdate() override;
    void OnUpdate();

    // The keyboard's current cell and the in-place score editor.
    SheetKeyboard& Keyboard() const { return *m_keyboard; }
    SheetCell CurrentCell() const;

    bool updateCommand(int id, CommandState& state) override;
    void runCommand(int id) override;

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
    void openDialog(int id);
    // The dialog a command opens; empty when none is installed.
    ViewDialogs::Open dialogFor(int id) const;

    const ViewDialogs& m_dialogs;

    SheetKeyboard* m_keyboard;
};

} // namespace markwise
