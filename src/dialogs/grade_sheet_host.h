#pragma once

#include "dialog_host.h"

namespace markwise {

class CMarkwiseView;

// The grade sheet view as the opener of the editing dialogs.
class GradeSheetHost : public DialogHost {
public:
    explicit GradeSheetHost(CMarkwiseView& view) : m_view(view) {}

    const CMarkwiseDoc& data() override;
    CClassEditor& editor() override;
    QWidget* widget() override;
    void showLastAssignment() override;
    CGradeCutoffs currentCutoffs() const override;
    bool applyCutoffs(const CGradeCutoffs& cutoffs, Message* error) override;

private:
    CMarkwiseView& m_view;
};

} // namespace markwise
