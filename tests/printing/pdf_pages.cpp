#include "pdf_pages.h"

#include "framework/print_services.h"

#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QProcess>
#include <QRegularExpression>
#include <QTextDocumentFragment>

namespace markwise::test {

bool PdfPage::has(const QString& word) const {
    return find(word) != nullptr;
}

const PdfWord* PdfPage::find(const QString& word) const {
    for (const PdfWord& w : words) {
        if (w.text == word)
            return &w;
    }
    return nullptr;
}

QList<PdfPage> ReadPdfPages(const QString& path) {
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"),
                    {QStringLiteral("-bbox"), path, QStringLiteral("-")});
    if (!pdftotext.waitForFinished(60000) || pdftotext.exitCode() != 0)
        return {};
    const QString html = QString::fromUtf8(pdftotext.readAllStandardOutput());

    static const QRegularExpression tag(
        QStringLiteral(R"re(<page width="([\d.]+)" height="([\d.]+)">|<word xMin="([\d.]+)" )re"
                       R"re(yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
    QList<PdfPage> pages;
    for (auto it = tag.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        if (!m.captured(1).isEmpty()) {
            pages.append({m.captured(1).toDouble(), m.captured(2).toDouble(), {}});
        } else if (!pages.isEmpty()) {
            pages.last().words.append(
                {m.captured(3).toDouble(), m.captured(4).toDouble(), m.captured(5).toDouble(),
                 m.captured(6).toDouble(),
                 QTextDocumentFragment::fromHtml(m.captured(7)).toPlainText()});
        }
    }
    return pages;
}

int PreviewPageCount(PrintServices& printing, const std::function<void()>& preview) {
    int pages = -1;
    printing.setPreviewAnswerer([&pages](QPrintPreviewDialog& dialog) {
        if (auto* widget = dialog.findChild<QPrintPreviewWidget*>()) {
            widget->updatePreview();
            pages = widget->pageCount();
        }
    });
    preview();
    printing.setPreviewAnswerer({});
    return pages;
}

} // namespace markwise::test
