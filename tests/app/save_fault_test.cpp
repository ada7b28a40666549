// Every save (a class, a recovery copy, the profile, a PDF) with each of its system calls
// failing in turn, and with the power cut at each: the file is always whole, old or new,
// no temporary is left and the failure is reported. The binary links faulty_save_calls.cpp.
#include "core/class_file.h"
#include "core/profile.h"
#include "framework/file_names.h"
#include "framework/print_services.h"
#include "framework/recovery.h"
#include "gradesheet/sheet_print_job.h"
#include "recovery_edits.h"
#include "support/app_fixture.h"
#include "support/faulty_save_calls.h"

#include <QDir>
#include <QStatusBar>
#include <QtTest>
#include <functional>

using namespace markwise;
using namespace markwise::test;

namespace {

struct Scenario {
    QString name;
    QString target;
    // Saves something new to target: empty, or the failure as reported.
    std::function<QString()> save;
    // Whether bytes are a whole file of the kind.
    std::function<bool(const QByteArray&)> whole;
};

QStringList Temporaries(const QString& folder) {
    return QDir(folder).entryList({".*.tmp"}, QDir::Files | QDir::Hidden);
}

bool LoadsAsClass(const QByteArray& bytes) {
    std::string error;
    return ReadClass(reinterpret_cast<const unsigned char*>(bytes.constData()),
                     std::size_t(bytes.size()), error) != nullptr;
}

} // namespace

class SaveFaultTest : public QObject, AppFixture {
    Q_OBJECT
    long m_injected = 0;
    long m_powerCuts = 0;

    // One save per call of a clean save, with that call failing with each error; then one
    // per call with the power cut there.
    void RunFaults(const Scenario& scenario) {
        PlanFaults({});
        QVERIFY2(scenario.save().isEmpty(), qPrintable(scenario.name));
        const long calls = Faults().calls;
        QVERIFY2(calls >= 4, qPrintable(scenario.name)); // write, flush, rename, folder
        const QString folder = QFileInfo(scenario.target).path();
        for (long n = 1; n <= calls; ++n) {
            for (const int error : {EIO, ENOSPC, EDQUOT}) {
                const QByteArray old = ReadFile(scenario.target);
                SaveFaults plan;
                plan.failAt = n;
                plan.error = error;
                PlanFaults(plan);
                const QString failure = scenario.save();
                const QString where = QStringLiteral("%1, call %2 failing with %3")
                                          .arg(scenario.name)
                                          .arg(n)
                                          .arg(error);
                QVERIFY2(Faults().injected == 1, qPrintable(where));
                QVERIFY2(!failure.isEmpty(), qPrintable(where));
                // Only a failed folder flush comes after a new file took the old one's place.
                const QByteArray now = ReadFile(scenario.target);
                if (CallKinds()[std::size_t(n - 1)] == SaveCallKind::SyncFolder)
                    QVERIFY2(now == old || scenario.whole(now), qPrintable(where));
                else
                    QVERIFY2(now == old, qPrintable(where));
                QVERIFY2(Temporaries(folder).isEmpty(), qPrintable(where));
                m_injected += Faults().injected;
                PlanFaults({});
                QVERIFY2(scenario.save().isEmpty(), qPrintable(where + ", then again"));
            }
            const QByteArray old = ReadFile(scenario.target);
            SaveFaults cut;
            cut.failAt = n;
            cut.powerCut = true;
            PlanFaults(cut);
            scenario.save();
            const QString where =
                QStringLiteral("%1, power cut at call %2").arg(scenario.name).arg(n);
            // Unflushed writes are lost with the power: no rename may come before the flush.
            QVERIFY2(Faults().unsyncedRenames.empty(), qPrintable(where));
            const QByteArray now = ReadFile(scenario.target);
            QVERIFY2(now == old || scenario.whole(now), qPrintable(where));
            ++m_powerCuts;
            PlanFaults({});
            QVERIFY2(scenario.save().isEmpty(), qPrintable(where + ", then again"));
        }
    }

private slots:
    void initTestCase() { PrepareApplication(); }
    void cleanupTestCase() {
        qInfo("%ld injected faults and %ld power cuts survived", m_injected, m_powerCuts);
    }
    void init() {
        FreshFolder();
        qputenv("XDG_STATE_HOME", m_dir->filePath("state").toLocal8Bit());
    }
    void cleanup() {
        PlanFaults({});
        CloseApp();
    }

    void aClassTheProfileAndAPdfSurviveEveryFailedCall() {
        CMarkwiseDoc doc;
        int round = 0;
        const QString classFile = m_dir->filePath("Period3.MKW");
        RunFaults({"class", classFile,
                   [&] {
                       doc.m_lastName[0] = "Round" + std::to_string(++round);
                       doc.m_studentCount = 1;
                       std::string error;
                       return SaveClassFile(pathBytes(classFile), doc, error)
                                  ? QString()
                                  : QString::fromStdString(error);
                   },
                   LoadsAsClass});

        const CProfile profile(profilePath().toStdString());
        RunFaults({"profile", profilePath(),
                   [&] {
                       CGradeCutoffs cutoffs;
                       cutoffs.m_cutoffA = 91 + (++round % 5);
                       std::string error;
                       return profile.WriteCutoffs(cutoffs, CProfile::Write::Confirmed, &error)
                                  ? QString()
                                  : QString::fromStdString(error);
                   },
                   [](const QByteArray& bytes) { return bytes.contains("[Grade Cutoffs]"); }});

        const QString pdf = m_dir->filePath("Period3.pdf");
        RunFaults({"PDF", pdf,
                   [&] {
                       doc.m_lastName[0] = "Page" + std::to_string(++round);
                       SheetPrintJob job(doc, "Period3.MKW", CGradeCutoffs());
                       QString error;
                       return PrintToPdf(job, {pdf, QPageSize(QPageSize::Letter), 300}, &error)
                                  ? QString()
                                  : error;
                   },
                   [](const QByteArray& bytes) { return bytes.trimmed().endsWith("%%EOF"); }});
    }

    // The folder's flush failed after the new file took the old one's place: the class stays
    // modified, and saving again is no change made by another program.
    void aClassSavedButNotFlushedSavesAgainWithoutAsking() {
        const QString file = copyOfSample("Period3.MKW");
        QVERIFY(StartApp(file));
        CDocument& document = *manager().activeDocument();
        Change(document);
        SaveFaults plan;
        plan.failAt = 4;
        PlanFaults(plan);
        m_messages.answers = {Answer::Cancel};
        QVERIFY(!document.doFileSave());
        QCOMPARE(CallKinds().back(), SaveCallKind::SyncFolder);
        QCOMPARE(m_messages.texts.size(), 1);
        QVERIFY(document.isModified());
        PlanFaults({});
        QVERIFY(document.doFileSave());
        QCOMPARE(m_messages.texts.size(), 1);
        QVERIFY(!document.isModified());
    }

    void aRecoveryCopySurvivesEveryFailedCallAndSaysSo() {
        QVERIFY(StartApp(copyOfSample("Period3.MKW")));
        CDocument& document = *manager().activeDocument();
        CRecoveryCopies& recovery = *m_app->recoveryCopies();
        const QString folder = recovery.folder();
        Change(document);
        recovery.WriteChangedCopies();
        const QStringList copies = QDir(folder).entryList({"*.mkw"}, QDir::Files);
        QCOMPARE(copies.size(), 1);
        RunFaults({"recovery copy", folder + "/" + copies[0],
                   [&] {
                       m_messages.texts.clear();
                       frame().statusBar()->clearMessage();
                       Change(document);
                       recovery.WriteChangedCopies();
                       if (m_messages.texts.isEmpty())
                           return QString();
                       // Said in both places, naming the folder.
                       return m_messages.texts.size() == 1 &&
                                      m_messages.texts[0].contains(folder) &&
                                      !frame().statusBar()->currentMessage().isEmpty()
                                  ? m_messages.texts[0]
                                  : QStringLiteral("said wrongly");
                   },
                   LoadsAsClass});
    }
};

QTEST_MAIN(SaveFaultTest)
#include "save_fault_test.moc"
