#include "report_host.h"

#include "framework/cutoff_service.h"
#include "framework/document.h"
#include "framework/view.h"

namespace markwise {

const CMarkwiseDoc& ReportHost::data() {
    return *m_view.GetDocument();
}

CClassEditor& ReportHost::editor() {
    return m_view.frameworkDocument().editor();
}

QWidget* ReportHost::widget() {
    return m_view.widget();
}

CGradeCutoffs ReportHost::currentCutoffs() const {
    return m_view.frameworkDocument().services().cutoffs.current();
}

bool ReportHost::applyCutoffs(const CGradeCutoffs& cutoffs, Message* error) {
    return m_view.frameworkDocument().services().cutoffs.apply(cutoffs, error);
}

} // namespace markwise
