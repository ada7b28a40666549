#include "context_help.h"

#include <QApplication>
#include <QKeyEvent>
#include <QStatusBar>

namespace markwise {

namespace {
ContextHelpMode* g_active = nullptr;
}

ContextHelpMode::ContextHelpMode(QStatusBar& statusBar, std::function<void()> openHelp)
    : m_statusBar(statusBar), m_openHelp(std::move(openHelp)) {}

void ContextHelpMode::Enter(QStatusBar& statusBar, std::function<void()> openHelp) {
    if (g_active)
        return;
    g_active = new ContextHelpMode(statusBar, std::move(openHelp));
    QApplication::setOverrideCursor(Qt::WhatsThisCursor);
    statusBar.showMessage(QStringLiteral("Select an object on which to get Help"));
    qApp->installEventFilter(g_active);
}

bool ContextHelpMode::Active() {
    return g_active != nullptr;
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
    g_active = nullptr;
    if (openHelp)
        m_openHelp();
    deleteLater();
}

} // namespace markwise
