#pragma once

#include <QMdiSubWindow>

namespace markwise {

class CDocument;
class CView;

// One window on a document, inside the main frame's MDI area; opens maximized.
class CChildFrame : public QMdiSubWindow {
    Q_OBJECT
public:
    // Takes ownership of view's widget.
    CChildFrame(CDocument& document, CView* view);
    ~CChildFrame() override;

    CDocument& document() const { return *m_pDocument; }
    CView* view() const { return m_pView; }

    // Closes without asking; used when the whole document closes.
    void closeWithoutAsking();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // A maximized window that closes leaves the next one maximized, as it found it.
    static void maximizeActive(QMdiArea* area, QMdiSubWindow* closing = nullptr);

    CDocument* m_pDocument;
    CView* m_pView;
};

} // namespace markwise
