#include "print_job.h"

#include "print_services.h"

#include <QPainter>
#include <QPrinter>
#include <algorithm>
#include <malloc.h>

namespace markwise {

bool PrintJob::OnPreparePrinting(CPrintInfo& info) {
    return DoPreparePrinting(info);
}

void PrintJob::OnBeginPrinting(QPainter&, CPrintInfo&) {}

void PrintJob::OnPrepareDC(QPainter&, CPrintInfo& info) {
    info.m_bContinuePrinting = info.GetMaxPage() == CPrintInfo::kUnknownMaxPage
                                   ? info.m_nCurPage == 1
                                   : info.m_nCurPage <= info.GetMaxPage();
}

void PrintJob::OnEndPrinting(QPainter&, CPrintInfo&) {}

bool DoPreparePrinting(CPrintInfo& info) {
    if (info.m_printer == nullptr)
        return false;
    if (info.m_bPreview || info.m_bDirect)
        return true;
    return info.m_services != nullptr &&
           info.m_services->runPrintDialog(*info.m_printer, info.m_parent, info.m_choices);
}

namespace {
// The page numbers real printing covers: the range chosen in the Print dialog, else all.
std::pair<int, int> pageRange(const CPrintInfo& info) {
    const QPrinter& printer = *info.m_printer;
    if (!info.m_bPreview && printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0)
        return {printer.fromPage(), std::max(printer.fromPage(), printer.toPage())};
    return {1, CPrintInfo::kUnknownMaxPage};
}
} // namespace

bool RunPageLoop(PrintJob& job, CPrintInfo& info) {
    QPrinter& printer = *info.m_printer;
    const QPageLayout layout = printer.pageLayout();
    info.m_rectDraw = QRect(QPoint(0, 0), layout.paintRectPixels(printer.resolution()).size());
    info.m_rectDraw300 = QRect(QPoint(0, 0), layout.paintRectPixels(300).size());

    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    job.OnBeginPrinting(painter, info);
    const auto [firstPage, lastPage] = pageRange(info);
    bool pagePrinted = false;
    for (int page = firstPage; page <= lastPage; ++page) {
        info.m_nCurPage = page;
        job.OnPrepareDC(painter, info);
        if (!info.m_bContinuePrinting)
            break;
        if (pagePrinted)
            printer.newPage();
        painter.save();
        job.OnPrint(painter, info);
        painter.restore();
        pagePrinted = true;
        if (info.m_bPreview && page >= info.GetMaxPage())
            break;
    }
    job.OnEndPrinting(painter, info);
    painter.end();
    return true;
}

void KeepHeapForPrinting() {
    constexpr int kMiB = 1 << 20;
    mallopt(M_TOP_PAD, 16 * kMiB);
    mallopt(M_TRIM_THRESHOLD, 64 * kMiB);
}

} // namespace markwise
