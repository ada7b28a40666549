#pragma once

#include "framework/doc_template.h"
#include "framework/win_app.h"

#include <QPointer>
#include <QStringList>
#include <QTextBrowser>
#include <memory>

namespace markwise {

class CMainFrame;

// The application object: start-up, the document templates, New, Open, recent files,
// Exit, About and help.
class CMarkwiseApp : public CWinApp {
    Q_OBJECT
public:
    struct Options {
        bool splash = true;
        QString file; // empty: start with a new class
    };
    // Arguments after the program name; false with a message for unknown options.
    static bool ParseCommandLine(const QStringList& arguments, Options& options, QString& error);

    explicit CMarkwiseApp(const CProfile& profile = CProfile());
    ~CMarkwiseApp() override;

    // Splash, settings, templates, main frame, command line, maximized main window.
    // False when the main frame cannot be made or the command line's class cannot be
    // opened (the reason has been shown); the program then ends.
    bool InitInstance(const Options& options);

    CMainFrame* mainFrame() const { return m_pMainFrame.get(); }
    QWidget* mainWindow() const override;

    const CDocTemplate& gradeSheetTemplate() const { return m_gradeSheetTemplate; }
    const CDocTemplate& studentReportTemplate() const { return m_pStudentReportTemplate; }
    const CDocTemplate& progressTemplate() const { return m_pProgressTemplate; }
    const CDocTemplate& rosterTemplate() const { return m_pRosterTemplate; }

    void WinHelp() override;
    void OnAppAbout();
    // The help window, once a help request has opened it.
    QTextBrowser* helpWindow() const { return m_helpWindow; }

    bool updateCommand(int id, CommandState& state) override;
    void runCommand(int id) override;

private:
    // The main window's place when not maximized: where it was last, inside the screen.
    void PlaceMainFrame();

    CDocTemplate m_gradeSheetTemplate;
    CDocTemplate m_pStudentReportTemplate;
    CDocTemplate m_pProgressTemplate;
    CDocTemplate m_pRosterTemplate;
    std::unique_ptr<CMainFrame> m_pMainFrame;
    QPointer<QTextBrowser> m_helpWindow;
};

} // namespace markwise
