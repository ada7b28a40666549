#include "document.h"

#include "child_frame.h"
#include "commands.h"
#include "core/class_file.h"
#include "core/markwise_doc.h"
#include "doc_manager.h"
#include "file_names.h"
#include "recent_files.h"
#include "text.h"
#include "ui_seam.h"
#include "view.h"

#include <QFileInfo>
#include <algorithm>

namespace markwise {

CDocument::CDocument(CDocManager& manager, std::unique_ptr<CMarkwiseDoc> data, QString path,
                     QString title)
    : m_manager(manager), m_data(std::move(data)), m_editor(*m_data), m_path(std::move(path)),
      m_title(std::move(title)) {
    connect(&m_editor, &CClassEditor::changed, this, &CDocument::updateAllViews);
    // Undo and Redo name the step they take back or do again.
    handle(ID_EDIT_UNDO, [this] { m_editor.undo(); }).state([this](CommandState& state) {
        state.enabled = m_editor.history().canUndo();
        state.text =
            state.enabled ? tr("&Undo %1").arg(m_editor.history().undoText()) : tr("&Undo");
    });
    handle(ID_EDIT_REDO, [this] { m_editor.redo(); }).state([this](CommandState& state) {
        state.enabled = m_editor.history().canRedo();
        state.text =
            state.enabled ? tr("R&edo %1").arg(m_editor.history().redoText()) : tr("R&edo");
    });
    handle(ID_FILE_CLOSE, [this] {
        if (canCloseFrames() && saveModified()) {
            closeDocument();
        }
    });
    handle(ID_FILE_SAVE, [this] { doFileSave(); });
    handle(ID_FILE_SAVE_AS, [this] { doSave(QString()); });
}

const AppServices& CDocument::services() const {
    return m_manager.services();
}

CDocument::~CDocument() = default;

bool CDocument::isModified() const {
    return m_data->IsModified();
}

void CDocument::addFrame(CChildFrame* frame) {
    m_frames.push_back(frame);
    updateFrameTitles();
}

void CDocument::removeFrame(CChildFrame* frame) {
    m_frames.erase(std::remove(m_frames.begin(), m_frames.end(), frame), m_frames.end());
    if (m_frames.empty()) {
        m_manager.removeDocument(this); // deletes this document
        return;
    }
    updateFrameTitles();
}

void CDocument::updateFrameTitles() {
    const bool numbered = m_frames.size() > 1;
    for (std::size_t i = 0; i < m_frames.size(); ++i) {
        m_frames[i]->setWindowTitle(numbered ? QStringLiteral("%1:%2").arg(m_title).arg(i + 1)
                                             : m_title);
    }
}

void CDocument::updateAllViews() {
    emit changed();
}

bool CDocument::canCloseFrames() {
    return std::all_of(m_frames.begin(), m_frames.end(), [](CChildFrame* frame) {
        return !frame->view() || frame->view()->canClose();
    });
}

bool CDocument::doFileSave() {
    return doSave(m_path);
}

bool CDocument::doSave(const QString& requested) {
    QString path = requested;
    if (path.isEmpty()) {
        const QString suggested = m_path.isEmpty() ? withClassExtension(m_title) : m_path;
        path =
            UiSeam::saveFileName(m_manager.window(), tr("Save As"), classFileFilter(), suggested);
        if (path.isEmpty()) {
            return false;
        }
        path = withClassExtension(path);
    }
    const DiskCheck check = checkDisk(path);
    if (check == DiskCheck::Cancel) {
        return false;
    }
    if (check == DiskCheck::SaveAs) {
        return doSave(QString());
    }
    if (!saveTo(path)) {
        return false;
    }
    if (check == DiskCheck::Deleted) {
        m_manager.showStatus(tr("%1 was deleted on disk; it has been written again.").arg(m_title));
    }
    return true;
}

CDocument::DiskCheck CDocument::checkDisk(const QString& path) {
    if (m_path.isEmpty() || !m_stamp.exists ||
        QFileInfo(path).absoluteFilePath() != QFileInfo(m_path).absoluteFilePath()) {
        return DiskCheck::Overwrite;
    }
    const DiskStamp now = DiskStamp::of(path);
    if (!now.exists) {
        return DiskCheck::Deleted;
    }
    if (now.sameBytes(m_stamp)) {
        return DiskCheck::Unchanged;
    }
    switch (
        UiSeam::ask(m_manager.window(),
                    tr("%1 was changed on disk since it was opened or saved here.").arg(m_title),
                    Buttons::OverwriteSaveAsCancel)) {
    case Answer::Overwrite:
        return DiskCheck::Overwrite;
    case Answer::SaveAs:
        return DiskCheck::SaveAs;
    default:
        return DiskCheck::Cancel;
    }
}

bool CDocument::saveTo(const QString& path) {
    // The policy the file held could not be read: writing the class loses it for good.
    if (!m_data->m_policyDropped.empty() &&
        UiSeam::ask(m_manager.window(),
                    tr("The grading policy of %1 could not be read when it was "
                       "opened. Save it without its grading policy and score marks?")
                        .arg(m_title),
                    Buttons::OkCancel) != Answer::Ok) {
        return false;
    }
    Message error;
    const std::vector<unsigned char> bytes = WriteClass(*m_data);
    if (!SaveClassBytes(pathBytes(path), bytes, error)) {
        // Only the folder's flush failed: the file holds these bytes now, and the next save
        // must not take them for another program's change.
        if (QFileInfo(path).absoluteFilePath() == m_path &&
            DiskStamp::of(m_path).sameBytes(DiskStamp::ofBytes(bytes))) {
            m_stamp = DiskStamp::of(m_path);
        }
        // The changes can go somewhere else at once (a write-protected file, say).
        const Answer next =
            UiSeam::ask(m_manager.window(), translated(error), Buttons::SaveAsCancel);
        return next == Answer::SaveAs && doSave(QString());
    }
    const QString absolute = QFileInfo(path).absoluteFilePath();
    if (absolute != m_path) {
        // The lock follows the class to its new file; none is asked for there.
        qint64 holder = 0;
        m_lock = ClassLock::take(canonicalPath(absolute), holder);
    }
    m_editor.markSaved();
    m_data->m_policyDropped.clear();
    m_path = absolute;
    m_title = QFileInfo(path).fileName();
    m_stamp = DiskStamp::of(m_path);
    updateFrameTitles();
    services().recentFiles.add(m_path);
    emit saved();
    return true;
}

void CDocument::guardFile(std::unique_ptr<HeldFile> lock, const DiskStamp& stamp) {
    m_lock = std::move(lock);
    m_stamp = stamp;
}

bool CDocument::saveModified() {
    if (!isModified()) {
        return true;
    }
    switch (UiSeam::ask(m_manager.window(), tr("Save changes to %1?").arg(m_title),
                        Buttons::SaveDiscardCancel)) {
    case Answer::Save:
        return doFileSave();
    case Answer::Discard:
        return true;
    default:
        return false;
    }
}

void CDocument::closeDocument() {
    if (m_frames.empty()) {
        m_manager.removeDocument(this); // deletes this document
        return;
    }
    // The last frame's removal deletes this document, so work on a copy.
    const std::vector<CChildFrame*> frames = m_frames;
    for (CChildFrame* frame : frames) {
        frame->closeWithoutAsking();
    }
}

} // namespace markwise
