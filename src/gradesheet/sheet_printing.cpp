#include "sheet_printing.h"

#include "framework/commands.h"
#include "framework/document.h"
#include "framework/print_services.h"
#include "framework/text.h"
#include "framework/win_app.h"
#include "markwise_view.h"
#include "sheet_print_job.h"

namespace markwise {

bool IsSheetPrintCommand(int id) {
    return id == ID_FILE_PRINT || id == ID_FILE_PRINT_DIRECT || id == ID_FILE_PRINT_PREVIEW;
}

void RunSheetPrintCommand(int id, CMarkwiseView& view) {
    SheetPrintJob job(*view.GetDocument(), fromQString(view.document().title()),
                      CWinApp::instance()->cutoffs());
    switch (id) {
    case ID_FILE_PRINT:
        FilePrint(job, &view);
        break;
    case ID_FILE_PRINT_DIRECT:
        FilePrintDirect(job, &view);
        break;
    case ID_FILE_PRINT_PREVIEW:
        FilePrintPreview(job, &view);
        break;
    default:
        break;
    }
}

} // namespace markwise
