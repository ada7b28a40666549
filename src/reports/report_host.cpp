#include "report_host.h"

#include "framework/cutoff_service.h"
#include "framework/document.h"
#include "framework/view.h"

namespace markwise {

const CMarkwiseDoc& ReportHost::Document() {
    return *m_view.GetDocument();
}

CClassEditor& ReportHost::Editor() {
    return m_view.frameworkDocument().editor();
}

QWidget* ReportHost::Widget() {
    return m_view.widget();
}

CGradeCutoffs ReportHost::CurrentCutoffs() const {
    return m_view.frameworkDocument().services().cutoffs.current();
}

bool ReportHost::ApplyCutoffs(const CGradeCutoffs& cutoffs, std::string* error) {
    return m_view.frameworkDocument().services().cutoffs.apply(cutoffs, error);
}

} // namespace markwise
