#include "recovery.h"

#include "core/atomic_file.h"
#include "core/class_file.h"
#include "core/markwise_doc.h"
#include "doc_manager.h"
#include "document.h"
#include "file_names.h"
#include "ui_seam.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <cerrno>
#include <csignal>
#include <unistd.h>

namespace markwise {

namespace {

// Within the two seconds promised, and seldom enough that a burst of edits is one write.
constexpr int kWriteDelayMilliseconds = 1000;
const QString kCopySuffix = QStringLiteral(".mkw");
const QString kRecordSuffix = QStringLiteral(".json");

bool ProcessRuns(qint64 pid) {
    // EPERM: it runs, under another user.
    if (pid <= 0 || (::kill(static_cast<pid_t>(pid), 0) != 0 && errno != EPERM)) {
        return false;
    }
    // A killed process not yet reaped by its parent (a zombie) runs no more.
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly)) {
        return true;
    }
    const QByteArray line = stat.readAll();
    const qsizetype end = line.lastIndexOf(") ");
    return end < 0 || end + 2 >= line.size() || line[end + 2] != 'Z';
}

// Copies are named "<process>-<serial>", so the process is known even without a record.
qint64 ProcessOf(const QString& fileName) {
    bool ok = false;
    const qint64 pid = fileName.section(QLatin1Char('-'), 0, 0).toLongLong(&ok);
    return ok ? pid : 0;
}

bool WriteBytes(const QString& file, const void* data, std::size_t size) {
    std::string error;
    return WriteFileAtomically(pathBytes(file), data, size, error);
}

void RemoveCopy(const QString& recordFile, const QString& copyFile) {
    // The record first: a copy without a record is only ever cleaned up, never offered.
    QFile::remove(recordFile);
    QFile::remove(copyFile);
}

} // namespace

QString CRecoveryCopies::DefaultFolder() {
    QString state = qEnvironmentVariable("XDG_STATE_HOME");
    if (state.isEmpty()) {
        state = QDir::homePath() + QStringLiteral("/.local/state");
    }
    return state + QStringLiteral("/Markwise/recovery");
}

CRecoveryCopies::CRecoveryCopies(CDocManager& manager, QString folder)
    : m_manager(manager), m_folder(std::move(folder)) {
    m_timer.setSingleShot(true);
    m_timer.setInterval(kWriteDelayMilliseconds);
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
            Copy copy{QStringLiteral("%1-%2").arg(::getpid()).arg(++m_serial), {}};
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
    if (!QDir().mkpath(m_folder)) {
        return false;
    }
    // The copies hold students' names and scores: for this user's eyes only.
    QFile::setPermissions(m_folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QString base = m_folder + QLatin1Char('/') + copy.base;
    QJsonObject record;
    record[QStringLiteral("path")] = document.path();
    record[QStringLiteral("title")] = document.title();
    record[QStringLiteral("time")] = QDateTime::currentDateTime().toString(Qt::ISODate);
    record[QStringLiteral("process")] = static_cast<qint64>(::getpid());
    const QByteArray recordBytes = QJsonDocument(record).toJson();
    // The record first: ended between the two, the previous copy (or none) stays whole.
    if (!WriteBytes(base + kRecordSuffix, recordBytes.constData(),
                    static_cast<std::size_t>(recordBytes.size())) ||
        !WriteBytes(base + kCopySuffix, bytes.data(), bytes.size())) {
        return false;
    }
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
        folder.entryList({QStringLiteral("*") + kCopySuffix, QStringLiteral("*") + kRecordSuffix},
                         QDir::Files, QDir::Name);
    for (const QString& name : names) {
        const qint64 pid = ProcessOf(name);
        if (pid == ::getpid() || ProcessRuns(pid)) {
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
             QDateTime::fromString(record[QStringLiteral("time")].toString(), Qt::ISODate)});
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
    QString text = QStringLiteral("Markwise did not close normally. Recover these classes?\n");
    for (const Abandoned& copy : copies) {
        text +=
            QStringLiteral("\n%1 (%2), %3")
                .arg(copy.title, copy.path.isEmpty() ? QStringLiteral("never saved") : copy.path,
                     copy.time.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")));
    }
    const bool recover = UiSeam::ask(parent, text, Buttons::RecoverDiscard) == Answer::Recover;
    for (const Abandoned& copy : copies) {
        if (recover) {
            std::string error;
            std::unique_ptr<CMarkwiseDoc> data = LoadClassFile(pathBytes(copy.copyFile), error);
            if (!data) {
                UiSeam::tell(parent, QString::fromLocal8Bit(error));
                continue; // kept, so the copy can still be rescued by hand
            }
            data->SetModifiedFlag(true);
            if (!m_manager.openRecovered(std::move(data), copy.path)) {
                continue;
            }
        }
        RemoveCopy(copy.recordFile, copy.copyFile);
    }
    // The recovered classes get copies of their own at once.
    WriteChangedCopies();
}

} // namespace markwise
