#include "progress_view.h"

#include "core/markwise_doc.h"
#include "framework/commands.h"
#include "framework/doc_manager.h"
#include "framework/document.h"
#include "framework/ui_seam.h"
#include "progress_reports_dlg.h"

#include <algorithm>

namespace markwise {

CProgressView::CProgressView(CDocument& document)
    : CReportView(document), m_state(std::make_unique<ProgressReportState>()) {
    handle(ID_CLASS_PROGRESS_REPORTS, [this] { runDialog(); });
    handle(ID_VIEW_STUDENT_ID, [this] {
        this->frameworkDocument().editor().toggleListing();
    }).state([this](CommandState& state) { state.checked = !GetDocument()->ListsNames(); });
}

ProgressReportInput CProgressView::input(const std::string& title) const {
    return {*GetDocument(), *m_state, cutoffs(), title, texts()};
}

void CProgressView::runDialog() {
    // While the window is being made it has no place on screen yet: the main window owns
    // the dialog then.
    QWidget* parent = isVisible() ? this : frameworkDocument().manager().window();
    CProgressReportsDlg dialog(
        *m_state, *GetDocument(), cutoffs(), [this] { Invalidate(); }, parent);
    dialog.exec();
    m_state->m_dialogShown = 1;
    Invalidate();
}

bool CProgressView::canClose() {
    const auto& comments = m_state->m_reportComments;
    if (std::all_of(comments.begin(), comments.end(), [](const auto& c) { return c.empty(); }))
        return true;
    return UiSeam::ask(this, tr("Discard the progress report comments?"), Buttons::OkCancel) ==
           Answer::Ok;
}

ReportScreen CProgressView::layoutScreen(int rowHeight, VisibleBand band) const {
    const std::string shown = title();
    return LayoutProgressScreen(input(shown), rowHeight, band);
}

ReportPrintout CProgressView::printPage(const PageRequest& page) const {
    const std::string shown = title();
    return PrintProgressPage(input(shown), page);
}

} // namespace markwise
