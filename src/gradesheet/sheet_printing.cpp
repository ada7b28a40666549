#include "sheet_printing.h"

#include "framework/commands.h"
#include "framework/document.h"
#include "framework/print_services.h"
#include "framework/text.h"
#include "framework/translated_sheet_words.h"
#include "markwise_view.h"
#include "sheet_print_job.h"

namespace markwise {

void RunSheetPrintCommand(int id, CMarkwiseView& view) {
    SheetPrintJob job(*view.GetDocument(), fromQString(view.frameworkDocument().title()),
                      view.cutoffs(), SheetPrintColumns::LastThatFit, TranslatedSheetWords());
    PrintServices& printing = view.frameworkDocument().services().printing;
    switch (id) {
    case ID_FILE_PRINT:
        printing.print(job, &view);
        break;
    case ID_FILE_PRINT_DIRECT:
        printing.printDirect(job, &view);
        break;
    case ID_FILE_PRINT_PREVIEW:
        printing.preview(job, &view);
        break;
    default:
        break;
    }
}

} // namespace markwise
