#pragma once

#include <QList>
#include <QObject>

class QAction;
class QMainWindow;
class QMdiArea;
class QMenu;

namespace markwise {

// The Window menu's list of open windows and the keys that move between them, as in
// every multiple-document frame: entries "&1 title" to "&9 title" with the active one
// checked and "&More Windows..." beyond nine; Ctrl+F6 and Ctrl+Tab go to the next window,
// Ctrl+Shift+F6 and Ctrl+Shift+Tab to the previous one, Ctrl+F4 closes the active one.
class CWindowList : public QObject {
    Q_OBJECT
public:
    CWindowList(QMainWindow& frame, QMdiArea& area);

    // Puts the list at the end of menu, refreshed each time the menu opens.
    void attach(QMenu& menu);
    // The list entries now in the menu (refreshed by the last attach or menu opening).
    const QList<QAction*>& entries() const { return m_entries; }
    // Asks for any window by name; the choice becomes active.
    void chooseFromAll();

private:
    void refresh(QMenu& menu);

    QMdiArea& m_area;
    QList<QAction*> m_entries;
};

} // namespace markwise
