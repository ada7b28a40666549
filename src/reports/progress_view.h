#pragma once

#include "geometry/progress_layout.h"
#include "report_view.h"

#include <memory>

namespace markwise {

// The progress report list: the students a search found, with their current percent,
// grade and the comment typed for their list position. The found list, cut-off and
// comments belong to this window alone and go when it closes.
class CProgressView : public CReportView {
    Q_OBJECT
public:
    explicit CProgressView(CDocument& document);

    // Runs the Progress Reports dialog on this window; marks it as run.
    void runDialog();
    const ProgressReportState& state() const { return *m_state; }

    // Asks before typed comments are lost.
    bool canClose() override;

protected:
    ReportScreen layoutScreen(int rowHeight, VisibleBand band) const override;
    ReportPrintout printPage(const PageRequest& page) const override;

private:
    ProgressReportInput input(const std::string& title) const;

    std::unique_ptr<ProgressReportState> m_state; // large: 1000 comments
};

} // namespace markwise
