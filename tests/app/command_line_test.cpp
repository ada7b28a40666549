// The program's answers on the command line: usage and version without any display.
#include <QProcess>
#include <QTest>

class CommandLineTest : public QObject {
    Q_OBJECT

    struct Result {
        int status = -1;
        QString out;
        QString err;
    };
    // Runs the program with no display at all, as a script on a server would.
    static Result run(const QStringList& args) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
            env.remove(name);
        QProcess markwise;
        markwise.setProcessEnvironment(env);
        markwise.start(QStringLiteral(MARKWISE_EXECUTABLE), args);
        markwise.waitForFinished(30000);
        Result result;
        if (markwise.exitStatus() == QProcess::NormalExit)
            result.status = markwise.exitCode();
        result.out = QString::fromLocal8Bit(markwise.readAllStandardOutput());
        result.err = QString::fromLocal8Bit(markwise.readAllStandardError());
        return result;
    }

private slots:
    void helpAndVersionNeedNoDisplay() {
        const Result help = run({"--help"});
        QCOMPARE(help.status, 0);
        QVERIFY(help.out.startsWith("Usage: markwise [--no-splash] [class-file]\n"));
        for (const char* option :
             {"--no-splash", "--print ", "--print-to-pdf FILE", "--page-size SIZE",
              "--resolution DPI", "--all-assignments", "--report REPORT", "--help", "--version"})
            QVERIFY2(help.out.contains(option), option);
        QCOMPARE(help.err, QString());
        // Asked for among other arguments, help still wins and nothing is printed.
        QCOMPARE(run({"--print-to-pdf", "out.pdf", "--help", "class.mkw"}).out, help.out);

        const Result version = run({"--version"});
        QCOMPARE(version.status, 0);
        QCOMPARE(version.out, QString("Markwise 1.0\n"));
    }

    void unknownOptionShowsTheUsageAndExitsTwo() {
        // Needs the window system to get this far, as any start does.
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        QProcess markwise;
        markwise.setProcessEnvironment(env);
        markwise.start(QStringLiteral(MARKWISE_EXECUTABLE), {"--frobnicate"});
        QVERIFY(markwise.waitForFinished(30000));
        QCOMPARE(markwise.exitCode(), 2);
        const QString err = QString::fromLocal8Bit(markwise.readAllStandardError());
        QVERIFY2(err.startsWith("markwise: Unknown option --frobnicate.\nUsage: markwise"),
                 qPrintable(err));
        QVERIFY(err.contains("--all-assignments"));
    }
};

QTEST_MAIN(CommandLineTest)
#include "command_line_test.moc"
