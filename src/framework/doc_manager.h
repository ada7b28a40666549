#pragma once

#include "app_services.h"
#include "doc_template.h"

#include <QIcon>
#include <QObject>
#include <QString>
#include <memory>
#include <vector>

class QMdiArea;

namespace markwise {

class CChildFrame;
class CDocument;
class CMarkwiseDoc;
class HeldFile;
struct DiskStamp;

// Creates, opens and closes documents and numbers new ones, each in a window of the
// MDI area. Hands the application's shared services on to every document.
class CDocManager : public QObject {
    Q_OBJECT
public:
    explicit CDocManager(const AppServices& services);
    ~CDocManager() override;

    const AppServices& services() const { return m_services; }

    void setMdiArea(QMdiArea* area) { m_mdiArea = area; }
    QMdiArea* mdiArea() const { return m_mdiArea; }
    // Parent of messages and file dialogs.
    QWidget* window() const;

    // The picture in each class window's corner.
    void setFrameIcon(const QIcon& icon) { m_frameIcon = icon; }
    // The grade sheet: the kind of window New, Open and the recent files make.
    void setGradeSheetTemplate(CDocTemplate sheetTemplate);

    // A new empty class, "Markwi1", "Markwi2", ..., in a grade sheet window.
    CDocument* OnFileNew();
    // A class made elsewhere (an imported file) as a new untitled class numbered like New,
    // modified so that closing it asks to save. Null when no window could be made.
    CDocument* openUntitled(std::unique_ptr<CMarkwiseDoc> data);
    // Asks for a file and opens it.
    void OnFileOpen();
    // Opens a class file in a grade sheet window, or activates the class when it is
    // already open (by any spelling of its path). Null when it cannot be read (the reason
    // has been shown) or when it is open in another Markwise and the user cancels.
    CDocument* openDocumentFile(const QString& path);
    // A class recovered after a crash, unsaved, in a grade sheet window; Save writes it to
    // path (empty: it asks for a name, as for a new class). It is locked as an opened class
    // is, and saving asks first when path no longer holds the bytes of stamp (the file as
    // the crashed program last loaded or saved it). Null when the user cancels.
    CDocument* openRecovered(std::unique_ptr<CMarkwiseDoc> data, const QString& path,
                             const DiskStamp& stamp);
    // Opens entry index (0..3) of the recent-file list; drops it when it fails.
    CDocument* openRecentFile(int index);

    // A further window on document; null when the template has no view.
    CChildFrame* createFrame(CDocument& document, const CDocTemplate& kind);

    // Asks to save each modified class (and to drop report comments); false when the
    // user cancelled one.
    bool saveAllModified();
    void closeAllDocuments();

    std::vector<CDocument*> documents() const;
    CDocument* activeDocument() const;
    CChildFrame* activeFrame() const;

    // A passing note for the status bar.
    void showStatus(const QString& text);

    // Called by a document as its last window closes.
    void removeDocument(CDocument* document);

signals:
    void documentsChanged();
    void statusMessage(const QString& text);

private:
    // The lock of the class at absolute (null when none can be made); false when another
    // Markwise holds it and the user does not open the class anyway.
    bool lockClass(const QString& absolute, std::unique_ptr<HeldFile>& lock);
    CDocument* addDocument(std::unique_ptr<CMarkwiseDoc> data, const QString& path,
                           const QString& title);

    AppServices m_services;
    QMdiArea* m_mdiArea = nullptr;
    QIcon m_frameIcon;
    CDocTemplate m_gradeSheet;
    std::vector<std::unique_ptr<CDocument>> m_documents;
    int m_untitledCount = 0;
};

} // namespace markwise
