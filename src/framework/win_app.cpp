#include "win_app.h"

namespace markwise {

CWinApp::CWinApp(const CProfile& profile) : m_profile(profile), m_docManager(m_profile) {}

CWinApp::~CWinApp() = default;

void CWinApp::LoadProfileSettings() {
    m_docManager.loadProfileSettings();
    m_profileProblems = m_profile.Problems();
}

} // namespace markwise
