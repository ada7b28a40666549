#include "command_line_print.h"

#include "core/class_file.h"
#include "core/profile.h"
#include "core/shown_text.h"
#include "framework/print_services.h"
#include "sheet_print_job.h"

#include <QApplication>
#include <QFileInfo>
#include <QPrinter>
#include <QPrinterInfo>
#include <cstdio>
#include <cstring>
#include <string>

namespace markwise {

namespace {

struct PrintRequest {
    bool toPdf = false;
    QString pdfFile;
    QString classFile;
    // As the file system spells it: a name that is not UTF-8 does not survive a QString.
    QByteArray classPath;
    QPageSize pageSize; // invalid: the locale's
    int resolution = 300;
    QString report = QStringLiteral("sheet");
    SheetPrintColumns columns = SheetPrintColumns::LastThatFit;
};

int fail(const QString& message) {
    std::fprintf(stderr, "markwise: %s\n", ShownText(message.toLocal8Bit().toStdString()).c_str());
    return 1;
}

bool asksForPrinting(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--print") == 0 || std::strcmp(argv[i], "--print-to-pdf") == 0)
            return true;
    }
    return false;
}

// Empty when the switches make sense, else the reason.
QString parse(int argc, char** argv, PrintRequest& request) {
    for (int i = 1; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        const bool hasValue = i + 1 < argc;
        if (arg == QLatin1String("--print")) {
            continue;
        } else if (arg == QLatin1String("--print-to-pdf") && hasValue) {
            request.toPdf = true;
            request.pdfFile = QString::fromLocal8Bit(argv[++i]);
        } else if (arg == QLatin1String("--page-size") && hasValue) {
            const QString name = QString::fromLocal8Bit(argv[++i]);
            if (name.compare(QLatin1String("Letter"), Qt::CaseInsensitive) == 0)
                request.pageSize = QPageSize(QPageSize::Letter);
            else if (name.compare(QLatin1String("A4"), Qt::CaseInsensitive) == 0)
                request.pageSize = QPageSize(QPageSize::A4);
            else
                return QStringLiteral("unknown page size %1 (Letter or A4)").arg(name);
        } else if (arg == QLatin1String("--resolution") && hasValue) {
            bool ok = false;
            request.resolution = QString::fromLocal8Bit(argv[++i]).toInt(&ok);
            if (!ok || request.resolution < 72 || request.resolution > 9600)
                return QStringLiteral("the resolution must be 72 to 9600 dots per inch");
        } else if (arg == QLatin1String("--report") && hasValue) {
            request.report = QString::fromLocal8Bit(argv[++i]);
        } else if (arg == QLatin1String("--all-assignments")) {
            request.columns = SheetPrintColumns::All;
        } else if (arg == QLatin1String("--no-splash")) {
            continue;
        } else if (arg.startsWith(QLatin1String("--")) || !request.classFile.isEmpty()) {
            return QStringLiteral("unexpected argument %1").arg(arg);
        } else {
            request.classFile = arg;
            request.classPath = argv[i];
        }
    }
    return request.classFile.isEmpty() ? QStringLiteral("no class file to print") : QString();
}

int print(const PrintRequest& request, const CommandLineReportMaker& makeReport) {
    std::string loadError;
    const auto doc = LoadClassFile(request.classPath.toStdString(), loadError);
    if (!doc)
        return fail(
            QStringLiteral("%1: %2").arg(request.classFile, QString::fromLocal8Bit(loadError)));
    // The title a window on this file would carry: its file name.
    const std::string title = QFileInfo(request.classFile).fileName().toStdString();
    const CGradeCutoffs cutoffs = CProfile().ReadCutoffs();
    std::unique_ptr<PrintJob> report;
    if (request.report != QLatin1String("sheet")) {
        std::string error = "unknown report " + request.report.toStdString();
        if (makeReport)
            report = makeReport(request.report.toStdString(), *doc, title, cutoffs, error);
        if (!report)
            return fail(QString::fromStdString(error));
    }
    SheetPrintJob sheet(*doc, title, cutoffs, request.columns);
    PrintJob& job = report ? *report : sheet;

    if (request.toPdf) {
        QString error;
        if (!PrintToPdf(job, {request.pdfFile, request.pageSize, request.resolution}, &error))
            return fail(error);
        return 0;
    }
    if (QPrinterInfo::defaultPrinter().isNull())
        return fail(QStringLiteral("no default printer"));
    QPrinter printer(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution);
    if (request.pageSize.isValid())
        printer.setPageSize(request.pageSize);
    CPrintInfo info;
    info.m_printer = &printer;
    info.m_bDirect = true;
    if (!job.OnPreparePrinting(info) || !RunPageLoop(job, info))
        return fail(QStringLiteral("the print job could not be started"));
    return 0;
}

} // namespace

std::optional<int> RunCommandLinePrinting(int argc, char** argv,
                                          const CommandLineReportMaker& makeReport) {
    if (!asksForPrinting(argc, argv))
        return std::nullopt;
    // No window is shown, so no display is needed: the offscreen platform prints as well.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Scripts get one line for an error and nothing else: Qt's own notices stay quiet.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
        if (type == QtCriticalMsg || type == QtFatalMsg)
            std::fprintf(stderr, "markwise: %s\n", qPrintable(text));
    });
    QApplication app(argc, argv);
    PrintRequest request;
    if (const QString error = parse(argc, argv, request); !error.isEmpty())
        return fail(error);
    return print(request, makeReport);
}

} // namespace markwise
