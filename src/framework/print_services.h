#pragma once

#include <QPageSize>
#include <QString>
#include <functional>

class QPrinter;
class QPrintPreviewDialog;
class QWidget;

namespace markwise {

class PrintJob;
struct PrintChoices;

// The printer the whole program prints on: Print Setup changes it and the next Print,
// direct print and preview use what was chosen there.
QPrinter& ApplicationPrinter();

// The print, page setup and preview dialogs go through here, so tests can answer them
// without a modal window. An empty function restores the real dialog.
class PrintSeam {
public:
    // Gets the printer to set up; true accepts the dialog, false cancels it.
    using DialogAnswerer = std::function<bool(QPrinter& printer)>;
    // The Print dialog's answerer may also change the job's choices.
    using ChoicesAnswerer = std::function<bool(QPrinter& printer, PrintChoices& choices)>;
    // Gets the preview dialog instead of running it.
    using PreviewAnswerer = std::function<void(QPrintPreviewDialog& dialog)>;

    // The choices are shown as check boxes on their own tab and updated when accepted.
    static bool runPrintDialog(QPrinter& printer, QWidget* parent, PrintChoices& choices);
    static bool runPageSetupDialog(QPrinter& printer, QWidget* parent);
    static void runPreviewDialog(QPrintPreviewDialog& dialog);

    static void setPrintDialogAnswerer(DialogAnswerer answerer);
    static void setPrintChoicesAnswerer(ChoicesAnswerer answerer);
    static void setPageSetupAnswerer(DialogAnswerer answerer);
    static void setPreviewAnswerer(PreviewAnswerer answerer);
};

// "&Print...": the Print dialog, then the pages; cancelling prints nothing.
void FilePrint(PrintJob& job, QWidget* parent);
// Direct print: the application printer as set up, no dialog.
void FilePrintDirect(PrintJob& job, QWidget* parent);
// "Print Pre&view": a preview window over the application printer.
void FilePrintPreview(PrintJob& job, QWidget* parent);
// "P&rint Setup...": the page setup dialog on the application printer.
void FilePrintSetup(QWidget* parent);

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
