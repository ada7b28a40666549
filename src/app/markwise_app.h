#pragma once

#include "framework/doc_template.h"
#include "framework/win_app.h"
#include "gradesheet/view_dialogs.h"

#include <QPointer>
#include <QTextBrowser>
#include <memory>

namespace markwise {

class CMainFrame;
class CRecoveryCopies;
class TerminationSignals;

// The application object: start-up, the document templates, New, Open, recent files,
// Exit, About and help.
class CMarkwiseApp : public CWinApp {
    Q_OBJECT
public:
    struct Options {
        bool splash = true;
        QString file;            // empty: start with a new class
        QStringList moreFiles{}; // after file, each in its own window (a file manager's choice)
    };

    explicit CMarkwiseApp(const CProfile& profile = CProfile(DesktopProfilePath()));
    ~CMarkwiseApp() override;

    // What the grade sheet's dialog commands open and how report windows are made: the
    // layers that provide them fill these before InitInstance.
    ViewDialogs& viewDialogs() { return m_viewDialogs; }
    ReportViewFactories& reportViews() { return m_reportViews; }

    // Splash, settings, templates, main frame, classes left by a crash, command line,
    // maximized main window.
    // False when the main frame cannot be made or the command line's class cannot be
    // opened (the reason has been shown); the program then ends.
    bool InitInstance(const Options& options);

    CMainFrame* mainFrame() const { return m_pMainFrame.get(); }
    CRecoveryCopies* recoveryCopies() const { return m_recovery.get(); }

    const CDocTemplate& gradeSheetTemplate() const { return m_gradeSheetTemplate; }
    // The report windows' templates, made by InitInstance.
    const CDocTemplate& studentReportTemplate() const { return *m_pStudentReportTemplate; }
    const CDocTemplate& progressTemplate() const { return *m_pProgressTemplate; }
    const CDocTemplate& rosterTemplate() const { return *m_pRosterTemplate; }

    void WinHelp() override;
    void OnAppAbout();
    // The help window, once a help request has opened it.
    QTextBrowser* helpWindow() const { return m_helpWindow; }

private:
    // Names once, at start, each setting replaced by its default.
    void tellProfileProblems();
    // The main window's place when not maximized: where it was last, inside the screen.
    void placeMainFrame();

    ViewDialogs m_viewDialogs;
    ReportViewFactories m_reportViews;
    CDocTemplate m_gradeSheetTemplate;
    std::unique_ptr<CDocTemplate> m_pStudentReportTemplate;
    std::unique_ptr<CDocTemplate> m_pProgressTemplate;
    std::unique_ptr<CDocTemplate> m_pRosterTemplate;
    std::unique_ptr<CMainFrame> m_pMainFrame;
    std::unique_ptr<CRecoveryCopies> m_recovery;
    std::unique_ptr<TerminationSignals> m_signals;
    QPointer<QTextBrowser> m_helpWindow;
};

} // namespace markwise
