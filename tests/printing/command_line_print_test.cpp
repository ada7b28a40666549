// The command line's print switch: a PDF of the grade sheet without a display, and one
// line on stderr for every error.
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
#include <sys/resource.h>

using namespace markwise;
using namespace markwise::test;

class CommandLinePrintTest : public QObject {
    Q_OBJECT

private slots:
    // 100 students x 30 assignments on Letter: strips 1-12, 13-24 and 25-30, each on three
    // pages of 46, 46 and 8 students.
    void allAssignmentsPrintsEveryColumnInStrips() {
        QTemporaryDir dir;
        const QString classFile = dir.filePath("Period3.MKW");
        std::string error;
        QVERIFY(SaveClassFile(classFile.toStdString(), *FilledClass(100, 30), error));
        const QString pdf = dir.filePath("all.pdf");
        QProcess markwise;
        markwise.start(
            QStringLiteral(MARKWISE_EXECUTABLE),
            {"--print-to-pdf", pdf, "--all-assignments", "--page-size", "Letter", classFile});
        QVERIFY(markwise.waitForFinished(60000) && markwise.exitCode() == 0);
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

    void commandLineWritesThePdfWithoutADisplay() {
        QTemporaryDir dir;
        const QString classFile = dir.filePath("Period3.MKW");
        std::string error;
        QVERIFY(SaveClassFile(classFile.toStdString(), *FilledClass(100, 20), error));

        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove("QT_QPA_PLATFORM");
        env.remove("DISPLAY");
        env.remove("WAYLAND_DISPLAY");
        const auto run = [&env](const QStringList& args, QString* errors = nullptr) {
            QProcess markwise;
            markwise.setProcessEnvironment(env);
            markwise.start(QStringLiteral(MARKWISE_EXECUTABLE), args);
            markwise.waitForFinished(60000);
            if (errors)
                *errors = QString::fromLocal8Bit(markwise.readAllStandardError());
            return markwise.exitStatus() == QProcess::NormalExit ? markwise.exitCode() : -1;
        };

        QString errors;
        const QString letter = dir.filePath("letter.pdf");
        QCOMPARE(run({"--print-to-pdf", letter, classFile, "--page-size", "Letter"}, &errors), 0);
        QCOMPARE(errors, QString());
        auto pages = ReadPdfPages(letter);
        QCOMPARE(pages.size(), 3);
        QVERIFY(pages[0].has("Period3") && !pages[0].has("Period3.MKW"));

        // A4 at 600 dpi: 11 columns, trunc(3424 x 4.7 / 227) - 8 - 11 = 51 lines.
        const QString a4 = dir.filePath("a4.pdf");
        QCOMPARE(run({"--page-size", "A4", "--resolution", "600", "--print-to-pdf", a4, classFile}),
                 0);
        pages = ReadPdfPages(a4);
        QCOMPARE(pages.size(), 2);
        QCOMPARE(qRound(pages[0].width), 595);
        QCOMPARE(pages[0].count("Last"), 51);
        QVERIFY(pages[1].has("10:") && !pages[1].has("9:"));

        // Errors: one line on stderr and a failing status.
        for (const QStringList& args :
             {QStringList{"--print-to-pdf", dir.filePath("x.pdf"), dir.filePath("missing.mkw")},
              QStringList{"--print-to-pdf", "/nonexistent-folder/x.pdf", classFile}}) {
            QVERIFY(run(args, &errors) != 0);
            QVERIFY(errors.startsWith("markwise: ") && errors.count('\n') == 1);
        }
        QVERIFY(!QFile::exists(dir.filePath("x.pdf")));

        // Reports: the same pages the Print command gives; refused requests leave no PDF.
        const QString roster = dir.filePath("roster.pdf");
        QCOMPARE(run({"--print-to-pdf", roster, classFile, "--report", "roster"}), 0);
        pages = ReadPdfPages(roster);
        QVERIFY(!pages.isEmpty() && pages[0].has("roster") && pages[0].has("Book#"));
        const QString students = dir.filePath("students.pdf");
        QCOMPARE(run({"--print-to-pdf", students, classFile, "--report", "students"}), 0);
        pages = ReadPdfPages(students);
        QCOMPARE(pages.size(), 100); // 20 assignments fit one page
        QVERIFY(pages[0].has("Last0,") && pages[99].has("Last99,"));

        const QString empty = dir.filePath("Empty.MKW");
        QVERIFY(SaveClassFile(empty.toStdString(), *ClassOf(3), error));
        const QString refused = dir.filePath("refused.pdf");
        for (const QStringList& args :
             {QStringList{classFile, "--report", "grades"}, {classFile, "--report", "progress:7x"},
              {classFile, "--report", "student:100"}, {empty, "--report", "students"},
              {empty, "--report", "student:0"}}) {
            QVERIFY(run(QStringList{"--print-to-pdf", refused} + args, &errors) != 0);
            QVERIFY2(errors.startsWith("markwise: ") && errors.count('\n') == 1,
                     qPrintable(errors));
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
        {
            QFile old(pdf);
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write("old pdf");
        }
        const QString nullLink = dir.filePath("null.pdf");
        QVERIFY(QFile::link(QStringLiteral("/dev/null"), nullLink));

        const auto runBytes = [&](const QString& output, rlim_t fileSizeLimit, QString* errors) {
            // QProcess passes arguments as UTF-8, so the shell spells the class's name.
            QProcess markwise;
            markwise.setProgram(QStringLiteral("/bin/sh"));
            markwise.setArguments(
                {"-c",
                 "exec \"$0\" --page-size Letter --print-to-pdf \"$1\" \"$(printf "
                 "'%s/Cours\\351.MKW' \"$2\")\"",
                 QStringLiteral(MARKWISE_EXECUTABLE), output, dir.path()});
            markwise.setChildProcessModifier([fileSizeLimit] {
                // A full disk, as far as this process can tell: writes fail with EFBIG.
                ::signal(SIGXFSZ, SIG_IGN);
                const rlimit limit{fileSizeLimit, fileSizeLimit};
                ::setrlimit(RLIMIT_FSIZE, &limit);
            });
            markwise.start();
            if (!markwise.waitForFinished(60000))
                return -2;
            *errors = QString::fromLocal8Bit(markwise.readAllStandardError());
            return markwise.exitStatus() == QProcess::NormalExit ? markwise.exitCode() : -1;
        };

        QString errors;
        QVERIFY(runBytes(pdf, 4096, &errors) != 0);
        QVERIFY2(errors.startsWith("markwise: cannot write ") && errors.count('\n') == 1,
                 qPrintable(errors));
        QVERIFY(runBytes(nullLink, RLIM_INFINITY, &errors) != 0);
        QVERIFY2(errors.contains("not a file") && errors.count('\n') == 1, qPrintable(errors));
        QFile old(pdf);
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(), QByteArray("old pdf"));
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
        QTemporaryDir dir;
        auto doc = FilledClass(60, 3);
        for (int s = 0; s < 60; ++s)
            doc->m_firstName[s] = std::string(1 << 20, char('a' + s % 26));
        doc->m_assignments[0].m_description = std::string(1 << 20, 'd');
        const QString classFile = dir.filePath("Crafted.MKW");
        std::string error;
        QVERIFY(SaveClassFile(classFile.toStdString(), *doc, error));
        QProcess markwise;
        markwise.start(QStringLiteral(MARKWISE_EXECUTABLE),
                       {"--print-to-pdf", dir.filePath("crafted.pdf"), classFile});
        QVERIFY(markwise.waitForFinished(60000));
        QCOMPARE(markwise.exitCode(), 0);
        QVERIFY(!ReadPdfPages(dir.filePath("crafted.pdf")).empty());
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
