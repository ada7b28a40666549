#include "grade_sheet_host.h"

#include "core/markwise_doc.h"
#include "framework/cutoff_service.h"
#include "framework/document.h"
#include "geometry/sheet_hit_test.h"
#include "gradesheet/markwise_view.h"

namespace markwise {

const CMarkwiseDoc& GradeSheetHost::data() {
    return *m_view.GetDocument();
}

CClassEditor& GradeSheetHost::editor() {
    return m_view.frameworkDocument().editor();
}

QWidget* GradeSheetHost::widget() {
    return &m_view;
}

void GradeSheetHost::showLastAssignment() {
    m_view.UpdateScrollSizes();
    m_view.setFirstAssignment(FirstAssignmentAfterNew(
        m_view.firstAssignment(), m_view.VisibleColumnCount(), data().AssignmentsInUse()));
}

CGradeCutoffs GradeSheetHost::currentCutoffs() const {
    return m_view.frameworkDocument().services().cutoffs.current();
}

bool GradeSheetHost::applyCutoffs(const CGradeCutoffs& cutoffs, Message* error) {
    return m_view.frameworkDocument().services().cutoffs.apply(cutoffs, error);
}

} // namespace markwise
