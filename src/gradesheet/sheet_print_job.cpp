#include "sheet_print_job.h"

namespace markwise {

SheetPrintJob::SheetPrintJob(const CMarkwiseDoc& doc, std::string title,
                             const CGradeCutoffs& cutoffs, SheetPrintColumns columns,
                             SheetWords words)
    : m_doc(doc), m_title(std::move(title)), m_cutoffs(cutoffs), m_columns(columns),
      m_words(std::move(words)) {}

bool SheetPrintJob::OnPreparePrinting(CPrintInfo& info) {
    info.m_choices = {tr("Grade Sheet"),
                      {{tr("All assignments"), m_columns == SheetPrintColumns::All}}};
    if (!PagedTextJob::OnPreparePrinting(info))
        return false;
    takeChoices(info.m_choices);
    return true;
}

void SheetPrintJob::takeChoices(const PrintChoices& choices) {
    const bool all = !choices.items.empty() && choices.items.front().checked;
    m_columns = all ? SheetPrintColumns::All : SheetPrintColumns::LastThatFit;
}

SheetPrintJob::PageTexts SheetPrintJob::layoutPage(const PageRequest& request) {
    SheetPrintPage page = LayoutSheetPrintPage(m_doc, m_cutoffs, m_title, request, m_columns,
                                               &m_columnsCache, m_words);
    return {std::move(page.texts), page.geometry.pageCount, page.morePages};
}

} // namespace markwise
