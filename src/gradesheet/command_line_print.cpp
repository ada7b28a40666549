#include "command_line_print.h"

#include "core/class_file.h"
#include "core/desktop_command_line.h"
#include "core/profile.h"
#include "core/shown_text.h"
#include "framework/print_services.h"
#include "framework/report_words.h"
#include "framework/translated_sheet_words.h"
#include "framework/ui_language.h"
#include "framework/user_folders.h"
#include "pdf/pdf_print.h"
#include "sheet_print_job.h"

#include <QApplication>
#include <QFileInfo>
#include <QPrinter>
#include <QPrinterInfo>
#include <cstdio>
#include <string>

namespace markwise {

namespace {

int fail(const QString& message) {
    std::fprintf(stderr, "markwise: %s\n", ShownText(message.toLocal8Bit().toStdString()).c_str());
    return 1;
}

QPageSize pageSizeOf(PaperSize paper) {
    switch (paper) {
    case PaperSize::Letter:
        return QPageSize(QPageSize::Letter);
    case PaperSize::A4:
        return QPageSize(QPageSize::A4);
    case PaperSize::Locale:
        break;
    }
    return QPageSize(); // invalid: the locale's
}

int print(const DesktopCommandLine& request, const CommandLineReportMaker& makeReport) {
    if (request.toPdf)
        return pdf::RunDesktopPdfPrinting(request, TranslatedReportTexts(), TranslatedSheetWords());
    const QString classFile = QString::fromLocal8Bit(request.classFile);
    std::string loadError;
    const auto doc = LoadClassFile(request.classFile, loadError);
    if (!doc)
        return fail(QStringLiteral("%1: %2").arg(classFile, QString::fromLocal8Bit(loadError)));
    // The title a window on this file would carry: its file name.
    const std::string title = QFileInfo(classFile).fileName().toStdString();
    const CGradeCutoffs cutoffs = CProfile(DesktopProfilePath()).ReadCutoffs();
    std::unique_ptr<PrintJob> report;
    if (request.report != "sheet") {
        std::string error = "unknown report " + request.report;
        if (makeReport)
            report = makeReport(request.report, *doc, title, cutoffs, error);
        if (!report)
            return fail(QString::fromStdString(error));
    }
    SheetPrintJob sheet(*doc, title, cutoffs,
                        request.allAssignments ? SheetPrintColumns::All
                                               : SheetPrintColumns::LastThatFit,
                        TranslatedSheetWords());
    PrintJob& job = report ? *report : sheet;

    if (QPrinterInfo::defaultPrinter().isNull())
        return fail(QStringLiteral("no default printer"));
    QPrinter printer(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution);
    if (const QPageSize size = pageSizeOf(request.paper); size.isValid())
        printer.setPageSize(size);
    CPrintInfo info;
    info.m_printer = &printer;
    info.m_bDirect = true;
    if (!job.OnPreparePrinting(info) || !RunPageLoop(job, info))
        return fail(QStringLiteral("the print job could not be started"));
    return 0;
}

} // namespace

int RunCommandLinePrinting(int argc, char** argv, const CommandLineReportMaker& makeReport) {
    // No window is shown, so no display is needed: the offscreen platform prints as well.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Scripts get one line for an error and nothing else: Qt's own notices stay quiet.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
        if (type == QtCriticalMsg || type == QtFatalMsg)
            std::fprintf(stderr, "markwise: %s\n", qPrintable(text));
    });
    QApplication app(argc, argv);
    const UiLanguage language;
    // What is left once Qt has taken its own options out.
    const DesktopCommandLine request =
        ParseDesktopCommandLine(ArgumentsAfterProgramName(argc, argv));
    if (!request.error.empty())
        return fail(QString::fromLocal8Bit(request.error));
    return print(request, makeReport);
}

int RunPdfPrinting(const DesktopCommandLine& request, int argc, char** argv) {
    if (!UiLanguage::HasTranslation())
        return pdf::RunDesktopPdfPrinting(request);
    const QCoreApplication app(argc, argv);
    const UiLanguage language;
    return pdf::RunDesktopPdfPrinting(request, TranslatedReportTexts(), TranslatedSheetWords());
}

} // namespace markwise
