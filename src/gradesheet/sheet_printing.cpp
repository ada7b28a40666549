#include "sheet_printing.h"

#include "framework/commands.h"
#include "framework/document.h"
#include "framework/print_services.h"
#include "framework/text.h"
#include "markwise_view.h"
#include "sheet_print_job.h"

namespace markwise {

void RunSheetPrintCommand(int id, CMarkwiseView& view) {
    SheetPrintJob job(*view.GetDocument(), fromQString(view.document().title()), view.Cutoffs());
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
