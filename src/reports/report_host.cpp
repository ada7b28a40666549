#include "report_host.h"

#include "framework/document.h"
#include "framework/view.h"
#include "framework/win_app.h"
#include "gradesheet/markwise_view.h"

namespace markwise {

const CMarkwiseDoc& ReportHost::Document() {
    return *m_view.GetDocument();
}

CClassEditor& ReportHost::Editor() {
    return m_view.document().editor();
}

QWidget* ReportHost::Widget() {
    return m_view.widget();
}

CGradeCutoffs ReportHost::CurrentCutoffs() const {
    const CWinApp* app = CWinApp::instance();
    return app ? app->cutoffs() : CGradeCutoffs{};
}

bool ReportHost::ApplyCutoffs(const CGradeCutoffs& cutoffs, std::string* error) {
    return CMarkwiseView::ApplyCutoffsEverywhere(cutoffs, error);
}

} // namespace markwise
