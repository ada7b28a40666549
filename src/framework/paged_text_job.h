#pragma once

#include "draw_list.h"
#include "geometry/draw_text.h"
#include "geometry/print_page.h"
#include "geometry/printout.h"
#include "geometry/report_print.h"
#include "print_job.h"
#include "print_text.h"

#include <functional>
#include <optional>

namespace markwise {

// A printout of texts laid out in twips that learns its page count as it prints, the
// procedure the grade sheet and the three reports share: the Print dialog; m_morePages
// set at the start of the job and cleared by the page that holds the last item; a
// printer stops before the page after it, a preview shows the page count the last
// page gave; every page in the print font, one unit a twip.
class PagedTextJob : public PrintJob {
public:
    // 1 from the start of a job until the page with the last item has printed.
    int m_morePages = 0;

    bool OnPreparePrinting(CPrintInfo& info) override;
    void OnBeginPrinting(QPainter& painter, CPrintInfo& info) override;
    void OnPrepareDC(QPainter& painter, CPrintInfo& info) override;
    void OnPrint(QPainter& painter, CPrintInfo& info) override;

protected:
    struct PageTexts {
        DrawList texts; // twips, y downward from the top of the printable area
        int pageCount = 1;
        bool morePages = false; // items remain after this page
    };
    virtual PageTexts layoutPage(const PageRequest& request) = 0;

private:
    int m_lineHeight = 0; // measured once per job
    std::optional<GlyphTextPainter> m_textPainter;
};

// A report window's printout: the view gives the layout of one page (reserved lines,
// items, heading and columns are the layout's business).
class ReportPrintJob : public PagedTextJob {
public:
    using PageLayout = std::function<ReportPrintout(const PageRequest& page)>;

    explicit ReportPrintJob(PageLayout layout) : m_layout(std::move(layout)) {}

protected:
    PageTexts layoutPage(const PageRequest& request) override;

private:
    PageLayout m_layout;
};

// Any printout the geometry layer makes (printout.h), on a printer or in the preview.
class PrintoutJob : public PagedTextJob {
public:
    explicit PrintoutJob(Printout printout) : m_printout(std::move(printout)) {}

protected:
    PageTexts layoutPage(const PageRequest& request) override;

private:
    Printout m_printout;
};

} // namespace markwise
