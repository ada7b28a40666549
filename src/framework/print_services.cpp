#include "print_services.h"

#include "core/atomic_file.h"
#include "print_job.h"
#include "ui_seam.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QTemporaryFile>
#include <QVBoxLayout>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace markwise {

namespace {
PrintSeam::ChoicesAnswerer& printAnswerer() {
    static PrintSeam::ChoicesAnswerer instance;
    return instance;
}
PrintSeam::DialogAnswerer& pageSetupAnswerer() {
    static PrintSeam::DialogAnswerer instance;
    return instance;
}
PrintSeam::PreviewAnswerer& previewAnswerer() {
    static PrintSeam::PreviewAnswerer instance;
    return instance;
}

// The painter reports no write errors, so the file itself is checked: it must end with
// the PDF trailer and reach the disk.
bool IsCompletePdf(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() < 16 || !file.seek(file.size() - 16))
        return false;
    return file.read(16).trimmed().endsWith("%%EOF") && ::fsync(file.handle()) == 0;
}

const QString kCannotStart = QStringLiteral("The print job could not be started.");
} // namespace

QPrinter& ApplicationPrinter() {
    // Created on first use and released with the application object, before the
    // platform's print support it relies on goes away.
    static QPrinter* printer = nullptr;
    if (printer == nullptr) {
        printer = new QPrinter(QPrinter::HighResolution);
        qAddPostRoutine([] {
            delete printer;
            printer = nullptr;
        });
    }
    return *printer;
}

bool PrintSeam::runPrintDialog(QPrinter& printer, QWidget* parent, PrintChoices& choices) {
    if (printAnswerer())
        return printAnswerer()(printer, choices);
    QPrintDialog dialog(&printer, parent);
    std::vector<QCheckBox*> boxes;
    if (!choices.items.empty()) {
        auto tab = std::make_unique<QWidget>();
        tab->setWindowTitle(choices.title);
        auto* layout = new QVBoxLayout(tab.get());
        for (const PrintChoices::Choice& choice : choices.items) {
            boxes.push_back(new QCheckBox(choice.label, tab.get()));
            boxes.back()->setChecked(choice.checked);
            layout->addWidget(boxes.back());
        }
        layout->addStretch();
        dialog.setOptionTabs({tab.get()});
        // The dialog's tab widget takes it where option tabs are supported.
        if (tab->parent() != nullptr)
            tab.release();
    }
    if (dialog.exec() != QDialog::Accepted)
        return false;
    for (std::size_t i = 0; i < boxes.size(); ++i)
        choices.items[i].checked = boxes[i]->isChecked();
    return true;
}

bool PrintSeam::runPageSetupDialog(QPrinter& printer, QWidget* parent) {
    if (pageSetupAnswerer())
        return pageSetupAnswerer()(printer);
    QPageSetupDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

void PrintSeam::runPreviewDialog(QPrintPreviewDialog& dialog) {
    if (previewAnswerer())
        previewAnswerer()(dialog);
    else
        dialog.exec();
}

void PrintSeam::setPrintDialogAnswerer(DialogAnswerer a) {
    if (a)
        printAnswerer() = [a = std::move(a)](QPrinter& printer, PrintChoices&) {
            return a(printer);
        };
    else
        printAnswerer() = nullptr;
}
void PrintSeam::setPrintChoicesAnswerer(ChoicesAnswerer a) {
    printAnswerer() = std::move(a);
}
void PrintSeam::setPageSetupAnswerer(DialogAnswerer a) {
    pageSetupAnswerer() = std::move(a);
}
void PrintSeam::setPreviewAnswerer(PreviewAnswerer a) {
    previewAnswerer() = std::move(a);
}

namespace {
// A print run on the application's printer, its messages parented to `parent`.
CPrintInfo ApplicationPrintInfo(QWidget* parent) {
    CPrintInfo info;
    info.m_printer = &ApplicationPrinter();
    info.m_parent = parent;
    return info;
}

void printWithInfo(PrintJob& job, CPrintInfo& info) {
    if (!job.OnPreparePrinting(info))
        return;
    if (!RunPageLoop(job, info))
        UiSeam::tell(info.m_parent, kCannotStart);
}
} // namespace

void FilePrint(PrintJob& job, QWidget* parent) {
    CPrintInfo info = ApplicationPrintInfo(parent);
    printWithInfo(job, info);
}

void FilePrintDirect(PrintJob& job, QWidget* parent) {
    CPrintInfo info = ApplicationPrintInfo(parent);
    info.m_bDirect = true;
    printWithInfo(job, info);
}

void FilePrintPreview(PrintJob& job, QWidget* parent) {
    CPrintInfo prepared = ApplicationPrintInfo(parent);
    prepared.m_bPreview = true;
    if (!job.OnPreparePrinting(prepared))
        return;
    QPrintPreviewDialog dialog(&ApplicationPrinter(), parent);
    // The preview paints again whenever its page setup changes: each time a fresh run
    // from what the preparation gave.
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&job, prepared](QPrinter* printer) {
                         CPrintInfo info = prepared;
                         info.m_printer = printer;
                         RunPageLoop(job, info);
                     });
    PrintSeam::runPreviewDialog(dialog);
}

void FilePrintSetup(QWidget* parent) {
    PrintSeam::runPageSetupDialog(ApplicationPrinter(), parent);
}

QPageSize DefaultPageSize() {
    // Letter where US measures rule, A4 elsewhere (the United Kingdom's imperial units too).
    return QPageSize(QLocale().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter
                                                                                : QPageSize::A4);
}

bool PrintToPdf(PrintJob& job, const PdfOptions& options, QString* error) {
    const auto fail = [&](const QString& reason) {
        if (error != nullptr)
            *error = QStringLiteral("cannot write %1: %2").arg(options.outputFile, reason);
        return false;
    };
    // Devices, pipes, folders, dangling links and protected files are refused as for a save.
    std::string target;
    const std::string unfit =
        CheckSaveTarget(QFile::encodeName(options.outputFile).toStdString(), target);
    if (!unfit.empty())
        return fail(QString::fromLocal8Bit(unfit));

    // The pages go to a temporary file beside the PDF, renamed over it only once complete:
    // a full disk or a failure midway leaves no broken PDF and any old one as it was.
    const QFileInfo info(QFile::decodeName(target.c_str()));
    QTemporaryFile temporary(info.absolutePath() + QStringLiteral("/.") + info.fileName() +
                             QStringLiteral(".XXXXXX.tmp"));
    if (!temporary.open())
        return fail(temporary.errorString());
    temporary.close();

    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(temporary.fileName());
    printer.setResolution(options.resolution);
    printer.setPageSize(options.pageSize.isValid() ? options.pageSize : DefaultPageSize());

    CPrintInfo printInfo;
    printInfo.m_printer = &printer;
    printInfo.m_bDirect = true;
    if (!job.OnPreparePrinting(printInfo))
        return true;
    if (!RunPageLoop(job, printInfo))
        return fail(QStringLiteral("the pages could not be drawn"));
    if (!IsCompletePdf(temporary.fileName()))
        return fail(QStringLiteral("the disk may be full"));
    // Like any new file (the temporary's own mode is private), or as the old PDF was.
    const QByteArray temporaryName = QFile::encodeName(temporary.fileName());
    struct stat old {};
    mode_t mode = 0;
    if (::stat(target.c_str(), &old) == 0) {
        mode = old.st_mode & 07777;
    } else {
        mode = ::umask(0);
        ::umask(mode);
        mode = 0666 & ~mode;
    }
    if (::chmod(temporaryName.constData(), mode) != 0 ||
        ::rename(temporaryName.constData(), target.c_str()) != 0)
        return fail(QString::fromLocal8Bit(std::strerror(errno)));
    temporary.setAutoRemove(false);
    return true;
}

} // namespace markwise
