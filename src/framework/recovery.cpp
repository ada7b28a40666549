#include "recovery.h"

#include "core/atomic_file.h"
#include "core/class_file.h"
#include "core/markwise_doc.h"
#include "doc_manager.h"
#include "document.h"
#include "file_guard.h"
#include "file_names.h"
#include "text.h"
#include "ui_seam.h"
#include "user_folders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <random>

namespace markwise {

namespace {

// Within the two seconds promised, and seldom enough that a burst of edits is one write.
constexpr std::chrono::milliseconds kWriteDelay{1000};
const QString kCopySuffix = QStringLiteral(".mkw");
const QString kRecordSuffix = QStringLiteral(".json");
const QString kLiveSuffix = QStringLiteral(".live");

// "<process>-<16 hex digits>": the process only helps a person reading the folder.
QString NewTag() {
    std::random_device source;
    const quint64 bits = (quint64(source()) << 32) ^ source();
    return QStringLiteral("%1-%2")
        .arg(QCoreApplication::applicationPid())
        .arg(bits, 16, 16, QLatin1Char('0'));
}

// Copies are "<tag>-<serial>"; the tag is what comes before the last dash.
QString TagOf(const QString& fileName) {
    return QFileInfo(fileName).completeBaseName().section(QLatin1Char('-'), 0, -2);
}

// Empty, or why not.
QString WriteBytes(const QString& file, const void* data, std::size_t size) {
    Message error;
    return WriteFileAtomically(pathBytes(file), data, size, error) ? QString() : translated(error);
}

void RemoveCopy(const QString& recordFile, const QString& copyFile) {
    // The record first: a copy without a record is only ever cleaned up, never offered.
    QFile::remove(recordFile);
    QFile::remove(copyFile);
}

} // namespace

QString CRecoveryCopies::DefaultFolder() {
    return UserFolderPath(UserFolder::State) + QStringLiteral("/recovery");
}

CRecoveryCopies::CRecoveryCopies(CDocManager& manager, QString folder)
    : m_manager(manager), m_folder(std::move(folder)), m_tag(NewTag()) {
    m_timer.setSingleShot(true);
    m_timer.setInterval(kWriteDelay);
    connect(&m_timer, &QTimer::timeout, this, &CRecoveryCopies::WriteChangedCopies);
    connect(&manager, &CDocManager::documentsChanged, this, &CRecoveryCopies::WatchDocuments);
    WatchDocuments();
}

void CRecoveryCopies::WatchDocuments() {
    for (CDocument* document : m_manager.documents()) {
        connect(document, &CDocument::changed, this, &CRecoveryCopies::NoteChange,
                Qt::UniqueConnection);
        // Saved: the copy goes at once.
        connect(document, &CDocument::saved, this, &CRecoveryCopies::WriteChangedCopies,
                Qt::UniqueConnection);
    }
}

void CRecoveryCopies::NoteChange() {
    if (!m_timer.isActive()) {
        m_timer.start();
    }
}

CRecoveryCopies::~CRecoveryCopies() {
    for (const auto& [document, copy] : m_copies) {
        const QString base = m_folder + QLatin1Char('/') + copy.base;
        RemoveCopy(base + kRecordSuffix, base + kCopySuffix);
    }
    m_live.reset(); // last: without it, copies left behind count as abandoned
}

QString CRecoveryCopies::Prepare() {
    if (m_live) {
        return {};
    }
    if (!QDir().mkpath(m_folder)) {
        return tr("The folder cannot be created.");
    }
    // The copies hold students' names and scores: for this user's eyes only.
    QFile::setPermissions(m_folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    // Without it (a file system without locks) copies are still better than none; a
    // failure to write them is said below.
    HeldFile::Outcome outcome;
    m_live = HeldFile::take(m_folder + QLatin1Char('/') + m_tag + kLiveSuffix,
                            QByteArray::number(qint64(QCoreApplication::applicationPid())) + '\n',
                            outcome);
    return {};
}

void CRecoveryCopies::Failed(const QString& reason) {
    if (m_failing) {
        return;
    }
    m_failing = true;
    m_manager.showStatus(tr("Recovery copies cannot be written: a crash would lose your changes."));
    UiSeam::tell(m_manager.window(),
                 tr("Markwise cannot write recovery copies in \"%1\", so a crash "
                    "would lose the changes made since the last save. %2\n\nSave "
                    "your work. Markwise tries again at the next change.")
                     .arg(m_folder, reason));
}

void CRecoveryCopies::WriteChangedCopies() {
    for (CDocument* document : m_manager.documents()) {
        const auto found = m_copies.find(document);
        if (!document->isModified()) {
            if (found != m_copies.end()) {
                Forget(document);
            }
            continue;
        }
        std::vector<unsigned char> bytes = WriteClass(document->data());
        if (found == m_copies.end()) {
            Copy copy{QStringLiteral("%1-%2").arg(m_tag).arg(++m_serial), {}};
            // A class closed without saving is the teacher's choice: its copy goes with it.
            connect(document, &QObject::destroyed, this, &CRecoveryCopies::Forget,
                    Qt::UniqueConnection);
            if (Write(*document, copy, std::move(bytes))) {
                m_copies.emplace(document, std::move(copy));
            }
        } else if (bytes != found->second.bytes) {
            Write(*document, found->second, std::move(bytes));
        }
    }
}

bool CRecoveryCopies::Write(const CDocument& document, Copy& copy,
                            std::vector<unsigned char> bytes) {
    if (const QString unfit = Prepare(); !unfit.isEmpty()) {
        Failed(unfit);
        return false;
    }
    const QString base = m_folder + QLatin1Char('/') + copy.base;
    QJsonObject record;
    record[QStringLiteral("path")] = document.path();
    record[QStringLiteral("title")] = document.title();
    record[QStringLiteral("time")] = QDateTime::currentDateTime().toString(Qt::ISODate);
    record[QStringLiteral("process")] = static_cast<qint64>(QCoreApplication::applicationPid());
    record[QStringLiteral("disk")] = document.diskStamp().toText();
    const QByteArray recordBytes = QJsonDocument(record).toJson();
    // The record first: ended between the two, the previous copy (or none) stays whole.
    QString failure = WriteBytes(base + kRecordSuffix, recordBytes.constData(),
                                 static_cast<std::size_t>(recordBytes.size()));
    Message error;
    if (failure.isEmpty() && !SaveClassBytes(pathBytes(base + kCopySuffix), bytes, error)) {
        failure = translated(error);
    }
    if (!failure.isEmpty()) {
        Failed(failure);
        return false;
    }
    m_failing = false;
    copy.bytes = std::move(bytes);
    return true;
}

void CRecoveryCopies::Forget(QObject* document) {
    const auto found = m_copies.find(document);
    if (found == m_copies.end()) {
        return;
    }
    const QString base = m_folder + QLatin1Char('/') + found->second.base;
    RemoveCopy(base + kRecordSuffix, base + kCopySuffix);
    disconnect(document, &QObject::destroyed, this, &CRecoveryCopies::Forget);
    m_copies.erase(found);
}

std::vector<CRecoveryCopies::Abandoned> CRecoveryCopies::FindAbandoned() const {
    std::vector<Abandoned> found;
    const QDir folder(m_folder);
    const QStringList names =
        folder.entryList({QStringLiteral("*") + kLiveSuffix, QStringLiteral("*") + kCopySuffix,
                          QStringLiteral("*") + kRecordSuffix},
                         QDir::Files, QDir::Name);
    std::map<QString, bool> ended; // by tag
    for (const QString& name : names) {
        const QString tag =
            name.endsWith(kLiveSuffix) ? QFileInfo(name).completeBaseName() : TagOf(name);
        if (tag == m_tag) {
            continue;
        }
        // A run that ended left its live file unheld (or none); it goes at the first look.
        auto known = ended.find(tag);
        if (known == ended.end()) {
            known = ended.emplace(tag, HeldFile::removeIfUnheld(folder.filePath(tag + kLiveSuffix)))
                        .first;
        }
        if (!known->second || name.endsWith(kLiveSuffix)) {
            continue;
        }
        const QString base = folder.filePath(QFileInfo(name).completeBaseName());
        const QString copyFile = base + kCopySuffix;
        const QString recordFile = base + kRecordSuffix;
        if (!name.endsWith(kRecordSuffix)) {
            if (!QFile::exists(recordFile)) {
                QFile::remove(copyFile); // killed between the copy and its record
            }
            continue;
        }
        QFile file(recordFile);
        const QJsonObject record = file.open(QIODevice::ReadOnly)
                                       ? QJsonDocument::fromJson(file.readAll()).object()
                                       : QJsonObject();
        if (record.isEmpty() || !QFile::exists(copyFile)) {
            RemoveCopy(recordFile, copyFile);
            continue;
        }
        found.push_back(
            {copyFile, recordFile, record[QStringLiteral("path")].toString(),
             record[QStringLiteral("title")].toString(),
             QDateTime::fromString(record[QStringLiteral("time")].toString(), Qt::ISODate),
             record[QStringLiteral("disk")].toString()});
    }
    std::sort(found.begin(), found.end(),
              [](const Abandoned& a, const Abandoned& b) { return a.time < b.time; });
    return found;
}

void CRecoveryCopies::OfferRecovery(QWidget* parent) {
    const std::vector<Abandoned> copies = FindAbandoned();
    if (copies.empty()) {
        return;
    }
    QString text = tr("Markwise did not close normally. Recover these classes?\n");
    for (const Abandoned& copy : copies) {
        text += QStringLiteral("\n%1 (%2), %3")
                    .arg(copy.title, copy.path.isEmpty() ? tr("never saved") : copy.path,
                         copy.time.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")));
    }
    const bool recover = UiSeam::ask(parent, text, Buttons::RecoverDiscard) == Answer::Recover;
    for (const Abandoned& copy : copies) {
        if (recover) {
            Message error;
            std::unique_ptr<CMarkwiseDoc> data = LoadClassFile(pathBytes(copy.copyFile), error);
            if (!data) {
                UiSeam::tell(parent, translated(error));
                continue; // kept, so the copy can still be rescued by hand
            }
            data->SetModifiedFlag(true);
            if (!m_manager.openRecovered(std::move(data), copy.path,
                                         DiskStamp::fromText(copy.diskStamp))) {
                continue;
            }
        }
        RemoveCopy(copy.recordFile, copy.copyFile);
    }
    // The recovered classes get copies of their own at once.
    WriteChangedCopies();
}

} // namespace markwise
