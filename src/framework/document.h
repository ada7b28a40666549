#pragma once

#include "app_services.h"
#include "class_editor.h"
#include "command_target.h"
#include "file_guard.h"

#include <QObject>
#include <QString>
#include <memory>
#include <vector>

namespace markwise {

class CChildFrame;
class CDocManager;
class CMarkwiseDoc;

// An open class: its data, file path, title and windows. The last window closing
// closes the document.
class CDocument : public QObject, public CommandTarget {
    Q_OBJECT
public:
    CDocument(CDocManager& manager, std::unique_ptr<CMarkwiseDoc> data, QString path,
              QString title);
    ~CDocument() override;

    // The class as it stands; it changes only through editor().
    const CMarkwiseDoc& data() const { return *m_data; }
    CClassEditor& editor() { return m_editor; }
    const QString& path() const { return m_path; }
    // The file name, or "Markwi" and a running number for a new class.
    const QString& title() const { return m_title; }
    bool isModified() const;
    // The manager that opened it, which knows the window messages belong to.
    CDocManager& manager() const { return m_manager; }
    // What the windows on this class share with every other: the grade cutoffs, the
    // recent files, the printer.
    const AppServices& services() const;

    const std::vector<CChildFrame*>& frames() const { return m_frames; }
    void addFrame(CChildFrame* frame);
    // The document closes when its last frame goes.
    void removeFrame(CChildFrame* frame);
    // Window captions: the title, with ":n" while the class has several windows.
    void updateFrameTitles();
    // The one place changed() is emitted: after every change the editor makes, every
    // window on the class repaints.
    void updateAllViews();
    // Asks each window that holds work of its own (typed report comments) whether it may
    // go; false when one says no, and the class must stay open.
    bool canCloseFrames();

    // Save: to the current file, or asks for a name when there is none.
    bool doFileSave();
    // Save As: asks for a name when path is empty. False when cancelled or failed;
    // a failure is shown with Save As offered, and leaves the class modified and the old
    // file intact.
    bool doSave(const QString& path);
    // Before closing: asks to save a modified class. False when the user cancels
    // or the save fails, so the close must not go on.
    bool saveModified();
    // Holds lock (may be null) while the class is open, and remembers stamp (the file's
    // bytes as read), to notice when another program changes them.
    void guardFile(std::unique_ptr<HeldFile> lock, const DiskStamp& stamp);
    // The file as last read or written here.
    const DiskStamp& diskStamp() const { return m_stamp; }

    // Closes every window without asking.
    void closeDocument();

signals:
    void changed();
    // The class was written to its file and is unmodified now.
    void saved();

private:
    enum class DiskCheck { Unchanged, Deleted, Overwrite, SaveAs, Cancel };
    // Whether saving to path may replace what is there: asks when another program changed
    // the file since it was opened or saved here.
    DiskCheck checkDisk(const QString& path);
    bool saveTo(const QString& path);

    CDocManager& m_manager;
    std::unique_ptr<CMarkwiseDoc> m_data;
    CClassEditor m_editor;
    QString m_path;
    QString m_title;
    std::vector<CChildFrame*> m_frames;
    std::unique_ptr<HeldFile> m_lock;
    DiskStamp m_stamp;
};

} // namespace markwise
