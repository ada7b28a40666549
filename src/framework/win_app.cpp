#include "win_app.h"

namespace markwise {

CWinApp::CWinApp(const CProfile& profile)
    : m_profile(profile), m_cutoffs(m_profile), m_recentFiles(m_profile),
      m_docManager({m_cutoffs, m_recentFiles, m_printing}) {}

CWinApp::~CWinApp() = default;

void CWinApp::loadProfileSettings() {
    m_recentFiles.load();
    m_cutoffs.load();
    m_profileProblems = m_profile.ProblemMessages();
}

} // namespace markwise
