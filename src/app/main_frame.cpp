#include "main_frame.h"

#include "context_help.h"
#include "core/markwise_doc.h"
#include "framework/child_frame.h"
#include "framework/commands.h"
#include "framework/doc_manager.h"
#include "framework/document.h"
#include "framework/recent_files.h"
#include "framework/ui_seam.h"
#include "framework/view.h"
#include "geometry/window_place.h"
#include "lock_keys.h"
#include "markwise_app.h"
#include "window_list.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QWindow>

namespace markwise {

namespace {

QString qt(std::string_view text) {
    return QString::fromUtf8(text.data(), text.size());
}

constexpr int kMruIds[kRecentFileCommands] = {ID_FILE_MRU_FILE1, ID_FILE_MRU_FILE2,
                                              ID_FILE_MRU_FILE3, ID_FILE_MRU_FILE4};

} // namespace

CMainFrame::CMainFrame(CMarkwiseApp& app)
    : m_app(app), m_mdiArea(new QMdiArea(this)), m_interchange(app.docManager()) {
    setWindowTitle(QStringLiteral("Markwise"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/markwise.svg")));
    setCentralWidget(m_mdiArea);
    setAcceptDrops(true);
    addCommands();
    createActions();
    for (const MenuInfo& menu : frameMenus()) {
        m_frameMenus.push_back(createMenu(menu));
    }
    m_windowList = new CWindowList(*this, *m_mdiArea);
    for (const MenuInfo& menu : documentMenus()) {
        m_documentMenus.push_back(createMenu(menu));
        if (menu.title == "&Window")
            m_windowList->attach(*m_documentMenus.back());
    }
    showMenuSet(false);
    createToolBar();
    createStatusBar();

    connect(m_mdiArea, &QMdiArea::subWindowActivated, this, &CMainFrame::updateCommandStates);
    CDocManager& manager = m_app.docManager();
    manager.setMdiArea(m_mdiArea);
    connect(&m_app.services().recentFiles, &RecentFiles::changed, this,
            &CMainFrame::updateRecentFiles);
    connect(&manager, &CDocManager::documentsChanged, this, &CMainFrame::updateCommandStates);
    // The title's changes marker follows every change and save of every class, whatever
    // happened before (a refused file, a dialog) or which window made it.
    connect(&manager, &CDocManager::documentsChanged, this, [this, &manager] {
        for (CDocument* document : manager.documents()) {
            connect(document, &CDocument::changed, this, &CMainFrame::updateTitle,
                    Qt::UniqueConnection);
            connect(document, &CDocument::saved, this, &CMainFrame::updateTitle,
                    Qt::UniqueConnection);
        }
    });
    connect(&manager, &CDocManager::statusMessage, this,
            [this](const QString& text) { statusBar()->showMessage(text, 15000); });
    updateRecentFiles();
    updateCommandStates();
}

CMainFrame::~CMainFrame() {
    qApp->removeEventFilter(this);
    // Windows close while this frame still stands, without asking; no state updates then.
    CDocManager& manager = m_app.docManager();
    disconnect(m_mdiArea, nullptr, this, nullptr);
    disconnect(&manager, nullptr, this, nullptr);
    disconnect(&m_app.services().recentFiles, nullptr, this, nullptr);
    for (CDocument* document : manager.documents())
        disconnect(document, nullptr, this, nullptr);
    manager.closeAllDocuments();
    manager.setMdiArea(nullptr);
}

void CMainFrame::addCommands() {
    handle(ID_VIEW_TOOLBAR, [this] {
        m_wndToolBar->setVisible(!m_wndToolBar->isVisible());
    }).state([this](CommandState& state) { state.checked = m_wndToolBar->isVisible(); });
    handle(ID_VIEW_STATUS_BAR, [this] {
        statusBar()->setVisible(!statusBar()->isVisible());
    }).state([this](CommandState& state) { state.checked = statusBar()->isVisible(); });

    CDocManager& manager = m_app.docManager();
    const auto classWindowOpen = [&manager](CommandState& state) {
        state.enabled = manager.activeFrame() != nullptr;
    };
    handle(ID_WINDOW_NEW, [this, &manager] {
        if (CChildFrame* frame = manager.activeFrame()) {
            manager.createFrame(frame->document(), m_app.gradeSheetTemplate());
        }
    }).state(classWindowOpen);
    handle(ID_WINDOW_CASCADE, [this] { cascadeWindows(); }).state(classWindowOpen);
    handle(ID_WINDOW_TILE_HORZ, [this] { m_mdiArea->tileSubWindows(); }).state(classWindowOpen);
    handle(ID_WINDOW_ARRANGE, [this] {
        // Minimized windows line up along the bottom edge again.
        for (QMdiSubWindow* window : m_mdiArea->subWindowList()) {
            if (window->isMinimized()) {
                window->showMinimized();
            }
        }
    }).state(classWindowOpen);

    for (int id : {ID_HELP_FINDER, ID_HELP, ID_DEFAULT_HELP}) {
        handle(id, [this] { m_app.WinHelp(); });
    }
    handle(ID_CONTEXT_HELP, [this] { m_contextHelp->enter(); });

    // Report windows, while this build has them.
    const auto report = [this, &manager](int id, const CDocTemplate& kind,
                                         bool needsStudentsAndAssignments) {
        handle(id, [this, &kind, needsStudentsAndAssignments] {
            openReportWindow(kind, needsStudentsAndAssignments);
        }).onlyWhile([&kind] {
              return kind.available();
          }).state([&manager, needsStudentsAndAssignments](CommandState& state) {
            // Without a student or an assignment there is nothing to report on.
            const CChildFrame* frame = manager.activeFrame();
            const CMarkwiseDoc* doc = frame ? &frame->document().data() : nullptr;
            state.enabled = !needsStudentsAndAssignments || !doc ||
                            (doc->StudentsInUse() > 0 && doc->AssignmentsInUse() > 0);
        });
    };
    report(ID_STUDENT_REPORT, m_app.studentReportTemplate(), true);
    report(ID_CLASS_PROGRESS_REPORTS, m_app.progressTemplate(), false);
    report(ID_CLASS_ROSTER, m_app.rosterTemplate(), false);
}

void CMainFrame::createActions() {
    for (const CommandInfo& info : commandTable()) {
        auto* action = new QAction(menuText(info), this);
        action->setStatusTip(statusPrompt(info));
        action->setToolTip(tooltipText(info));
        if (!info.icon.empty()) {
            action->setIcon(QIcon(QStringLiteral(":/icons/%1.svg").arg(qt(info.icon))));
        }
        action->setCheckable(info.checkable);
        connect(action, &QAction::triggered, this, [this, id = info.id] { executeCommand(id); });
        m_actions[info.id] = action;
    }
    // Key bindings: those shown in captions and the rest of the accelerator table.
    std::map<int, QList<QKeySequence>> keys;
    for (const Accelerator& accelerator : accelerators()) {
        keys[accelerator.id].append(QKeySequence(qt(accelerator.keys)));
    }
    for (const auto& [id, sequences] : keys) {
        QAction* bound = action(id);
        bound->setShortcuts(sequences);
        bound->setShortcutVisibleInContextMenu(true);
        addAction(bound); // active even while no menu holds the action
    }
}

QAction* CMainFrame::action(int id) const {
    const auto it = m_actions.find(id);
    return it == m_actions.end() ? nullptr : it->second;
}

QMenu* CMainFrame::createMenu(const MenuInfo& info) {
    auto* menu = new QMenu(menuTitle(info), this);
    for (int item : info.items) {
        if (item == kMenuSeparator) {
            menu->addSeparator();
        } else if (item == kMenuRecentFiles) {
            for (int id : kMruIds) {
                menu->addAction(action(id));
            }
        } else {
            menu->addAction(action(item));
        }
    }
    connect(menu, &QMenu::aboutToShow, this, &CMainFrame::updateCommandStates);
    return menu;
}

void CMainFrame::createToolBar() {
    m_wndToolBar = addToolBar(tr("Toolbar"));
    m_wndToolBar->setObjectName(QStringLiteral("toolbar"));
    m_wndToolBar->setIconSize(QSize(16, 16));
    for (int id : toolbarButtons()) {
        if (id == kMenuSeparator) {
            m_wndToolBar->addSeparator();
        } else {
            m_wndToolBar->addAction(action(id));
        }
    }
}

void CMainFrame::createStatusBar() {
    // The idle text stays under any fly-by prompt and returns when the prompt clears.
    statusBar()->addWidget(new QLabel(tr("For Help, press F1")), 1);
    for (std::size_t i = 0; i < m_lockLabels.size(); ++i) {
        auto* label = new QLabel(QString::fromLatin1(kLockIndicators[i]));
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setAlignment(Qt::AlignCenter);
        label->setMinimumWidth(label->fontMetrics().horizontalAdvance(label->text()) + 12);
        statusBar()->addPermanentWidget(label);
        m_lockLabels[i] = label;
    }
    updateLockKeys();
    // A lock key's state changes with a key, or while another program has the keyboard.
    qApp->installEventFilter(this);
    m_contextHelp = std::make_unique<ContextHelpMode>(*statusBar(), [this] { m_app.WinHelp(); });
}

void CMainFrame::updateLockKeys() {
    const std::optional<LockKeys> keys = ReadLockKeys();
    const std::array<bool, 3> lit{keys && keys->caps, keys && keys->num, keys && keys->scroll};
    for (std::size_t i = 0; i < m_lockLabels.size(); ++i) {
        // Unreadable: no indicators rather than ones that always look lit.
        m_lockLabels[i]->setVisible(keys.has_value());
        m_lockLabels[i]->setText(lit[i] ? QString::fromLatin1(kLockIndicators[i]) : QString());
    }
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type == QEvent::KeyRelease || type == QEvent::ApplicationActivate)
        updateLockKeys();
    return QMainWindow::eventFilter(watched, event);
}

void CMainFrame::showMenuSet(bool documentMenus) {
    m_documentMenusShown = documentMenus;
    menuBar()->clear();
    for (QMenu* menu : documentMenus ? m_documentMenus : m_frameMenus) {
        menuBar()->addMenu(menu);
    }
}

std::vector<QMenu*> CMainFrame::shownMenus() const {
    return m_documentMenusShown ? m_documentMenus : m_frameMenus;
}

void CMainFrame::updateRecentFiles() {
    const QStringList& files = m_app.services().recentFiles.files();
    for (int i = 0; i < kRecentFileCommands; ++i) {
        QAction* entry = action(kMruIds[i]);
        if (i < files.size()) {
            entry->setText(QStringLiteral("&%1 %2").arg(i + 1).arg(files[i]));
            entry->setVisible(true);
        } else {
            entry->setText(QCoreApplication::translate("Commands", "Recent File"));
            entry->setVisible(i == 0); // an empty list shows one disabled entry
        }
    }
    updateCommandStates();
}

CommandRoute CMainFrame::route() {
    CChildFrame* frame = m_app.docManager().activeFrame();
    CView* view = frame ? frame->view() : nullptr;
    CDocument* document = frame ? &frame->document() : nullptr;
    return CommandRoute{view, document, this, &m_interchange, &m_app};
}

CommandState CMainFrame::commandState(int id) {
    return route().state(id);
}

bool CMainFrame::executeCommand(int id) {
    const bool ran = route().run(id);
    updateCommandStates();
    return ran;
}

void CMainFrame::updateTitle() {
    CChildFrame* frame = m_app.docManager().activeFrame();
    QString title = QStringLiteral("Markwise");
    if (frame)
        title += QStringLiteral(" - ") + frame->windowTitle();
    title += QStringLiteral("[*]");
    if (title != m_title) {
        m_title = title;
        setWindowTitle(m_title);
    }
    // Kept apart from the window's own flag, which a maximized class window overwrites.
    m_modified = frame && frame->document().isModified();
    setWindowModified(m_modified);
    showTitle();
}

QString CMainFrame::shownTitle() const {
    QString title = m_title;
    return title.replace(QStringLiteral("[*]"), m_modified ? QStringLiteral("*") : QString());
}

void CMainFrame::showTitle() {
    // A maximized class window makes Qt write its own title on the main window; the
    // desktop is shown ours instead.
    QWindow* window = windowHandle();
    if (!window || m_title.isEmpty())
        return;
    // Qt writes its title to the desktop past the window's own record of it, so an
    // unchanged record does not mean the desktop shows it.
    const QString shown = shownTitle();
    if (window->title() == shown)
        window->setTitle(QString());
    window->setTitle(shown);
}

bool CMainFrame::event(QEvent* event) {
    const bool handled = QMainWindow::event(event);
    if (event->type() == QEvent::WindowTitleChange || event->type() == QEvent::ModifiedChange)
        showTitle();
    return handled;
}

void CMainFrame::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    // Back from a dialog or another program: a class may have changed meanwhile.
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        updateTitle();
}

void CMainFrame::updateCommandStates() {
    updateTitle();
    const bool documentWindow = m_app.docManager().activeFrame() != nullptr;
    if (documentWindow != m_documentMenusShown) {
        showMenuSet(documentWindow);
    }
    for (const auto& [id, action] : m_actions) {
        const CommandState state = commandState(id);
        action->setEnabled(state.enabled);
        if (!state.text.isEmpty()) {
            action->setText(state.text);
        }
        if (action->isCheckable()) {
            action->setChecked(state.checked);
        }
    }
}

void CMainFrame::cascadeWindows() {
    // Qt's own cascade leaves windows too small to work in; these are three quarters of
    // the area, each a title bar's height below the last.
    QList<QMdiSubWindow*> windows;
    for (QMdiSubWindow* window : m_mdiArea->subWindowList(QMdiArea::StackingOrder)) {
        if (window->isVisible() && !window->isMinimized())
            windows.append(window);
    }
    const QSize area = m_mdiArea->viewport()->size();
    const int step = style()->pixelMetric(QStyle::PM_TitleBarHeight) + 4;
    const std::vector<WindowRect> places =
        CascadePlaces(static_cast<int>(windows.size()), area.width(), area.height(), step);
    for (qsizetype i = 0; i < windows.size(); ++i) {
        const WindowRect& r = places[static_cast<std::size_t>(i)];
        windows[i]->showNormal();
        windows[i]->setGeometry(r.left, r.top, r.width, r.height);
        windows[i]->raise();
    }
    if (!windows.isEmpty())
        m_mdiArea->setActiveSubWindow(windows.back());
}

void CMainFrame::openReportWindow(const CDocTemplate& kind, bool needsStudentsAndAssignments) {
    CDocManager& manager = m_app.docManager();
    CChildFrame* frame = manager.activeFrame();
    if (!frame) {
        UiSeam::tell(this, tr("The command could not be carried out."));
        return;
    }
    const CMarkwiseDoc& doc = frame->document().data();
    if (needsStudentsAndAssignments && (doc.m_studentCount == 0 || doc.m_assignmentCount == 0)) {
        return;
    }
    if (!manager.createFrame(frame->document(), kind)) {
        UiSeam::tell(this, tr("The command could not be carried out."));
    }
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    CDocManager& manager = m_app.docManager();
    if (!manager.saveAllModified()) {
        event->ignore();
        return;
    }
    manager.closeAllDocuments();
    const QRect normal = normalGeometry();
    m_app.profile().WriteMainWindow({normal.x(), normal.y(), normal.width(), normal.height()});
    event->accept();
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls()) {
        event->acceptProposedAction();
    }
}

void CMainFrame::dropEvent(QDropEvent* event) {
    for (const QUrl& url : event->mimeData()->urls()) {
        if (url.isLocalFile()) {
            m_app.docManager().openDocumentFile(url.toLocalFile());
        }
    }
    event->acceptProposedAction();
    activateWindow();
}

} // namespace markwise
