// The command line's print switch: a PDF without a display, and one line on stderr for
// every error, with no PDF left behind.
#include "core/class_file.h"
#include "core/markwise_doc.h"
#include "pdf_pages.h"
#include "support/class_builder.h"

#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sys/resource.h>

using namespace markwise;
using namespace markwise::test;

namespace {

// Runs the program (or a shell that runs it) without a display, its files limited to
// fileSizeLimit bytes: its exit status (-1 for a crash) and its stderr.
int Run(const QStringList& args, QString* errors = nullptr, rlim_t fileSizeLimit = RLIM_INFINITY,
        const QString& program = QStringLiteral(MARKWISE_EXECUTABLE)) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
        env.remove(name);
    QProcess markwise;
    markwise.setProcessEnvironment(env);
    markwise.setChildProcessModifier([fileSizeLimit] {
        // A full disk, as far as the program can tell: writes fail with EFBIG.
        ::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{fileSizeLimit, fileSizeLimit};
        ::setrlimit(RLIMIT_FSIZE, &limit);
    });
    markwise.start(program, args);
    if (!markwise.waitForFinished(60000))
        return -2;
    if (errors)
        *errors = QString::fromLocal8Bit(markwise.readAllStandardError());
    return markwise.exitStatus() == QProcess::NormalExit ? markwise.exitCode() : -1;
}

bool OneErrorLine(const QString& errors) {
    return errors.startsWith("markwise: ") && errors.count('\n') == 1;
}

} // namespace

class CommandLinePrintTest : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

    QString path(const QString& name) const { return m_dir.filePath(name); }
    QString saved(const QString& name, const CMarkwiseDoc& doc) const {
        std::string error;
        return SaveClassFile(path(name).toStdString(), doc, error) ? path(name) : QString();
    }

private slots:
    // 100 students x 30 assignments on Letter: strips 1-12, 13-24 and 25-30, each on three
    // pages of 46, 46 and 8 students.
    void allAssignmentsPrintsEveryColumnInStrips() {
        const QString pdf = path("all.pdf");
        QCOMPARE(Run({"--print-to-pdf", pdf, "--all-assignments", "--page-size", "Letter",
                      saved("Period3.MKW", *FilledClass(100, 30))}),
                 0);
        const auto pages = ReadPdfPages(pdf);
        QCOMPARE(pages.size(), 9);
        for (int strip = 0; strip < 3; ++strip) {
            QSet<QString> students;
            for (int p = 3 * strip; p < 3 * strip + 3; ++p) {
                const PdfPage& page = pages[p];
                QVERIFY(page.has("Period3"));
                // Headings sit in the columns; description lines start at the margin.
                for (int a = 1; a <= 30; ++a) {
                    const QString heading = QString("%1:").arg(a);
                    const auto headings =
                        std::count_if(page.words.begin(), page.words.end(), [&](const PdfWord& w) {
                            return w.text == heading && w.xMin > 20;
                        });
                    QCOMPARE(headings, (a - 1) / 12 == strip ? 1 : 0);
                }
                QCOMPARE(page.has("Totals"), strip == 2);
                for (const PdfWord& w : page.words)
                    if (w.text.startsWith("Last") && w.text.endsWith(','))
                        students.insert(w.text);
            }
            QCOMPARE(students.size(), 100);
        }
    }

    // Page size and resolution as asked; a report as the Print command gives it.
    void sheetAndReportsWithoutADisplay() {
        const QString classFile = saved("Period3.MKW", *FilledClass(100, 20));
        QString errors;
        const QString a4 = path("a4.pdf");
        QCOMPARE(Run({"--page-size", "A4", "--resolution", "600", "--print-to-pdf", a4, classFile},
                     &errors),
                 0);
        QCOMPARE(errors, QString());
        auto pages = ReadPdfPages(a4);
        QCOMPARE(pages.size(), 2); // 51 students a page on A4 at any resolution
        QCOMPARE(qRound(pages[0].width), 595);
        const QString roster = path("roster.pdf");
        QCOMPARE(Run({"--print-to-pdf", roster, classFile, "--report", "roster", "--page-size",
                      "Letter"}),
                 0);
        pages = ReadPdfPages(roster);
        QCOMPARE(pages.size(), 2);
        QVERIFY(pages[1].has("Phone#"));
    }

    void refusedRequestsWriteNoPdf() {
        const QString classFile = saved("Refused.MKW", *FilledClass(100, 20));
        const QString empty = saved("Empty.MKW", *ClassOf(3));
        const QString refused = path("refused.pdf");
        for (const QStringList& args : {QStringList{refused, path("missing.mkw")},
                                        {"/nonexistent-folder/x.pdf", classFile},
                                        {refused, classFile, "--report", "grades"},
                                        {refused, classFile, "--report", "progress:7x"},
                                        {refused, classFile, "--report", "student:100"},
                                        {refused, classFile, "--report", "student:-1"},
                                        {refused, empty, "--report", "students"},
                                        {refused, empty, "--report", "student:0"}}) {
            QString errors;
            QVERIFY(Run(QStringList{"--print-to-pdf"} + args, &errors) != 0);
            QVERIFY2(OneErrorLine(errors), qPrintable(errors));
            QVERIFY(!QFile::exists(refused));
        }
    }

    // A disk that fills up, or a target that is no file, leaves no PDF and an old one intact.
    void failedPdfsLeaveNothingBehind() {
        QTemporaryDir dir;
        // A name that is not UTF-8 is opened as the file system spells it.
        const QByteArray classPath = QFile::encodeName(dir.path()) + "/Cours\xe9.MKW";
        struct RemoveClass { // beyond QTemporaryDir's reach
            std::string path;
            ~RemoveClass() { std::filesystem::remove(path); }
        } removeClass{classPath.toStdString()};
        std::string error;
        QVERIFY(SaveClassFile(classPath.toStdString(), *FilledClass(100, 20), error));
        const QString pdf = dir.filePath("out.pdf");
        std::ofstream(pdf.toStdString()) << "old pdf";
        const QString nullLink = dir.filePath("null.pdf");
        QVERIFY(QFile::link(QStringLiteral("/dev/null"), nullLink));

        // QProcess passes arguments as UTF-8, so the shell spells the class's name.
        const auto runBytes = [&](const QString& output, rlim_t fileSizeLimit, QString* errors) {
            return Run({"-c",
                        "exec \"$0\" --page-size Letter --print-to-pdf \"$1\" \"$(printf "
                        "'%s/Cours\\351.MKW' \"$2\")\"",
                        QStringLiteral(MARKWISE_EXECUTABLE), output, dir.path()},
                       errors, fileSizeLimit, QStringLiteral("/bin/sh"));
        };

        QString errors;
        QVERIFY(runBytes(pdf, 4096, &errors) != 0);
        QVERIFY2(OneErrorLine(errors), qPrintable(errors));
        QVERIFY(errors.startsWith("markwise: cannot write "));
        QVERIFY(runBytes(nullLink, RLIM_INFINITY, &errors) != 0);
        QVERIFY2(OneErrorLine(errors), qPrintable(errors));
        QVERIFY(errors.contains("not a file"));
        // A name holding control characters reaches the terminal with "?" for them.
        QVERIFY(runBytes(dir.path() + "/missing/\x1b[2J\nx.pdf", RLIM_INFINITY, &errors) != 0);
        QVERIFY2(OneErrorLine(errors), qPrintable(errors));
        QVERIFY2(errors.contains("/missing/?[2J?x.pdf") && !errors.contains('\x1b'),
                 qPrintable(errors));
        std::ifstream old(pdf.toStdString());
        QCOMPARE(std::string(std::istreambuf_iterator<char>(old), {}), std::string("old pdf"));
        // Nothing but the class, the old PDF and the link: no temporary left. (QDir cannot
        // list a name that is not UTF-8.)
        const std::filesystem::path folder(dir.path().toStdString());
        const auto entries = std::distance(std::filesystem::directory_iterator(folder),
                                           std::filesystem::directory_iterator());
        QCOMPARE(entries, 3);

        // Without the limit the same run succeeds and replaces the old PDF.
        QCOMPARE(runBytes(pdf, RLIM_INFINITY, &errors), 0);
        QCOMPARE(errors, QString());
        QCOMPARE(ReadPdfPages(pdf).size(), 3);
    }

    // A crafted class of 60 names of a megabyte each prints within bounded time and memory.
    void hugeTextsPrintInBoundedMemory() {
        auto doc = FilledClass(60, 3);
        for (int s = 0; s < 60; ++s)
            doc->m_firstName[s] = std::string(1 << 20, char('a' + s % 26));
        doc->m_assignments[0].m_description = std::string(1 << 20, 'd');
        const QString pdf = path("crafted.pdf");
        QCOMPARE(Run({"--print-to-pdf", pdf, saved("Crafted.MKW", *doc)}), 0);
        QVERIFY(!ReadPdfPages(pdf).empty());
        rusage usage{};
        QCOMPARE(::getrusage(RUSAGE_CHILDREN, &usage), 0);
#if defined(__SANITIZE_ADDRESS__)
        // Shadow memory, redzones and quarantine add to every allocation under the sanitizer;
        // twice the bound still catches the gigabytes this once took.
        constexpr long kPeakKiB = 2 * 512 * 1024;
#else
        constexpr long kPeakKiB = 512 * 1024;
#endif
        QVERIFY2(usage.ru_maxrss < kPeakKiB, qPrintable(QString::number(usage.ru_maxrss)));
    }
};

QTEST_MAIN(CommandLinePrintTest)
#include "command_line_print_test.moc"
