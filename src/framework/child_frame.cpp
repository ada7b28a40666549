#include "child_frame.h"

#include "document.h"
#include "view.h"

#include <QCloseEvent>
#include <QMdiArea>
#include <utility>

namespace markwise {

CChildFrame::CChildFrame(CDocument& document, CView* view) : m_pDocument(&document), m_pView(view) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWidget(view->widget());
    document.addFrame(this);
}

CChildFrame::~CChildFrame() {
    // The view goes first: it may still write settings, and its document must outlive it.
    // Meanwhile this frame counts as having no view, so nothing routes a command to it.
    CView* view = std::exchange(m_pView, nullptr);
    delete view->widget();
    m_pDocument->removeFrame(this);
}

void CChildFrame::closeWithoutAsking() {
    QMdiArea* area = mdiArea();
    const bool wasMaximized = isMaximized();
    // At once, not at the next turn of the event loop, so the document is gone when the
    // command that closed it returns.
    delete this;
    if (wasMaximized)
        maximizeActive(area);
}

void CChildFrame::closeEvent(QCloseEvent* event) {
    // Closing the last window of a changed class asks first.
    if ((m_pView && !m_pView->canClose()) ||
        (m_pDocument->frames().size() == 1 && !m_pDocument->saveModified())) {
        event->ignore();
        return;
    }
    const bool wasMaximized = isMaximized();
    QMdiSubWindow::closeEvent(event);
    if (event->isAccepted() && wasMaximized)
        maximizeActive(mdiArea(), this);
}

void CChildFrame::maximizeActive(QMdiArea* area, QMdiSubWindow* closing) {
    if (!area)
        return;
    // The window the area activates next, else the most recently active one left.
    QMdiSubWindow* next = area->currentSubWindow();
    if (!next || next == closing) {
        next = nullptr;
        const QList<QMdiSubWindow*> windows = area->subWindowList(QMdiArea::ActivationHistoryOrder);
        for (auto it = windows.rbegin(); it != windows.rend() && !next; ++it) {
            if (*it != closing && (*it)->isVisible())
                next = *it;
        }
    }
    if (next) {
        next->showMaximized();
        area->setActiveSubWindow(next);
    }
}

} // namespace markwise
