#include "markwise_app.h"

#include "about_dlg.h"
#include "framework/commands.h"
#include "framework/print_services.h"
#include "geometry/window_place.h"
#include "gradesheet/markwise_view.h"
#include "main_frame.h"
#include "splash_dlg.h"

#include <QGuiApplication>
#include <QScreen>
#include <QStyle>
#include <QTextBrowser>
#include <QUrl>

namespace markwise {

bool CMarkwiseApp::ParseCommandLine(const QStringList& arguments, Options& options,
                                    QString& error) {
    for (const QString& argument : arguments) {
        if (argument == QLatin1String("--no-splash")) {
            options.splash = false;
        } else if (argument.startsWith(QLatin1Char('-')) && argument.size() > 1) {
            error = QStringLiteral("Unknown option %1.").arg(argument);
            return false;
        } else if (options.file.isEmpty()) {
            options.file = argument;
        } else {
            error = QStringLiteral("Only one class file can be opened at start-up.");
            return false;
        }
    }
    return true;
}

CMarkwiseApp::CMarkwiseApp(const CProfile& profile) : CWinApp(profile) {}

CMarkwiseApp::~CMarkwiseApp() {
    // Windows first: each grade sheet view writes its cutoffs as it goes.
    m_pMainFrame.reset();
    delete m_helpWindow;
}

bool CMarkwiseApp::InitInstance(const Options& options) {
    if (options.splash) {
        CSplashDlg splash(false);
        splash.exec();
    }
    LoadProfileSettings();

    m_gradeSheetTemplate.createView = [](CDocument& document) -> CView* {
        return new CMarkwiseView(document);
    };
    docManager().setGradeSheetTemplate(m_gradeSheetTemplate);
    docManager().setFrameIcon(QIcon(QStringLiteral(":/icons/application-x-markwise.svg")));
    const ReportViewFactories& reports = reportViewFactories();
    m_pStudentReportTemplate.createView = reports.studentReport;
    m_pProgressTemplate.createView = reports.progressReport;
    m_pRosterTemplate.createView = reports.classRoster;

    m_pMainFrame = std::make_unique<CMainFrame>(*this);
    // Shown before the command line's class opens, so a message about it is centred on
    // the main window rather than on a window not yet on the screen.
    PlaceMainFrame();
    m_pMainFrame->showMaximized();

    // The file type is known to the desktop through the installed entry and MIME type,
    // so nothing is registered here.
    const bool opened = options.file.isEmpty()
                            ? docManager().OnFileNew() != nullptr
                            : docManager().OpenDocumentFile(options.file) != nullptr;
    if (!opened) {
        m_pMainFrame.reset();
        return false;
    }
    m_pMainFrame->updateCommandStates();
    return true;
}

void CMarkwiseApp::PlaceMainFrame() {
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

QWidget* CMarkwiseApp::mainWindow() const {
    return m_pMainFrame.get();
}

void CMarkwiseApp::WinHelp() {
    if (!m_helpWindow) {
        // A window of its own that stays with the main window and opens centred on it.
        m_helpWindow = new QTextBrowser(m_pMainFrame.get());
        m_helpWindow->setWindowFlag(Qt::Window);
        m_helpWindow->setAttribute(Qt::WA_DeleteOnClose);
        m_helpWindow->setWindowTitle(QStringLiteral("Markwise Help"));
        m_helpWindow->setWindowIcon(QIcon(QStringLiteral(":/icons/markwise.svg")));
        QRect place(QPoint(), QSize(640, 560));
        if (m_pMainFrame)
            place.moveCenter(m_pMainFrame->geometry().center());
        m_helpWindow->setGeometry(place);
    }
    // Every request opens the entry page.
    m_helpWindow->setSource(QUrl(QStringLiteral("qrc:/help/index.html")));
    m_helpWindow->show();
    m_helpWindow->raise();
    m_helpWindow->activateWindow();
}

void CMarkwiseApp::OnAppAbout() {
    CAboutDlg about(m_pMainFrame.get());
    about.exec();
}

bool CMarkwiseApp::updateCommand(int id, CommandState&) {
    switch (id) {
    case ID_APP_ABOUT:
    case ID_FILE_NEW:
    case ID_FILE_OPEN:
    case ID_FILE_PRINT_SETUP:
    case ID_APP_EXIT:
        return true;
    case ID_FILE_MRU_FILE1:
    case ID_FILE_MRU_FILE2:
    case ID_FILE_MRU_FILE3:
    case ID_FILE_MRU_FILE4:
        // An empty entry is not handled and so shows disabled.
        return id - ID_FILE_MRU_FILE1 < docManager().recentFiles().size();
    default:
        return false;
    }
}

void CMarkwiseApp::runCommand(int id) {
    switch (id) {
    case ID_APP_ABOUT:
        OnAppAbout();
        break;
    case ID_FILE_NEW:
        docManager().OnFileNew();
        break;
    case ID_FILE_OPEN:
        docManager().OnFileOpen();
        break;
    case ID_FILE_PRINT_SETUP:
        FilePrintSetup(m_pMainFrame.get());
        break;
    case ID_APP_EXIT:
        m_pMainFrame->close();
        break;
    case ID_FILE_MRU_FILE1:
    case ID_FILE_MRU_FILE2:
    case ID_FILE_MRU_FILE3:
    case ID_FILE_MRU_FILE4:
        docManager().OpenRecentFile(id - ID_FILE_MRU_FILE1);
        break;
    default:
        break;
    }
}

} // namespace markwise
