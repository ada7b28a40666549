#pragma once

#include <QObject>
#include <functional>

class QStatusBar;

namespace markwise {

// Shift+F1: the pointer turns into the help pointer and the status bar asks for an
// object; the next click anywhere opens help (and does nothing else), Escape leaves.
class ContextHelpMode : public QObject {
public:
    static void Enter(QStatusBar& statusBar, std::function<void()> openHelp);
    static bool Active();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    ContextHelpMode(QStatusBar& statusBar, std::function<void()> openHelp);
    void leave(bool openHelp);

    QStatusBar& m_statusBar;
    std::function<void()> m_openHelp;
};

} // namespace markwise
