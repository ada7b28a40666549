#include "print_services.h"

#include "core/atomic_file.h"
#include "document.h"
#include "print_job.h"
#include "ui_seam.h"
#include "view.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QTemporaryFile>
#include <QToolBar>
#include <QVBoxLayout>
#include <memory>

namespace markwise {

namespace {
// The painter reports no write errors, so the file itself is checked: it must end with
// the PDF trailer.
bool IsCompletePdf(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() < 16 || !file.seek(file.size() - 16))
        return false;
    return file.read(16).trimmed().endsWith("%%EOF");
}

QString cannotStart() {
    return QCoreApplication::translate("PrintServices", "The print job could not be started.");
}
} // namespace

QString ProposedPdfFile(const CDocument& document) {
    const QFileInfo file(document.path());
    const QString base = QFileInfo(document.title()).completeBaseName();
    const QString folder = document.path().isEmpty() ? QDir::homePath() : file.absolutePath();
    return QDir(folder).filePath((base.isEmpty() ? QStringLiteral("print") : base) +
                                 QStringLiteral(".pdf"));
}

PrintServices::PrintServices() : m_printer(std::make_unique<QPrinter>(QPrinter::HighResolution)) {}

PrintServices::~PrintServices() = default;

bool PrintServices::runPrintDialog(QPrinter& printer, QWidget* parent, PrintChoices& choices) {
    if (m_printAnswerer)
        return m_printAnswerer(printer, choices);
    QPrintDialog dialog(&printer, parent);
    std::vector<QCheckBox*> boxes;
    // Ours to the end, whether or not the dialog's tab widget takes it in: its boxes are read
    // after the dialog closes, and deleting it before the dialog takes it out of the dialog.
    std::unique_ptr<QWidget> tab;
    if (!choices.items.empty()) {
        tab = std::make_unique<QWidget>();
        tab->setWindowTitle(choices.title);
        auto* layout = new QVBoxLayout(tab.get());
        for (const PrintChoices::Choice& choice : choices.items) {
            boxes.push_back(new QCheckBox(choice.label, tab.get()));
            boxes.back()->setChecked(choice.checked);
            layout->addWidget(boxes.back());
        }
        layout->addStretch();
        dialog.setOptionTabs({tab.get()});
    }
    if (dialog.exec() != QDialog::Accepted)
        return false;
    for (std::size_t i = 0; i < boxes.size(); ++i)
        choices.items[i].checked = boxes[i]->isChecked();
    return true;
}

void PrintServices::setPrintDialogAnswerer(DialogAnswerer a) {
    if (a)
        m_printAnswerer = [a = std::move(a)](QPrinter& printer, PrintChoices&) {
            return a(printer);
        };
    else
        m_printAnswerer = nullptr;
}
void PrintServices::setPrintChoicesAnswerer(ChoicesAnswerer a) {
    m_printAnswerer = std::move(a);
}
void PrintServices::setPageSetupAnswerer(DialogAnswerer a) {
    m_pageSetupAnswerer = std::move(a);
}
void PrintServices::setPreviewAnswerer(PreviewAnswerer a) {
    m_previewAnswerer = std::move(a);
}

void PrintServices::printWith(PrintJob& job, QWidget* parent, bool direct) {
    // A print to a PDF file proposes the class's own name beside the class file.
    if (const auto* view = dynamic_cast<const CView*>(parent); view && !direct) {
        const QString file = ProposedPdfFile(view->frameworkDocument());
        m_printer->setDocName(QFileInfo(file).completeBaseName());
        if (m_printer->outputFormat() == QPrinter::PdfFormat)
            m_printer->setOutputFileName(file);
    }
    CPrintInfo info;
    info.m_printer = m_printer.get();
    info.m_services = this;
    info.m_parent = parent;
    info.m_bDirect = direct;
    if (!job.OnPreparePrinting(info))
        return;
    if (!RunPageLoop(job, info))
        UiSeam::tell(parent, cannotStart());
}

void PrintServices::print(PrintJob& job, QWidget* parent) {
    printWith(job, parent, false);
}

void PrintServices::printDirect(PrintJob& job, QWidget* parent) {
    printWith(job, parent, true);
}

void PrintServices::preview(PrintJob& job, QWidget* parent) {
    CPrintInfo prepared;
    prepared.m_printer = m_printer.get();
    prepared.m_services = this;
    prepared.m_parent = parent;
    prepared.m_bPreview = true;
    if (!job.OnPreparePrinting(prepared))
        return;
    QPrintPreviewDialog dialog(m_printer.get(), parent);
    // The job's choices as toggles on the preview's toolbar: the preview follows them.
    auto* toolbar = dialog.findChild<QToolBar*>();
    auto* widget = dialog.findChild<QPrintPreviewWidget*>();
    PrintChoices choices = prepared.m_choices;
    for (std::size_t i = 0; toolbar && widget && i < choices.items.size(); ++i) {
        QAction* toggle = toolbar->addAction(choices.items[i].label);
        toggle->setCheckable(true);
        toggle->setChecked(choices.items[i].checked);
        QObject::connect(toggle, &QAction::toggled, &dialog, [&job, &choices, widget, i](bool on) {
            choices.items[i].checked = on;
            job.takeChoices(choices);
            widget->updatePreview();
        });
    }
    // The preview paints again whenever its page setup changes: each time a fresh run
    // from what the preparation gave.
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&job, prepared](QPrinter* printer) {
                         CPrintInfo info = prepared;
                         info.m_printer = printer;
                         RunPageLoop(job, info);
                     });
    if (m_previewAnswerer)
        m_previewAnswerer(dialog);
    else
        dialog.exec();
}

void PrintServices::setup(QWidget* parent) {
    if (m_pageSetupAnswerer) {
        m_pageSetupAnswerer(*m_printer);
        return;
    }
    QPageSetupDialog dialog(m_printer.get(), parent);
    dialog.exec();
}

QPageSize DefaultPageSize() {
    // Letter where US measures rule, A4 elsewhere (the United Kingdom's imperial units too):
    // the machine's measures, whatever language the program speaks.
    return QPageSize(QLocale::system().measurementSystem() == QLocale::ImperialUSSystem
                         ? QPageSize::Letter
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

    // The pages go to a private temporary file first; only a complete PDF is then saved
    // the way every file is, so a full disk, a failure midway or a power cut leaves no
    // broken PDF and any old one as it was.
    QTemporaryFile temporary(QDir::tempPath() + QStringLiteral("/markwise-XXXXXX.pdf"));
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
    if (!temporary.open())
        return fail(temporary.errorString());
    const QByteArray pages = temporary.readAll();
    std::string saveError;
    if (!WriteFileAtomically(target, pages.constData(), std::size_t(pages.size()), saveError)) {
        // The sentence without its "Could not save "<file>". ", which fail says already.
        const std::size_t named = saveError.find("\". ");
        return fail(QString::fromLocal8Bit(
            named == std::string::npos ? saveError : saveError.substr(named + 3)));
    }
    return true;
}

} // namespace markwise
