#pragma once

#include <QCoreApplication>
#include <QObject>
#include <functional>

class QStatusBar;

namespace markwise {

// Shift+F1: the pointer turns into the help pointer and the status bar asks for an
// object; the next click anywhere opens help (and does nothing else), Escape leaves.
// The main frame owns one; entering it again while it is on does nothing.
class ContextHelpMode : public QObject {
    Q_DECLARE_TR_FUNCTIONS(ContextHelpMode)
public:
    ContextHelpMode(QStatusBar& statusBar, std::function<void()> openHelp);
    ~ContextHelpMode() override;

    void enter();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void leave(bool openHelp);

    QStatusBar& m_statusBar;
    std::function<void()> m_openHelp;
    bool m_active = false;
};

} // namespace markwise
