#pragma once

#include "dialogs/dialog_host.h"

namespace markwise {

class CView;

// A report window as the opener of the editing dialogs: their changes repaint every
// window on the class.
class ReportHost : public DialogHost {
public:
    explicit ReportHost(CView& view) : m_view(view) {}

    const CMarkwiseDoc& data() override;
    CClassEditor& editor() override;
    QWidget* widget() override;
    // A report has no assignment columns to scroll.
    void showLastAssignment() override {}
    CGradeCutoffs currentCutoffs() const override;
    bool applyCutoffs(const CGradeCutoffs& cutoffs, Message* error) override;

private:
    CView& m_view;
};

} // namespace markwise
