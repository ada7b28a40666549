#include "markwise_app.h"

#include "about_dlg.h"
#include "framework/commands.h"
#include "framework/print_services.h"
#include "framework/recovery.h"
#include "framework/termination_signals.h"
#include "framework/text.h"
#include "framework/ui_seam.h"
#include "geometry/window_place.h"
#include "gradesheet/markwise_view.h"
#include "help_pages.h"
#include "main_frame.h"
#include "splash_dlg.h"

#include <QGuiApplication>
#include <QScreen>
#include <QStyle>
#include <QTextBrowser>

namespace markwise {

CMarkwiseApp::CMarkwiseApp(const CProfile& profile) : CWinApp(profile) {
    handle(ID_APP_ABOUT, [this] { OnAppAbout(); });
    handle(ID_FILE_NEW, [this] { docManager().OnFileNew(); });
    handle(ID_FILE_OPEN, [this] { docManager().OnFileOpen(); });
    handle(ID_FILE_PRINT_SETUP, [this] { services().printing.setup(m_pMainFrame.get()); });
    handle(ID_APP_EXIT, [this] { m_pMainFrame->close(); });
    for (int index = 0; index < kRecentFileCommands; ++index) {
        // An empty entry is not handled and so shows disabled.
        handle(ID_FILE_MRU_FILE1 + index, [this, index] {
            docManager().openRecentFile(index);
        }).onlyWhile([this, index] { return index < services().recentFiles.files().size(); });
    }
}

CMarkwiseApp::~CMarkwiseApp() {
    // Windows first: each grade sheet view writes its cutoffs as it goes.
    m_pMainFrame.reset();
    m_signals.reset();
    m_recovery.reset(); // a normal end: no copies are left
    delete m_helpWindow;
}

bool CMarkwiseApp::InitInstance(const Options& options) {
    if (options.splash) {
        CSplashDlg splash(false);
        splash.exec();
    }
    loadProfileSettings();

    m_gradeSheetTemplate.createView = [this](CDocument& document) -> CView* {
        return new CMarkwiseView(document, m_viewDialogs);
    };
    docManager().setGradeSheetTemplate(m_gradeSheetTemplate);
    docManager().setFrameIcon(QIcon(QStringLiteral(":/icons/application-x-markwise.svg")));
    m_pStudentReportTemplate =
        std::make_unique<CDocTemplate>(CDocTemplate{m_reportViews.studentReport});
    m_pProgressTemplate =
        std::make_unique<CDocTemplate>(CDocTemplate{m_reportViews.progressReport});
    m_pRosterTemplate = std::make_unique<CDocTemplate>(CDocTemplate{m_reportViews.classRoster});

    m_pMainFrame = std::make_unique<CMainFrame>(*this);
    // Shown before the command line's class opens, so a message about it is centred on
    // the main window rather than on a window not yet on the screen.
    placeMainFrame();
    m_pMainFrame->showMaximized();
    m_recovery = std::make_unique<CRecoveryCopies>(docManager());
    m_recovery->OfferRecovery(m_pMainFrame.get());
    // A logout or kill: keep the unsaved work, then end as asked.
    m_signals = std::make_unique<TerminationSignals>();
    connect(m_signals.get(), &TerminationSignals::received, this, [this](int signalNumber) {
        m_recovery->WriteChangedCopies();
        TerminationSignals::EndBy(signalNumber);
    });

    // The file type is known to the desktop through the installed entry and MIME type,
    // so nothing is registered here.
    // Recovered classes take the place of the new empty one.
    const bool recovered = !docManager().documents().empty();
    bool opened = options.file.isEmpty() ? recovered || docManager().OnFileNew() != nullptr
                                         : docManager().openDocumentFile(options.file) != nullptr;
    for (const QString& file : options.moreFiles)
        opened = docManager().openDocumentFile(file) != nullptr || opened;
    // One class that opens, or a recovered one, keeps the program open when others fail.
    if (!opened && !recovered) {
        m_pMainFrame.reset();
        return false;
    }
    m_pMainFrame->updateCommandStates();
    tellProfileProblems();
    return true;
}

void CMarkwiseApp::tellProfileProblems() {
    if (profileProblems().empty()) {
        return;
    }
    QString text = tr("Some settings could not be read:\n");
    for (const Message& problem : profileProblems()) {
        text += QStringLiteral("\n") + translated(problem);
    }
    text += tr("\n\nThe settings file is left as it is until you choose OK in "
               "Preferences.");
    UiSeam::tell(m_pMainFrame.get(), text);
}

void CMarkwiseApp::placeMainFrame() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    // Room for the window manager's title bar above the client area.
    const int titleBar = m_pMainFrame->style()->pixelMetric(QStyle::PM_TitleBarHeight) + 8;
    const WindowRect place = PlaceMainWindow(
        profile().ReadMainWindow(), {area.x(), area.y(), area.width(), area.height()}, titleBar);
    m_pMainFrame->setGeometry(place.left, place.top, place.width, place.height);
}

void CMarkwiseApp::WinHelp() {
    if (!m_helpWindow) {
        // A window of its own that stays with the main window and opens centred on it.
        m_helpWindow = new QTextBrowser(m_pMainFrame.get());
        m_helpWindow->setWindowFlag(Qt::Window);
        m_helpWindow->setAttribute(Qt::WA_DeleteOnClose);
        m_helpWindow->setWindowTitle(tr("Markwise Help"));
        m_helpWindow->setWindowIcon(QIcon(QStringLiteral(":/icons/markwise.svg")));
        QRect place(QPoint(), QSize(640, 560));
        if (m_pMainFrame)
            place.moveCenter(m_pMainFrame->geometry().center());
        m_helpWindow->setGeometry(place);
    }
    // Every request opens the entry page.
    m_helpWindow->setSource(HelpIndexUrl());
    m_helpWindow->show();
    m_helpWindow->raise();
    m_helpWindow->activateWindow();
}

void CMarkwiseApp::OnAppAbout() {
    CAboutDlg about(m_pMainFrame.get());
    about.exec();
}

} // namespace markwise
