#include "grade_sheet_host.h"

#include "core/markwise_doc.h"
#include "framework/document.h"
#include "framework/win_app.h"
#include "gradesheet/markwise_view.h"

namespace markwise {

const CMarkwiseDoc& GradeSheetHost::Document() {
    return *m_view.GetDocument();
}

CClassEditor& GradeSheetHost::Editor() {
    return m_view.document().editor();
}

QWidget* GradeSheetHost::Widget() {
    return &m_view;
}

void GradeSheetHost::ShowLastAssignment() {
    m_view.UpdateScrollSizes();
    const int first = Document().AssignmentsInUse() - m_view.VisibleColumnCount();
    if (first >= 0)
        m_view.m_firstAssignment = first;
}

CGradeCutoffs GradeSheetHost::CurrentCutoffs() const {
    const CWinApp* app = CWinApp::instance();
    return app ? app->cutoffs() : CGradeCutoffs{};
}

bool GradeSheetHost::ApplyCutoffs(const CGradeCutoffs& cutoffs, std::string* error) {
    return CMarkwiseView::ApplyCutoffsEverywhere(cutoffs, error);
}

} // namespace markwise
