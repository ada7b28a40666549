// The program's answers on the command line: usage and version without any display.
#include <QProcess>
#include <QTest>

class CommandLineTest : public QObject {
    Q_OBJECT

    // Runs the program with the given window system (none at all, as a script on a server);
    // returns the exit code, or -1 for a crash, and sets the output.
    static int run(const QStringList& args, QString& out, QString& err,
                   const QString& platform = QString()) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
            env.remove(name);
        if (!platform.isEmpty())
            env.insert("QT_QPA_PLATFORM", platform);
        QProcess markwise;
        markwise.setProcessEnvironment(env);
        markwise.start(QStringLiteral(MARKWISE_EXECUTABLE), args);
        markwise.waitForFinished(30000);
        out = QString::fromLocal8Bit(markwise.readAllStandardOutput());
        err = QString::fromLocal8Bit(markwise.readAllStandardError());
        return markwise.exitStatus() == QProcess::NormalExit ? markwise.exitCode() : -1;
    }

private slots:
    void helpVersionAndUnknownOptions() {
        QString help, version, other, err;
        QCOMPARE(run({"--help"}, help, err), 0);
        QVERIFY(help.startsWith("Usage: markwise [--no-splash] [class-file...]\n") &&
                err.isEmpty());
        // Asked for among other arguments, help still wins and nothing is printed.
        QCOMPARE(run({"--print-to-pdf", "out.pdf", "--help", "class.mkw"}, other, err), 0);
        QCOMPARE(other, help);
        QCOMPARE(run({"--version"}, version, err), 0);
        QCOMPARE(version, QString("Markwise 1.0\n"));

        // An unknown option needs the window system to get this far, as any start does.
        QCOMPARE(run({"--frobnicate"}, other, err, "offscreen"), 2);
        QVERIFY2(err.startsWith("markwise: Unknown option --frobnicate.\n" + help),
                 qPrintable(err));
    }
};

QTEST_MAIN(CommandLineTest)
#include "command_line_test.moc"
