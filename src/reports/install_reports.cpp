#include "install_reports.h"

#include "framework/doc_template.h"
#include "framework/paged_text_job.h"
#include "framework/report_words.h"
#include "framework/translated_sheet_words.h"
#include "geometry/printout.h"
#include "progress_reports_dlg.h"
#include "progress_view.h"
#include "roster_view.h"
#include "stu_view.h"

namespace markwise {

void InstallReportWindows(ReportViewFactories& factories) {
    // Each dialog runs while the window is made, so it shows before the window does.
    factories.progressReport = [](CDocument& document) -> CView* {
        auto* view = new CProgressView(document);
        view->runDialog();
        return view;
    };
    factories.classRoster = [](CDocument& document) -> CView* { return new CRosterView(document); };
    factories.studentReport = [](CDocument& document) -> CView* {
        auto* view = new CStuView(document);
        view->runDialog();
        return view;
    };
}

std::unique_ptr<PrintJob> MakeCommandLineReport(const std::string& report, const CMarkwiseDoc& doc,
                                                const std::string& title,
                                                const CGradeCutoffs& cutoffs, std::string& error) {
    Printout printout = MakePrintout(report, doc, title, cutoffs, SheetPrintColumns::LastThatFit,
                                     error, TranslatedReportTexts(), TranslatedSheetWords());
    if (!printout)
        return nullptr;
    return std::make_unique<PrintoutJob>(std::move(printout));
}

} // namespace markwise
