#include "win_app.h"

namespace markwise {

namespace {
CWinApp* g_instance = nullptr;
}

CWinApp::CWinApp(const CProfile& profile) : m_profile(profile), m_docManager(m_profile) {
    g_instance = this;
}

void CWinApp::LoadProfileSettings() {
    m_docManager.loadRecentFiles();
    m_cutoffs = m_profile.ReadCutoffs();
}

void CWinApp::setCutoffs(const CGradeCutoffs& cutoffs) {
    m_cutoffs = cutoffs;
    emit cutoffsChanged(m_cutoffs);
}

CWinApp::~CWinApp() {
    if (g_instance == this) {
        g_instance = nullptr;
    }
}

CWinApp* CWinApp::instance() {
    return g_instance;
}

} // namespace markwise
