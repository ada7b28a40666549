#include "report_view.h"

#include "framework/commands.h"
#include "framework/cutoff_service.h"
#include "framework/document.h"
#include "framework/draw_list.h"
#include "framework/paged_text_job.h"
#include "framework/print_services.h"
#include "framework/report_words.h"
#include "framework/scrolling.h"
#include "framework/text.h"
#include "geometry/text_room.h"

#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>

namespace markwise {

CReportView::CReportView(CDocument& document) : CView(document), m_texts(TranslatedReportTexts()) {
    connect(&document, &CDocument::changed, this, &CReportView::Invalidate);
    connect(&document.services().cutoffs, &CutoffService::changed, this, &CReportView::Invalidate);
    const auto print = [this](void (PrintServices::*run)(PrintJob&, QWidget*)) {
        return [this, run] {
            ReportPrintJob job([this](const PageRequest& page) { return printPage(page); });
            (this->frameworkDocument().services().printing.*run)(job, this);
        };
    };
    handle(ID_FILE_PRINT, print(&PrintServices::print));
    handle(ID_FILE_PRINT_DIRECT, print(&PrintServices::printDirect));
    handle(ID_FILE_PRINT_PREVIEW, print(&PrintServices::preview));
}

void CReportView::OnInitialUpdate() {
    // A provisional size until the first paint measures the font.
    setScrollSize({100, 100});
    Invalidate();
}

void CReportView::Invalidate() {
    viewport()->update();
}

std::string CReportView::title() const {
    return fromQString(frameworkDocument().title());
}

const CGradeCutoffs& CReportView::cutoffs() const {
    return frameworkDocument().services().cutoffs.current();
}

void CReportView::setScrollSize(const ScrollSize& size) {
    const QSize client = viewport()->size();
    // Down the report, the steps every scrolling view shares; across, the framework's
    // tenth of the range per page.
    SetScrollBar(*verticalScrollBar(), size.height, client.height(), m_rowHeight);
    horizontalScrollBar()->setRange(0, std::max(0, size.width - client.width()));
    horizontalScrollBar()->setPageStep(std::max(1, size.width / 10));
    horizontalScrollBar()->setSingleStep(std::max(1, size.width / 100));
}

void CReportView::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    const QFontMetrics metrics = painter.fontMetrics();
    m_rowHeight = metrics.height() + metrics.leading();

    const auto layout = [this] {
        const int top = verticalScrollBar()->value();
        return layoutScreen(m_rowHeight, {top, top + viewport()->height()});
    };
    const int before = verticalScrollBar()->value();
    ReportScreen screen = layout();
    setScrollSize(screen.scroll);
    // A shorter report (students removed) may have pulled the scroll position up.
    if (verticalScrollBar()->value() != before)
        screen = layout();
    // The palette's own colours, so a dark theme stays legible.
    painter.fillRect(viewport()->rect(), palette().color(QPalette::Base));
    painter.translate(-horizontalScrollBar()->value(), -verticalScrollBar()->value());
    if (const int k = highlightedItem(); k >= 0) {
        // Item lines follow the heading and the column headers; framed as the sheet frames
        // its current cell.
        QPen frame(palette().color(QPalette::Highlight));
        frame.setWidth(2);
        painter.save();
        painter.setPen(frame);
        painter.drawRect(QRect(1, (k + 2) * m_rowHeight + 1,
                               std::max(screen.scroll.width, viewport()->width()) - 3,
                               m_rowHeight - 2));
        painter.restore();
    }
    painter.setPen(palette().color(QPalette::Text));
    // A long name is cut short of the column after it rather than drawn under it.
    const GlyphTextPainter& glyphs = m_screenGlyphs.glyphsFor(painter.font());
    ElideCrowdedTexts(glyphs, screen.texts, TextLimits(screen.texts));
    glyphs.draw(painter, screen.texts);
}

void CReportView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        const QPoint at = event->position().toPoint();
        onClick(at.x() + horizontalScrollBar()->value(), at.y() + verticalScrollBar()->value());
    }
    QAbstractScrollArea::mousePressEvent(event);
}

void CReportView::onClick(int, int) {}

void CReportView::showItem(int k) {
    const int h = std::max(m_rowHeight, 1);
    const int top = (k + 2) * h;
    QScrollBar* bar = verticalScrollBar();
    if (top < bar->value() + 2 * h || top + h > bar->value() + viewport()->height())
        bar->setValue(std::max(0, top - 2 * h));
    Invalidate();
}

} // namespace markwise
