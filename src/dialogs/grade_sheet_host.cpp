#include "grade_sheet_host.h"

#include "core/markwise_doc.h"
#include "framework/doc_manager.h"
#include "framework/document.h"
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
    return m_view.document().manager().cutoffs();
}

bool GradeSheetHost::ApplyCutoffs(const CGradeCutoffs& cutoffs, std::string* error) {
    return m_view.document().manager().applyCutoffs(cutoffs, error);
}

} // namespace markwise
