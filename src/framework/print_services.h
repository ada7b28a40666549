#pragma once

#include <QPageSize>
#include <QString>
#include <functional>
#include <memory>

class QPrinter;
class QPrintPreviewDialog;
class QWidget;

namespace markwise {

class CDocument;
class PrintJob;
struct PrintChoices;

// The PDF a print to file proposes: the class's own name ("period3.pdf") beside its file,
// in the home folder for a class never saved.
QString ProposedPdfFile(const CDocument& document);

// The printer the program prints on, owned by the application: Print Setup changes it
// and the next Print, direct print and preview use what was chosen there. Its print,
// page setup and preview dialogs go through answerers tests can set, so no test waits
// on a modal window; an empty answerer restores the real dialog.
class PrintServices {
public:
    // Gets the printer to set up; true accepts the dialog, false cancels it.
    using DialogAnswerer = std::function<bool(QPrinter& printer)>;
    // The Print dialog's answerer may also change the job's choices.
    using ChoicesAnswerer = std::function<bool(QPrinter& printer, PrintChoices& choices)>;
    // Gets the preview dialog instead of running it.
    using PreviewAnswerer = std::function<void(QPrintPreviewDialog& dialog)>;

    PrintServices();
    ~PrintServices();
    PrintServices(const PrintServices&) = delete;
    PrintServices& operator=(const PrintServices&) = delete;

    QPrinter& printer() { return *m_printer; }

    // "&Print...": the Print dialog, then the pages; cancelling prints nothing.
    void print(PrintJob& job, QWidget* parent);
    // Direct print: the printer as set up, no dialog.
    void printDirect(PrintJob& job, QWidget* parent);
    // "Print Pre&view": a preview window over the printer.
    void preview(PrintJob& job, QWidget* parent);
    // "P&rint Setup...": the page setup dialog on the printer.
    void setup(QWidget* parent);

    // The choices are shown as check boxes on their own tab and updated when accepted.
    bool runPrintDialog(QPrinter& printer, QWidget* parent, PrintChoices& choices);

    void setPrintDialogAnswerer(DialogAnswerer answerer);
    void setPrintChoicesAnswerer(ChoicesAnswerer answerer);
    void setPageSetupAnswerer(DialogAnswerer answerer);
    void setPreviewAnswerer(PreviewAnswerer answerer);

private:
    void printWith(PrintJob& job, QWidget* parent, bool direct);

    std::unique_ptr<QPrinter> m_printer;
    ChoicesAnswerer m_printAnswerer;
    DialogAnswerer m_pageSetupAnswerer;
    PreviewAnswerer m_previewAnswerer;
};

struct PdfOptions {
    QString outputFile;
    QPageSize pageSize; // invalid: the locale's paper
    int resolution = 300;
};

// The locale's paper size: Letter where US units rule, else A4.
QPageSize DefaultPageSize();

// Prints the job as a PDF file, no dialog. False with a one-line reason when the file
// cannot be written.
bool PrintToPdf(PrintJob& job, const PdfOptions& options, QString* error);

} // namespace markwise
