#include "core/class_file.h"
#include "framework/commands.h"
#include "framework/recovery.h"
#include "recovery_edits.h"
#include "support/app_fixture.h"

#include <QDir>
#include <QProcess>
#include <QtTest>
#include <csignal>

using namespace markwise;
using namespace markwise::test;

class RecoveryTest : public QObject, AppFixture {
    Q_OBJECT

    QString stateHome() const { return m_dir->filePath("state"); }
    QString recoveryFolder() const { return stateHome() + "/Markwise/recovery"; }
    QStringList leftInFolder() const { return QDir(recoveryFolder()).entryList(QDir::Files); }
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
        // The copy follows the last change within two seconds (a little more on a busy machine).
        QTRY_VERIFY_WITH_TIMEOUT(leftInFolder().size() == 2 && ReadFile(OnlyCopy()) == edited,
                                 3000);
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

        QVERIFY(recovered->doFileSave());
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

        // A copy of a process that still runs (this one) is not offered.
        QVERIFY(QFile::copy(OnlyCopy(), recoveryFolder() + QString("/%1-1.mkw").arg(::getpid())));
        m_messages.answers = {Answer::Discard};
        QVERIFY(StartApp());
        QCOMPARE(m_messages.texts.size(), 1);
        QVERIFY2(m_messages.texts[0].contains("\nMarkwi1 (never saved), 20"),
                 qPrintable(m_messages.texts[0]));
        QCOMPARE(m_app->docManager().documents().size(), std::size_t(1)); // only a new class
        QCOMPARE(leftInFolder(), QStringList{QString("%1-1.mkw").arg(::getpid())});
    }

    void savedClosedAndNormallyEndedClassesLeaveNoCopy() {
        const QString file = copyOfSample("Period4.MKW");
        QVERIFY(StartApp(file));
        CDocManager& manager = m_app->docManager();
        CDocument* document = manager.activeDocument();
        m_app->recoveryCopies()->WriteChangedCopies();
        QCOMPARE(leftInFolder(), QStringList()); // nothing unsaved, nothing written
        // The change signal brings the copy within two seconds; saving takes it away at once.
        document->editor().apply("Add Student", FirstRecoveryEdit());
        QTRY_COMPARE_WITH_TIMEOUT(leftInFolder().size(), 2, 2000);
        QVERIFY(document->doFileSave());
        QCOMPARE(leftInFolder(), QStringList());

        // Closed without saving by the teacher's choice.
        document->editor().apply("Edit Student", SecondRecoveryEdit(document->data()));
        QTRY_COMPARE_WITH_TIMEOUT(leftInFolder().size(), 2, 2000);
        m_messages.answers = {Answer::Discard};
        m_app->mainFrame()->executeCommand(ID_FILE_CLOSE);
        QVERIFY(manager.documents().empty());
        QCOMPARE(leftInFolder(), QStringList());

        // An unsaved class at a normal end.
        manager.OnFileNew()->editor().apply("Add Student", FirstRecoveryEdit());
        m_app->recoveryCopies()->WriteChangedCopies();
        QCOMPARE(leftInFolder().size(), 2);
        m_app.reset();
        QCOMPARE(leftInFolder(), QStringList());
    }
};

QTEST_MAIN(RecoveryTest)
#include "recovery_test.moc"
