#pragma once

#include "framework/command_target.h"
#include "interchange_commands.h"

#include <QMainWindow>
#include <array>
#include <map>
#include <memory>
#include <vector>

class QLabel;
class QMdiArea;
class QMenu;
class QToolBar;

namespace markwise {

class CMarkwiseApp;
class ContextHelpMode;
class CWindowList;
struct CDocTemplate;
struct MenuInfo;

// The top-level window: menus, toolbar, status bar and the area holding the class and
// report windows. Routes every command and keeps enabled and checked states current.
class CMainFrame : public QMainWindow, public CommandTarget {
    Q_OBJECT
public:
    explicit CMainFrame(CMarkwiseApp& app);
    ~CMainFrame() override;

    QMdiArea* mdiArea() const { return m_mdiArea; }
    QAction* action(int id) const;
    InterchangeCommands& interchange() { return m_interchange; }
    CWindowList& windowList() const { return *m_windowList; }
    // "Markwise - " and the active window's title, with the unsaved-changes marker, as
    // the desktop shows it, whether or not the class windows are maximized.
    QString shownTitle() const;
    // The menus on the menu bar now: those of a class window, or File, View and Help.
    std::vector<QMenu*> shownMenus() const;

    // Runs id on the first target of the route (view, document, main frame, CSV commands,
    // application) that handles it; false when none does.
    bool executeCommand(int id);
    // Recomputes enabled and checked states and picks the menu set.
    void updateCommandStates();
    void updateTitle();
    CommandState commandState(int id);
    // The CAP, NUM and SCRL indicators: the text while the key is on, none while off.
    const std::array<QLabel*, 3>& lockIndicators() const { return m_lockLabels; }

protected:
    bool event(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // The frame's own commands: toolbar and status bar, windows, help, report windows.
    void addCommands();
    // View, document, this frame, the CSV commands, the application.
    CommandRoute route();
    void createActions();
    QMenu* createMenu(const MenuInfo& info);
    void createToolBar();
    void createStatusBar();
    void showMenuSet(bool documentMenus);
    void showTitle();
    void updateRecentFiles();
    void openReportWindow(const CDocTemplate& kind, bool needsStudentsAndAssignments);
    void cascadeWindows();
    void updateLockKeys();

    static constexpr std::array<const char*, 3> kLockIndicators{"CAP", "NUM", "SCRL"};

    CMarkwiseApp& m_app;
    QMdiArea* m_mdiArea;
    std::array<QLabel*, 3> m_lockLabels{};
    QToolBar* m_wndToolBar = nullptr;
    CWindowList* m_windowList = nullptr;
    std::map<int, QAction*> m_actions;
    std::vector<QMenu*> m_frameMenus;
    std::vector<QMenu*> m_documentMenus;
    bool m_documentMenusShown = false;
    InterchangeCommands m_interchange;
    std::unique_ptr<ContextHelpMode> m_contextHelp;
    QString m_title; // with the "[*]" placeholder
    bool m_modified = false;
};

} // namespace markwise
