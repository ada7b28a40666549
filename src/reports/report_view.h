#pragma once

#include "framework/draw_list.h"
#include "framework/view.h"
#include "geometry/report_lines.h"
#include "geometry/report_print.h"
#include "geometry/report_texts.h"

#include <QAbstractScrollArea>
#include <string>

namespace markwise {

struct CGradeCutoffs;

// What the three report windows share: a scrolling page of texts laid out by geometry,
// repainted whenever the class changes, and printed and previewed through the report
// page procedure.
class CReportView : public QAbstractScrollArea, public CView {
    Q_OBJECT
public:
    explicit CReportView(CDocument& document);

    QWidget* widget() override { return this; }
    void OnInitialUpdate() override;
    void Invalidate();

    // Text height + leading of the window's font, measured at every paint.
    int m_rowHeight = 0;

protected:
    // The texts of the lines inside band and the report's scroll size.
    virtual ReportScreen layoutScreen(int rowHeight, VisibleBand band) const = 0;
    virtual ReportPrintout printPage(const PageRequest& page) const = 0;
    // A left click at document point (x, y): the client point plus the scroll position.
    virtual void onClick(int x, int y);
    // The item line painted highlighted (the found student); -1 for none.
    virtual int highlightedItem() const { return -1; }
    // Scrolls item k's line into view and repaints.
    void showItem(int k);

    // The heading's title: the document's window title.
    std::string title() const;
    const CGradeCutoffs& cutoffs() const;
    // The headings around the class's data, in the user's language.
    const ReportTexts& texts() const { return m_texts; }

    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void setScrollSize(const ScrollSize& size);

    ScreenGlyphs m_screenGlyphs;
    ReportTexts m_texts;
};

} // namespace markwise
