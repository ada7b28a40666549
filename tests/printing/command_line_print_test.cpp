// The command line's print switch: a PDF without a display, and one line on stderr for
// every error, with no PDF left behind.
#include "core/class_file.h"
#include "core/markwise_doc.h"
#include "pdf_pages.h"
#include "support/class_builder.h"

#include <QProcess>
#include <QRegularExpression>
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
// locale, when given, is the system locale the program runs in.
int Run(const QStringList& args, QString* errors = nullptr, rlim_t fileSizeLimit = RLIM_INFINITY,
        const QString& program = QStringLiteral(MARKWISE_EXECUTABLE),
        const QString& locale = QString()) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY", "LANGUAGE"})
        env.remove(name);
    if (!locale.isEmpty())
        for (const char* name : {"LC_ALL", "LANG"})
            env.insert(name, locale);
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

    // The PDF is written in the language the desktop would show: its headings, words and
    // number forms; English, and a language without a translation, exactly as before.
    void pdfSpeaksTheSystemLocalesLanguage() {
        const QString classFile = saved("Period3.MKW", *FilledClass(6, 3));
        const auto print = [&](const QString& locale, const QString& report) {
            const QString pdf = path(locale + "-" + QString(report).replace(':', '_') + ".pdf");
            QString errors;
            if (Run({"--print-to-pdf", pdf, "--page-size", "A4", classFile, "--report", report},
                    &errors, RLIM_INFINITY, QStringLiteral(MARKWISE_EXECUTABLE), locale) != 0)
                return QString();
            QFile file(pdf);
            return file.open(QIODevice::ReadOnly) ? pdf : QString();
        };
        const auto bytes = [](const QString& pdf) {
            QFile file(pdf);
            return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        };
        struct Case {
            QString report;
            QStringList english, de, fr, es; // words on the first page
        };
        const QList<Case> cases{
            {"sheet", {"Totals"}, {"Gesamt"}, {"Totaux"}, {"Totales"}},
            {"student:3",
             {"Student", "report", "Percent"},
             {"Schülerbericht", "Titel", "Prozent"},
             {"Relevé", "Titre", "Pourcentage"},
             {"Informe", "alumno", "Título", "Porcentaje"}},
            {"students",
             {"Received", "Possible"},
             {"Erreicht", "Möglich"},
             {"Obtenu", "Possible"},
             {"Obtenido"}},
            {"roster",
             {"Class", "roster", "Phone#"},
             {"Klassenliste", "Telefon"},
             {"Liste", "Téléphone"},
             {"Lista", "Teléfono"}},
            {"progress:100",
             {"Progress", "Cut-off", "Comment"},
             {"Lernstandsberichte", "Grenze", "Bemerkung"},
             {"Bilans", "Seuil", "Appréciation"},
             {"Informes", "Límite", "Comentario"}},
        };
        // A figure with a fraction, "88.3889%" or "1.5" in English, becomes "88,3889 %", "1,5".
        static const QRegularExpression fraction(QStringLiteral(R"(^(\d+)\.(\d+)%?$)"));
        for (const Case& c : cases) {
            const QString english = print("C.UTF-8", c.report);
            QVERIFY2(!english.isEmpty(), qPrintable(c.report));
            // The English of an English locale and of an untranslated one: the same bytes.
            for (const char* same : {"en_GB.UTF-8", "it_IT.UTF-8"})
                QVERIFY2(bytes(print(QString(same), c.report)) == bytes(english),
                         qPrintable(QString(same) + " " + c.report));
            const PdfPage englishPage = ReadPdfPages(english).value(0);
            for (const QString& word : c.english)
                QVERIFY2(englishPage.has(word), qPrintable(c.report + ": " + word));
            QStringList fractions;
            for (const PdfWord& w : englishPage.words)
                if (const auto m = fraction.match(w.text); m.hasMatch())
                    fractions << m.captured(1) + "," + m.captured(2);
            QVERIFY2(c.report == "roster" || !fractions.isEmpty(), qPrintable(c.report));
            for (const auto& [locale, words] : {std::pair{QStringLiteral("de_DE.UTF-8"), c.de},
                                                {QStringLiteral("fr_FR.UTF-8"), c.fr},
                                                {QStringLiteral("es_ES.UTF-8"), c.es}}) {
                const QString translated = print(locale, c.report);
                const PdfPage page = ReadPdfPages(translated).value(0);
                const QString what = locale + " " + c.report;
                for (const QString& word : words + c.english)
                    QVERIFY2(page.has(word) == words.contains(word),
                             qPrintable(what + ": " + word));
                for (const QString& number : fractions)
                    QVERIFY2(page.has(number), qPrintable(what + ": " + number));
                // The sign stands apart, after a no-break space; no figure keeps a point.
                QCOMPARE(page.has("%"), c.report != "roster");
                static const QRegularExpression englishFigure(QStringLiteral(R"(^\d+(\.\d+)?%?$)"));
                for (const PdfWord& w : page.words)
                    QVERIFY2(!englishFigure.match(w.text).hasMatch() ||
                                 !(w.text.contains('.') || w.text.endsWith('%')),
                             qPrintable(what + ": " + w.text));
            }
        }
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
