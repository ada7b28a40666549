#include "window_list.h"

#include <QAction>
#include <QInputDialog>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <functional>

namespace markwise {

namespace {
constexpr int kListedWindows = 9;

QList<QKeySequence> keys(std::initializer_list<const char*> texts) {
    QList<QKeySequence> list;
    for (const char* text : texts)
        list.append(QKeySequence(QString::fromLatin1(text)));
    return list;
}
} // namespace

CWindowList::CWindowList(QMainWindow& frame, QMdiArea& area) : QObject(&frame), m_area(area) {
    const auto bind = [&frame, this](const QList<QKeySequence>& shortcuts,
                                     std::function<void()> run) {
        auto* action = new QAction(&frame);
        action->setShortcuts(shortcuts);
        connect(action, &QAction::triggered, this, std::move(run));
        frame.addAction(action);
    };
    bind(keys({"Ctrl+F6", "Ctrl+Tab"}), [this] { m_area.activateNextSubWindow(); });
    // Shift+Tab arrives as Backtab, so both spellings are bound.
    bind(keys({"Ctrl+Shift+F6", "Ctrl+Shift+Tab", "Ctrl+Shift+Backtab"}),
         [this] { m_area.activatePreviousSubWindow(); });
    bind(keys({"Ctrl+F4"}), [this] {
        if (QMdiSubWindow* window = m_area.currentSubWindow())
            window->close();
    });
}

void CWindowList::attach(QMenu& menu) {
    connect(&menu, &QMenu::aboutToShow, this, [this, &menu] { refresh(menu); });
    refresh(menu);
}

void CWindowList::refresh(QMenu& menu) {
    for (QAction* entry : m_entries) {
        menu.removeAction(entry);
        entry->deleteLater();
    }
    m_entries.clear();
    const QList<QMdiSubWindow*> windows = m_area.subWindowList();
    if (windows.isEmpty())
        return;
    m_entries.append(menu.addSeparator());
    QMdiSubWindow* active = m_area.currentSubWindow();
    QList<QMdiSubWindow*> listed = windows.mid(0, kListedWindows);
    // The active window is always among those listed.
    if (active && !listed.contains(active))
        listed.back() = active;
    for (int i = 0; i < listed.size(); ++i) {
        QMdiSubWindow* window = listed[i];
        // An ampersand in a file name is shown, not taken as a keyboard letter.
        QString title = window->windowTitle();
        title.replace(QLatin1Char('&'), QLatin1String("&&"));
        QAction* entry = menu.addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(title));
        entry->setCheckable(true);
        entry->setChecked(window == active);
        connect(entry, &QAction::triggered, this, [this, window] {
            if (m_area.subWindowList().contains(window))
                m_area.setActiveSubWindow(window);
        });
        m_entries.append(entry);
    }
    if (windows.size() > kListedWindows) {
        QAction* more = menu.addAction(tr("&More Windows..."));
        connect(more, &QAction::triggered, this, &CWindowList::chooseFromAll);
        m_entries.append(more);
    }
}

void CWindowList::chooseFromAll() {
    const QList<QMdiSubWindow*> windows = m_area.subWindowList();
    QStringList titles;
    for (QMdiSubWindow* window : windows)
        titles << window->windowTitle();
    const int current = std::max<int>(0, windows.indexOf(m_area.currentSubWindow()));
    QInputDialog dialog(m_area.window());
    dialog.setWindowTitle(tr("Select Window"));
    dialog.setLabelText(tr("&Select Window:"));
    dialog.setOption(QInputDialog::UseListViewForComboBoxItems);
    dialog.setComboBoxItems(titles);
    dialog.setTextValue(titles[current]);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const qsizetype index = titles.indexOf(dialog.textValue());
    if (index >= 0 && m_area.subWindowList().contains(windows[index]))
        m_area.setActiveSubWindow(windows[index]);
}

} // namespace markwise
