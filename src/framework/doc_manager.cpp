#include "doc_manager.h"

#include "child_frame.h"
#include "core/class_file.h"
#include "core/markwise_doc.h"
#include "document.h"
#include "file_guard.h"
#include "file_names.h"
#include "recent_files.h"
#include "text.h"
#include "ui_seam.h"
#include "view.h"

#include <QFileInfo>
#include <QMdiArea>
#include <algorithm>

namespace markwise {

CDocManager::CDocManager(const AppServices& services) : m_services(services) {}

CDocManager::~CDocManager() = default;

QWidget* CDocManager::window() const {
    return m_mdiArea ? m_mdiArea->window() : nullptr;
}

void CDocManager::setGradeSheetTemplate(CDocTemplate sheetTemplate) {
    m_gradeSheet = std::move(sheetTemplate);
}

CDocument* CDocManager::addDocument(std::unique_ptr<CMarkwiseDoc> data, const QString& path,
                                    const QString& title) {
    m_documents.push_back(std::make_unique<CDocument>(*this, std::move(data), path, title));
    CDocument* document = m_documents.back().get();
    if (!createFrame(*document, m_gradeSheet)) {
        m_documents.pop_back();
        return nullptr;
    }
    emit documentsChanged();
    return document;
}

CDocument* CDocManager::OnFileNew() {
    ++m_untitledCount;
    return addDocument(std::make_unique<CMarkwiseDoc>(), QString(),
                       QStringLiteral("Markwi%1").arg(m_untitledCount));
}

CDocument* CDocManager::openUntitled(std::unique_ptr<CMarkwiseDoc> data) {
    data->SetModifiedFlag(true);
    ++m_untitledCount;
    return addDocument(std::move(data), QString(), QStringLiteral("Markwi%1").arg(m_untitledCount));
}

void CDocManager::OnFileOpen() {
    const QString path = UiSeam::openFileName(window(), tr("Open"), classFileFilter());
    if (!path.isEmpty()) {
        openDocumentFile(path);
    }
}

CDocument* CDocManager::openDocumentFile(const QString& path) {
    const QString absolute = QFileInfo(path).absoluteFilePath();
    // A link or another spelling of the path of an open class reaches that class.
    const QString canonical = canonicalPath(absolute);
    for (const auto& document : m_documents) {
        if (!document->path().isEmpty() &&
            (document->path() == absolute ||
             (!canonical.isEmpty() && canonicalPath(document->path()) == canonical))) {
            if (m_mdiArea && !document->frames().empty()) {
                m_mdiArea->setActiveSubWindow(document->frames().front());
            }
            return document.get();
        }
    }
    std::unique_ptr<HeldFile> lock;
    if (!lockClass(absolute, lock)) {
        return nullptr;
    }
    Message error;
    std::unique_ptr<CMarkwiseDoc> data = LoadClassFile(pathBytes(absolute), error);
    if (!data) {
        UiSeam::tell(window(), translated(error));
        return nullptr;
    }
    if (!data->m_policyDropped.empty()) {
        UiSeam::warn(window(), QStringLiteral("%1: %2").arg(QFileInfo(absolute).fileName(),
                                                            translated(data->m_policyDropped)));
    }
    CDocument* document = addDocument(std::move(data), absolute, QFileInfo(absolute).fileName());
    if (document) {
        document->guardFile(std::move(lock), DiskStamp::of(absolute));
        m_services.recentFiles.add(absolute);
    }
    return document;
}

bool CDocManager::lockClass(const QString& absolute, std::unique_ptr<HeldFile>& lock) {
    const QString canonical = canonicalPath(absolute);
    if (canonical.isEmpty()) {
        return true;
    }
    qint64 holder = 0;
    lock = ClassLock::take(canonical, holder);
    const QString question = tr("%1 is already open in another Markwise window (process %2). "
                                "Open it anyway?")
                                 .arg(QFileInfo(absolute).fileName())
                                 .arg(holder);
    return lock || holder == 0 ||
           UiSeam::ask(window(), question, Buttons::OpenAnywayCancel) == Answer::OpenAnyway;
}

CDocument* CDocManager::openRecovered(std::unique_ptr<CMarkwiseDoc> data, const QString& path,
                                      const DiskStamp& stamp) {
    if (path.isEmpty()) {
        ++m_untitledCount;
        return addDocument(std::move(data), QString(),
                           QStringLiteral("Markwi%1").arg(m_untitledCount));
    }
    std::unique_ptr<HeldFile> lock;
    if (!lockClass(path, lock)) {
        return nullptr;
    }
    CDocument* document = addDocument(std::move(data), path, QFileInfo(path).fileName());
    if (document) {
        document->guardFile(std::move(lock), stamp);
    }
    return document;
}

CDocument* CDocManager::openRecentFile(int index) {
    const QStringList& files = m_services.recentFiles.files();
    if (index < 0 || index >= files.size()) {
        return nullptr;
    }
    const QString path = files[index];
    CDocument* document = openDocumentFile(path);
    if (!document) {
        m_services.recentFiles.remove(path);
    }
    return document;
}

CChildFrame* CDocManager::createFrame(CDocument& document, const CDocTemplate& kind) {
    if (!kind.available() || !m_mdiArea) {
        return nullptr;
    }
    CView* view = kind.createView(document);
    if (!view) {
        return nullptr;
    }
    auto* frame = new CChildFrame(document, view);
    frame->setWindowIcon(m_frameIcon);
    m_mdiArea->addSubWindow(frame);
    frame->showMaximized();
    view->OnInitialUpdate();
    m_mdiArea->setActiveSubWindow(frame);
    return frame;
}

bool CDocManager::saveAllModified() {
    return std::all_of(m_documents.begin(), m_documents.end(), [](const auto& document) {
        return document->canCloseFrames() && document->saveModified();
    });
}

void CDocManager::closeAllDocuments() {
    while (!m_documents.empty()) {
        m_documents.back()->closeDocument();
    }
}

std::vector<CDocument*> CDocManager::documents() const {
    std::vector<CDocument*> list;
    for (const auto& document : m_documents) {
        list.push_back(document.get());
    }
    return list;
}

CChildFrame* CDocManager::activeFrame() const {
    // The current window stays current while a dialog or another program has the focus.
    auto* frame = m_mdiArea ? qobject_cast<CChildFrame*>(m_mdiArea->currentSubWindow()) : nullptr;
    return frame && frame->view() ? frame : nullptr; // a frame without view is closing
}

CDocument* CDocManager::activeDocument() const {
    CChildFrame* frame = activeFrame();
    return frame ? &frame->document() : nullptr;
}

void CDocManager::showStatus(const QString& text) {
    emit statusMessage(text);
}

void CDocManager::removeDocument(CDocument* document) {
    const auto it = std::find_if(m_documents.begin(), m_documents.end(),
                                 [document](const auto& d) { return d.get() == document; });
    if (it != m_documents.end()) {
        m_documents.erase(it);
        emit documentsChanged();
    }
}

} // namespace markwise
