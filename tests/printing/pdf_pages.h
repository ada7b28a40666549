#pragma once

#include <QList>
#include <QString>
#include <functional>

namespace markwise {
class PrintServices;
}

namespace markwise::test {

// A word pdftotext found, its box in points from the page's top-left corner.
struct PdfWord {
    double xMin = 0;
    double yMin = 0;
    double xMax = 0;
    double yMax = 0;
    QString text;
};

struct PdfPage {
    double width = 0; // points
    double height = 0;
    QList<PdfWord> words;

    bool has(const QString& word) const;
    const PdfWord* find(const QString& word) const;
};

// The pages of a PDF file as poppler's pdftotext reads them; empty when it cannot.
QList<PdfPage> ReadPdfPages(const QString& path);

// The pages Print Preview shows for a job, its window answered through the print seam;
// -1 when no preview came.
int PreviewPageCount(PrintServices& printing, const std::function<void()>& preview);

} // namespace markwise::test
