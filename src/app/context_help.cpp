#include "context_help.h"

#include <QApplication>
#include <QKeyEvent>
#include <QStatusBar>

namespace markwise {

ContextHelpMode::ContextHelpMode(QStatusBar& statusBar, std::function<void()> openHelp)
    : m_statusBar(statusBar), m_openHelp(std::move(openHelp)) {}

ContextHelpMode::~ContextHelpMode() {
    if (m_active) {
        qApp->removeEventFilter(this);
        QApplication::restoreOverrideCursor();
    }
}

void ContextHelpMode::enter() {
    if (m_active)
        return;
    m_active = true;
    QApplication::setOverrideCursor(Qt::WhatsThisCursor);
    m_statusBar.showMessage(tr("Select an object on which to get Help"));
    qApp->installEventFilter(this);
}

bool ContextHelpMode::eventFilter(QObject*, QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        leave(true);
        return true;
    case QEvent::MouseButtonRelease:
        return true;
    case QEvent::KeyPress:
        if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
            leave(false);
            return true;
        }
        return false;
    default:
        return false;
    }
}

void ContextHelpMode::leave(bool openHelp) {
    qApp->removeEventFilter(this);
    QApplication::restoreOverrideCursor();
    m_statusBar.clearMessage();
    m_active = false;
    if (openHelp)
        m_openHelp();
}

} // namespace markwise
