#pragma once

#include "command_target.h"
#include "core/profile.h"
#include "cutoff_service.h"
#include "doc_manager.h"
#include "print_services.h"
#include "recent_files.h"
#include "user_folders.h"

#include <QObject>
#include <string>
#include <vector>

namespace markwise {

// The application: owns the profile, what every window shares (the grade cutoffs, the
// recent files, the printer) and the documents, and is the last stop on a command's route.
class CWinApp : public QObject, public CommandTarget {
    Q_OBJECT
public:
    explicit CWinApp(const CProfile& profile = CProfile(DesktopProfilePath()));
    ~CWinApp() override;

    CProfile& profile() { return m_profile; }
    // The recent-file list and the grade cutoffs, from the profile.
    void loadProfileSettings();
    // What loadProfileSettings could not read as written, one line each.
    const std::vector<Message>& profileProblems() const { return m_profileProblems; }
    CDocManager& docManager() { return m_docManager; }
    const AppServices& services() const { return m_docManager.services(); }
    const CGradeCutoffs& cutoffs() const { return m_cutoffs.current(); }

    // Every help request opens the entry page of the user guide.
    virtual void WinHelp() {}

private:
    CProfile m_profile;
    std::vector<Message> m_profileProblems;
    CutoffService m_cutoffs;
    RecentFiles m_recentFiles;
    PrintServices m_printing;
    // Last: its documents and their windows go before the services they use.
    CDocManager m_docManager;
};

} // namespace markwise
