#pragma once

#include <QRect>
#include <QString>
#include <vector>

class QPainter;
class QPrinter;
class QWidget;

namespace markwise {

class PrintServices;

// Yes/no choices a job offers on a tab of its own in the Print dialog, read back when the
// dialog is accepted.
struct PrintChoices {
    struct Choice {
        QString label;
        bool checked = false;
    };
    QString title; // the tab's
    std::vector<Choice> items;
};

// What the page loop tells a printing view about the job and the page, and what the
// view tells the loop back (the last page, whether to go on).
struct CPrintInfo {
    static constexpr int kUnknownMaxPage = 0xFFFF;

    QPrinter* m_printer = nullptr;
    PrintServices* m_services = nullptr; // runs the Print dialog; none: the job cannot ask
    QWidget* m_parent = nullptr;         // owner of the print dialog
    bool m_bPreview = false;
    bool m_bDirect = false; // no print dialog: the printer as it is set up
    bool m_bContinuePrinting = true;
    PrintChoices m_choices; // offered by the Print dialog; none by default
    int m_nCurPage = 1;     // counting from 1
    // The printable area of the page in printer pixels, origin at its top-left corner.
    QRect m_rectDraw;
    // The same area in 300-dots-per-inch pixels (inches x 300), the unit page layouts
    // take so that every printer resolution gives the same page.
    QRect m_rectDraw300;

    void SetMaxPage(int maxPage) { m_maxPage = maxPage; }
    int GetMaxPage() const { return m_maxPage; }

private:
    int m_maxPage = kUnknownMaxPage;
};

// The hooks a printable view gives the page loop, called in this order:
// OnPreparePrinting (false cancels the job before any page), OnBeginPrinting once,
// then for pages 1, 2, ... OnPrepareDC (the job ends when it leaves
// m_bContinuePrinting false) and OnPrint, and finally OnEndPrinting.
class PrintJob {
public:
    virtual ~PrintJob() = default;

    // Usually DoPreparePrinting(info).
    virtual bool OnPreparePrinting(CPrintInfo& info);
    virtual void OnBeginPrinting(QPainter& painter, CPrintInfo& info);
    // Goes on while pages are known to remain; with no page count given, prints page 1 only.
    virtual void OnPrepareDC(QPainter& painter, CPrintInfo& info);
    virtual void OnPrint(QPainter& painter, CPrintInfo& info) = 0;
    virtual void OnEndPrinting(QPainter& painter, CPrintInfo& info);
    // The choices as the user left them (the Print dialog's, or the preview's toolbar).
    virtual void takeChoices(const PrintChoices&) {}
};

// The standard print preparation: the Print dialog on info's printer, unless the job is a
// preview or a direct print. False when the dialog is cancelled.
bool DoPreparePrinting(CPrintInfo& info);

// Prints pages on info.m_printer (already set up and prepared): the whole loop from
// OnBeginPrinting to OnEndPrinting. Real printing follows the printer's page range and stops
// when the continue flag is false; a preview also stops after the last page the job gave
// with SetMaxPage, and always shows at least one. False when the printer cannot be started.
bool RunPageLoop(PrintJob& job, CPrintInfo& info);

// Keeps freed memory in the process instead of giving it back after every page: the
// toolkit's printing grows each page's buffers anew, and with glibc's defaults the heap is
// trimmed and asked for again page after page (a third of a long printout's time). Called
// once, at the start of the program.
void KeepHeapForPrinting();

} // namespace markwise
