#include "paged_text_job.h"

#include <QPainter>

namespace markwise {

bool PagedTextJob::OnPreparePrinting(CPrintInfo& info) {
    return DoPreparePrinting(info);
}

void PagedTextJob::OnBeginPrinting(QPainter&, CPrintInfo&) {
    m_morePages = 1;
    m_lineHeight = MeasurePrintLineHeight();
    m_textPainter.emplace(PrintFont());
}

void PagedTextJob::OnPrepareDC(QPainter&, CPrintInfo& info) {
    info.m_bContinuePrinting = ContinuePrinting(m_morePages != 0, info.m_bPreview);
}

void PagedTextJob::OnPrint(QPainter& painter, CPrintInfo& info) {
    const PageTexts page = layoutPage(
        {info.m_rectDraw300.width(), info.m_rectDraw300.height(), m_lineHeight, info.m_nCurPage});
    info.SetMaxPage(page.pageCount);
    if (!page.morePages)
        m_morePages = 0;
    SetTwipsMapping(painter);
    painter.setPen(Qt::black);
    m_textPainter->draw(painter, page.texts);
}

ReportPrintJob::PageTexts ReportPrintJob::layoutPage(const PageRequest& request) {
    ReportPrintout printout = m_layout(request);
    return {std::move(printout.texts), printout.pagination.pageCount,
            printout.pagination.morePages};
}

PrintoutJob::PageTexts PrintoutJob::layoutPage(const PageRequest& request) {
    PrintedPage page = m_printout(request);
    return {std::move(page.texts), page.pageCount, page.morePages};
}

} // namespace markwise
