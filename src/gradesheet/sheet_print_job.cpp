#include "sheet_print_job.h"

#include "geometry/sheet_print_page.h"

namespace markwise {

SheetPrintJob::SheetPrintJob(const CMarkwiseDoc& doc, std::string title,
                             const CGradeCutoffs& cutoffs)
    : m_doc(doc), m_title(std::move(title)), m_cutoffs(cutoffs) {}

SheetPrintJob::PageTexts SheetPrintJob::LayoutPage(const PageRequest& request) {
    SheetPrintPage page =
        LayoutSheetPrintPage(m_doc, m_cutoffs, m_title,
                             {request.width, request.height, request.lineHeight}, request.page);
    return {std::move(page.texts), page.geometry.pageCount, page.morePages};
}

} // namespace markwise
