#include "core/class_file.h"
#include "framework/commands.h"
#include "framework/file_guard.h"
#include "framework/file_names.h"
#include "framework/recovery.h"
#include "recovery_edits.h"
#include "support/app_fixture.h"

#include <QDir>
#include <QProcess>
#include <QStatusBar>
#include <QtTest>
#include <csignal>
#include <unistd.h>

using namespace markwise;
using namespace markwise::test;

class RecoveryTest : public QObject, AppFixture {
    Q_OBJECT

    QString stateHome() const { return m_dir->filePath("state"); }
    QString recoveryFolder() const { return stateHome() + "/Markwise/recovery"; }
    // Copies and their records (a running program's live file aside).
    QStringList leftInFolder() const {
        return QDir(recoveryFolder()).entryList({"*.mkw", "*.json"}, QDir::Files);
    }
    // The program started, its copies written as soon as a change comes.
    bool StartQuickApp(const QString& file = QString()) {
        if (!StartApp(file))
            return false;
        m_app->recoveryCopies()->setWriteDelay(std::chrono::milliseconds(0));
        return true;
    }
    // What the child's class is after its edits, as a file.
    static QByteArray EditedBytes(const QString& file) {
        std::string error;
        std::unique_ptr<CMarkwiseDoc> doc = file.isEmpty()
                                                ? std::make_unique<CMarkwiseDoc>()
                                                : LoadClassFile(file.toStdString(), error);
        FirstRecoveryEdit()->Apply(*doc);
        SecondRecoveryEdit(*doc)->Apply(*doc);
        const std::vector<unsigned char> bytes = WriteClass(*doc);
        return QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size()));
    }
    // The program on file, running until the test ends it, with its two edits made.
    std::unique_ptr<QProcess> StartEditingChild(const QString& file) {
        auto child = std::make_unique<QProcess>();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_STATE_HOME", stateHome());
        env.insert("XDG_CONFIG_HOME", m_dir->path());
        child->setProcessEnvironment(env);
        child->start(RECOVERY_CHILD, file.isEmpty() ? QStringList() : QStringList{file});
        while (!child->canReadLine() && child->waitForReadyRead(20000)) {
        }
        return child->readLine().trimmed() == "edited" ? std::move(child) : nullptr;
    }
    QString OnlyCopy() const {
        const QStringList copies = QDir(recoveryFolder()).entryList({"*.mkw"}, QDir::Files);
        return copies.size() == 1 ? recoveryFolder() + "/" + copies[0] : QString();
    }

private slots:
    void initTestCase() { PrepareApplication(); }
    void init() {
        FreshFolder();
        qputenv("XDG_STATE_HOME", stateHome().toLocal8Bit());
    }
    void cleanup() { CloseApp(); }

    void killedProgramIsRecoveredAsItWasAtItsLastChange() {
        const QString file = copyOfSample("Period3.MKW");
        const QByteArray original = ReadFile(file);
        const QByteArray edited = EditedBytes(file);
        std::unique_ptr<QProcess> child = StartEditingChild(file);
        QVERIFY(child);
        const qint64 pid = child->processId();
        // The copy follows the last change (the child writes at once).
        QTRY_VERIFY_WITH_TIMEOUT(leftInFolder().size() == 2 && ReadFile(OnlyCopy()) == edited,
                                 20000);
        ::kill(static_cast<pid_t>(pid), SIGKILL);
        QVERIFY(child->waitForFinished(10000));

        m_messages.answers = {Answer::Recover};
        QVERIFY(StartApp());
        QCOMPARE(m_messages.texts.size(), 1);
        const QString& question = m_messages.texts[0];
        QVERIFY2(question.startsWith("Markwise did not close normally. Recover these classes?\n") &&
                     question.contains("Period3.MKW (" + file + "), 20"),
                 qPrintable(question));
        // The recovered class takes the place of the new empty one.
        QCOMPARE(m_app->docManager().documents().size(), std::size_t(1));
        CDocument* recovered = m_app->docManager().documents().front();
        QCOMPARE(recovered->path(), file);
        QVERIFY(recovered->isModified() && ReadFile(file) == original);
        // The abandoned copy is replaced by this process's own.
        QCOMPARE(leftInFolder().size(), 2);
        QVERIFY(!leftInFolder().join(' ').contains(QString::number(pid) + "-"));

        // Locked as any opened class is, and compared with the file as the child loaded it.
        qint64 holder = 0;
        QVERIFY(!ClassLock::take(canonicalPath(file), holder));
        QCOMPARE(holder, qint64(::getpid()));
        const QByteArray theirs = original + "changed by another program";
        QVERIFY(WriteFile(file, theirs));
        m_messages.texts.clear();
        m_messages.answers = {Answer::Cancel};
        QVERIFY(!recovered->doFileSave());
        QCOMPARE(m_messages.texts,
                 QStringList{"Period3.MKW was changed on disk since it was opened or saved here."});
        QCOMPARE(ReadFile(file), theirs);

        QVERIFY(WriteFile(file, original));
        m_messages.texts.clear();
        QVERIFY(recovered->doFileSave());
        QVERIFY(m_messages.texts.isEmpty());
        QCOMPARE(ReadFile(file), edited);
        QCOMPARE(leftInFolder(), QStringList());
    }

    void terminatedProgramWritesItsCopyAndDiscardRemovesIt() {
        const QByteArray edited = EditedBytes(QString());
        std::unique_ptr<QProcess> child = StartEditingChild(QString());
        QVERIFY(child);
        ::kill(static_cast<pid_t>(child->processId()), SIGTERM);
        QVERIFY(child->waitForFinished(10000));
        QCOMPARE(child->exitStatus(), QProcess::CrashExit);
        QCOMPARE(ReadFile(OnlyCopy()), edited);

        // The copies of a run that still holds its live file are not offered; those of an
        // earlier run under this very process id (a restarted sandbox) are.
        const QString childBase = QFileInfo(OnlyCopy()).completeBaseName();
        const QString running = QString("%1-00000000000000aa").arg(::getpid());
        const QString earlier = QString("%1-00000000000000bb").arg(::getpid());
        for (const QString& tag : {running, earlier}) {
            for (const char* suffix : {".mkw", ".json"})
                QVERIFY(QFile::copy(recoveryFolder() + "/" + childBase + suffix,
                                    recoveryFolder() + "/" + tag + "-1" + suffix));
        }
        QVERIFY(WriteFile(recoveryFolder() + "/" + earlier + ".live", "1\n")); // left unheld
        HeldFile::Outcome outcome;
        const auto live =
            HeldFile::take(recoveryFolder() + "/" + running + ".live", "1\n", outcome);
        QVERIFY(live);
        m_messages.answers = {Answer::Discard};
        QVERIFY(StartApp());
        QCOMPARE(m_messages.texts.size(), 1);
        QCOMPARE(m_messages.texts[0].count("\nMarkwi1 (never saved), 20"), 2);
        QCOMPARE(m_app->docManager().documents().size(), std::size_t(1)); // only a new class
        QCOMPARE(leftInFolder(), (QStringList{running + "-1.json", running + "-1.mkw"}));
        QVERIFY(!QFile::exists(recoveryFolder() + "/" + earlier + ".live"));
    }

    // Said once in the status bar and a message naming the folder, and tried again at the
    // next change.
    void aCopyThatCannotBeWrittenIsSaidOnceAndTriedAgain() {
        QVERIFY(QDir().mkpath(stateHome()));
        QVERIFY(WriteFile(stateHome() + "/Markwise", "a file where the folder should be"));
        QVERIFY(StartQuickApp());
        CDocument& document = *m_app->docManager().activeDocument();
        document.editor().apply("Add Student", FirstRecoveryEdit());
        QTRY_COMPARE(m_messages.texts.size(), 1);
        QVERIFY2(m_messages.texts[0].startsWith("Markwise cannot write recovery copies in \"" +
                                                recoveryFolder() + "\""),
                 qPrintable(m_messages.texts[0]));
        QCOMPARE(frame().statusBar()->currentMessage(),
                 QStringLiteral("Recovery copies cannot be written: a crash would lose your "
                                "changes."));
        document.editor().apply("Edit Student", SecondRecoveryEdit(document.data()));
        m_app->recoveryCopies()->WriteChangedCopies();
        QCOMPARE(m_messages.texts.size(), 1);

        QVERIFY(QFile::remove(stateHome() + "/Markwise"));
        Change(document);
        QTRY_COMPARE(leftInFolder().size(), 2);
        QCOMPARE(m_messages.texts.size(), 1);
    }

    void savedClosedAndNormallyEndedClassesLeaveNoCopy() {
        const QString file = copyOfSample("Period4.MKW");
        QVERIFY(StartQuickApp(file));
        CDocManager& manager = m_app->docManager();
        CDocument* document = manager.activeDocument();
        m_app->recoveryCopies()->WriteChangedCopies();
        QCOMPARE(leftInFolder(), QStringList()); // nothing unsaved, nothing written
        // The change signal brings the copy; saving takes it away at once.
        document->editor().apply("Add Student", FirstRecoveryEdit());
        QTRY_COMPARE(leftInFolder().size(), 2);
        QVERIFY(document->doFileSave());
        QCOMPARE(leftInFolder(), QStringList());

        // Closed without saving by the teacher's choice.
        document->editor().apply("Edit Student", SecondRecoveryEdit(document->data()));
        QTRY_COMPARE(leftInFolder().size(), 2);
        m_messages.answers = {Answer::Discard};
        m_app->mainFrame()->executeCommand(ID_FILE_CLOSE);
        QVERIFY(manager.documents().empty());
        QCOMPARE(leftInFolder(), QStringList());

        // An unsaved class at a normal end.
        manager.OnFileNew()->editor().apply("Add Student", FirstRecoveryEdit());
        m_app->recoveryCopies()->WriteChangedCopies();
        QCOMPARE(leftInFolder().size(), 2);
        m_app.reset();
        QCOMPARE(QDir(recoveryFolder()).entryList(QDir::Files | QDir::Hidden), QStringList());
    }
};

QTEST_MAIN(RecoveryTest)
#include "recovery_test.moc"
