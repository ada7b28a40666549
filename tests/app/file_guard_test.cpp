// Classes that another program holds or changes, and files that must not be replaced.
#include "framework/file_guard.h"
#include "framework/file_names.h"
#include "support/app_fixture.h"
#include "support/as_other_user.h"

#include <QDir>
#include <QFileInfo>
#include <QStatusBar>
#include <QSysInfo>
#include <QtTest>
#include <csignal>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

using namespace markwise;
using namespace markwise::test;

namespace {

// Another process holding the lock of a class, as a second Markwise does; ended on
// request with SIGKILL, as a crash ends one, which leaves its lock file behind.
struct OtherHolder {
    explicit OtherHolder(const QString& path) {
        int ready[2];
        if (::pipe(ready) != 0)
            return;
        pid = ::fork();
        if (pid == 0) {
            qint64 holder = 0;
            const auto lock = ClassLock::take(QFileInfo(path).canonicalFilePath(), holder);
            const char got = lock ? 'y' : 'n';
            (void)!::write(ready[1], &got, 1);
            ::alarm(60); // never outlives a broken test
            for (;;)
                ::pause();
        }
        char got = 'n';
        (void)!::read(ready[0], &got, 1);
        locked = got == 'y';
        ::close(ready[0]);
        ::close(ready[1]);
    }
    ~OtherHolder() { kill(); }
    void kill() {
        if (pid > 0 && ::kill(pid, SIGKILL) == 0)
            ::waitpid(pid, nullptr, 0);
        pid = 0;
    }
    pid_t pid = 0;
    bool locked = false;
};

} // namespace

class FileGuardTest : public QObject, AppFixture {
    Q_OBJECT
    QString copyOfSample(const QString& name) {
        const QString path = AppFixture::copyOfSample(name);
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther);
        return path;
    }
    // Start opens an empty class of its own.
    int classCount() { return int(manager().documents().size()) - 1; }

private slots:
    void initTestCase() { PrepareApplication(); }
    void init() {
        FreshFolder();
        QVERIFY(StartApp());
    }
    void cleanup() { CloseApp(); }

    void aClassOpenElsewhereAsksAndAStaleLockIsTakenOver() {
        const QString path = copyOfSample("Period3.MKW");
        const QString link = m_dir->filePath("Alias.MKW");
        QVERIFY(QFile::link(path, link));
        OtherHolder other(path);
        QVERIFY(other.locked);
        const QString question = QStringLiteral("%1 is already open in another Markwise window "
                                                "(process %2). Open it anyway?");

        m_messages.answers = {Answer::Cancel};
        QVERIFY(!manager().openDocumentFile(path));
        QCOMPARE(m_messages.texts, QStringList{question.arg("Period3.MKW").arg(other.pid)});
        QCOMPARE(classCount(), 0);

        // Any spelling of the path meets the same lock.
        m_messages.texts.clear();
        m_messages.answers = {Answer::OpenAnyway};
        CDocument* opened = manager().openDocumentFile(link);
        QVERIFY(opened);
        QCOMPARE(m_messages.texts, QStringList{question.arg("Alias.MKW").arg(other.pid)});
        opened->closeDocument();

        // The holder dies without cleaning up: its lock is taken over silently. Another
        // spelling of an open class's path activates it.
        other.kill();
        QVERIFY(QFile::exists(ClassLock::lockPath(QFileInfo(path).canonicalFilePath())));
        m_messages.texts.clear();
        opened = manager().openDocumentFile(path);
        QVERIFY(opened);
        QCOMPARE(manager().openDocumentFile(link), opened);
        QCOMPARE(classCount(), 1);
        QVERIFY(m_messages.texts.isEmpty());
        // Now held here: another holder cannot take it, and closing frees it.
        QVERIFY(!OtherHolder(path).locked);
        opened->closeDocument();
        QVERIFY(OtherHolder(path).locked);
    }

    // A program restarted under the same process id (a fresh sandbox) finds the lock it
    // left when it crashed, its own number in it: nobody holds it, so it is taken over.
    void aLockLeftUnderThisProcessIdIsTakenOver() {
        const QString path = copyOfSample("Period3.MKW");
        const QString lock = ClassLock::lockPath(QFileInfo(path).canonicalFilePath());
        QVERIFY(QDir().mkpath(QFileInfo(lock).path()));
        // This process, the program and the host, as lock files of other formats add them.
        QVERIFY(WriteFile(lock, QByteArray::number(qint64(::getpid())) + "\n" +
                                    QCoreApplication::applicationName().toUtf8() + "\n" +
                                    QSysInfo::machineHostName().toUtf8() + "\n"));
        CDocument* opened = manager().openDocumentFile(path);
        QVERIFY(opened);
        QVERIFY(m_messages.texts.isEmpty());
        QVERIFY(!OtherHolder(path).locked);
        opened->closeDocument();
        QVERIFY(!QFile::exists(lock));
    }

    void aFileChangedOnDiskIsNotOverwrittenWithoutAsking() {
        const QString path = copyOfSample("Period3.MKW");
        const QString elsewhere = m_dir->filePath("Elsewhere.MKW");
        CDocument* document = manager().openDocumentFile(path);
        QVERIFY(document);
        const QString question =
            QStringLiteral("Period3.MKW was changed on disk since it was opened or saved here.");
        const QByteArray theirs = ReadFile(path).left(ReadFile(path).size() - 1) + "x";

        // Touched only (same bytes, a new time): no question.
        Change(*document);
        QVERIFY(WriteFile(path, ReadFile(path)));
        QVERIFY(document->doFileSave());
        QVERIFY(m_messages.texts.isEmpty());
        const QByteArray ours = ReadFile(path);

        Change(*document);
        QVERIFY(WriteFile(path, theirs));
        m_messages.answers = {Answer::Cancel};
        QVERIFY(!document->doFileSave());
        QCOMPARE(m_messages.texts, QStringList{question});
        QVERIFY(ReadFile(path) == theirs && document->isModified());

        // Save As... keeps their file and puts ours elsewhere.
        m_messages.texts.clear();
        m_messages.answers = {Answer::SaveAs};
        m_messages.file = elsewhere;
        QVERIFY(document->doFileSave());
        QCOMPARE(m_messages.texts, QStringList{question});
        QCOMPARE(ReadFile(path), theirs);
        QVERIFY(ReadFile(elsewhere).size() > ours.size());
        QCOMPARE(document->title(), QStringLiteral("Elsewhere.MKW"));

        // Overwrite replaces their change; the file is then ours again, so no second question.
        Change(*document);
        QVERIFY(WriteFile(elsewhere, theirs));
        m_messages.texts.clear();
        m_messages.answers = {Answer::Overwrite};
        QVERIFY(document->doFileSave());
        QCOMPARE(m_messages.texts.size(), 1);
        QVERIFY(ReadFile(elsewhere) != theirs);
        Change(*document);
        QVERIFY(document->doFileSave());
        QCOMPARE(m_messages.texts.size(), 1);

        // Deleted meanwhile: written again, and the status bar says so.
        Change(*document);
        QVERIFY(QFile::remove(elsewhere));
        QVERIFY(document->doFileSave());
        QCOMPARE(m_messages.texts.size(), 1);
        QVERIFY(ReadFile(elsewhere).size() > ours.size());
        QCOMPARE(m_app->mainFrame()->statusBar()->currentMessage(),
                 QStringLiteral("Elsewhere.MKW was deleted on disk; it has been written again."));
    }

    // Permissions count only for a user other than root, so the check runs as one.
    void aWriteProtectedClassIsRefusedAndSaveAsOffered() {
        QVERIFY(QFile::setPermissions(m_dir->path(), QFileDevice::Permissions(0x7777)));
        const QString path = copyOfSample("Period3.MKW");
        const QString copy = m_dir->filePath("Copy.MKW");
        QVERIFY(::chmod(QFile::encodeName(path).constData(), 0444) == 0);
        const QByteArray before = ReadFile(path);
        CDocument* document = manager().openDocumentFile(path);
        QVERIFY(document);
        Change(*document);
        m_messages.file = copy;
        const int failures = AsUnprivilegedUser([&] {
            ::alarm(30);
            m_messages.answers = {Answer::Cancel, Answer::SaveAs};
            int result = 0;
            if (document->doFileSave() || !document->isModified())
                result |= 1; // refused, and Cancel leaves the class as it was
            if (!document->doFileSave() || document->title() != "Copy.MKW")
                result |= 2; // Save As... saves it elsewhere
            const QString expected =
                QStringLiteral("Could not save \"%1\". The file is write-protected.").arg(path);
            if (m_messages.texts != QStringList{expected, expected})
                result |= 4;
            return result;
        });
        QCOMPARE(failures, 0);
        QCOMPARE(ReadFile(path), before);
        QVERIFY(ReadFile(copy).size() > before.size());
    }

    // A name that is not UTF-8 opens, is locked and saves under its own bytes.
    void aClassNamedInAnotherEncodingSavesUnderItsOwnName() {
        const std::string bytes = pathBytes(m_dir->path()) + "/Cours\xe9.MKW";
        std::filesystem::copy_file(pathBytes(copyOfSample("Period3.MKW")), bytes);
        const QString path = pathFromBytes(bytes);
        CDocument* document = manager().openDocumentFile(path);
        QVERIFY(document);
        QVERIFY(QFile::exists(ClassLock::lockPath(canonicalPath(path))));
        Change(*document);
        QVERIFY(document->doFileSave());
        QVERIFY(m_messages.texts.isEmpty());
        QVERIFY(std::filesystem::file_size(bytes) >
                std::filesystem::file_size(pathBytes(m_dir->filePath("Period3.MKW"))));
        QCOMPARE(pathBytes(m_app->services().recentFiles.files().front()), bytes);
        std::filesystem::remove(bytes); // beyond QTemporaryDir's reach
    }
};

QTEST_MAIN(FileGuardTest)
#include "file_guard_test.moc"
