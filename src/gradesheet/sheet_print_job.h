#pragma once

#include "core/cutoffs.h"
#include "framework/paged_text_job.h"
#include "geometry/sheet_print_page.h"

#include <QCoreApplication>
#include <string>

namespace markwise {

class CMarkwiseDoc;

// The grade sheet on paper: the class's names, the last assignment columns that fit
// across the page (or every assignment, in strips) and the totals block, paged through the
// students. The document must outlive the job; it is read afresh at every page.
class SheetPrintJob : public PagedTextJob {
    Q_DECLARE_TR_FUNCTIONS(SheetPrintJob)
public:
    // title: the document's window title; the pages show it without a ".MKW"-style ending.
    SheetPrintJob(const CMarkwiseDoc& doc, std::string title, const CGradeCutoffs& cutoffs,
                  SheetPrintColumns columns = SheetPrintColumns::LastThatFit,
                  SheetWords words = EnglishSheetWords());

    // Offers "All assignments" in the Print dialog.
    bool OnPreparePrinting(CPrintInfo& info) override;
    void takeChoices(const PrintChoices& choices) override;

protected:
    PageTexts layoutPage(const PageRequest& request) override;

private:
    const CMarkwiseDoc& m_doc;
    std::string m_title;
    CGradeCutoffs m_cutoffs;
    SheetPrintColumns m_columns;
    SheetColumnsCache m_columnsCache;
    SheetWords m_words;
};

} // namespace markwise
