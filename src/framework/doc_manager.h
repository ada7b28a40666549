#pragma once

#include "core/cutoffs.h"
#include "doc_template.h"
#include "print_services.h"

#include <QIcon>
#include <QObject>
#include <QStringList>
#include <memory>
#include <string>
#include <vector>

class QMdiArea;

namespace markwise {

class CChildFrame;
class CDocument;
class CMarkwiseDoc;
class HeldFile;
struct DiskStamp;
class CProfile;

// Creates, opens, saves and closes documents, numbers new ones and keeps the
// recent-file list of four in the profile. Carries what every window on a class shares:
// the current grade cutoffs and the printer.
class CDocManager : public QObject {
    Q_OBJECT
public:
    explicit CDocManager(CProfile& profile);
    ~CDocManager() override;

    void setMdiArea(QMdiArea* area) { m_mdiArea = area; }
    QMdiArea* mdiArea() const { return m_mdiArea; }
    // Parent of messages and file dialogs.
    QWidget* window() const;
    PrintServices& printing() { return m_printing; }

    // The picture in each class window's corner.
    void setFrameIcon(const QIcon& icon) { m_frameIcon = icon; }
    // The grade sheet: the kind of window New, Open and the recent files make.
    void setGradeSheetTemplate(CDocTemplate sheetTemplate);

    // A new empty class, "Markwi1", "Markwi2", ..., in a grade sheet window.
    CDocument* OnFileNew();
    // A class made elsewhere (an imported file) as a new untitled class numbered like New,
    // modified so that closing it asks to save. Null when no window could be made.
    CDocument* OpenUntitled(std::unique_ptr<CMarkwiseDoc> data);
    // Asks for a file and opens it.
    void OnFileOpen();
    // Opens a class file in a grade sheet window, or activates the class when it is
    // already open (by any spelling of its path). Null when it cannot be read (the reason
    // has been shown) or when it is open in another Markwise and the user cancels.
    CDocument* OpenDocumentFile(const QString& path);
    // A class recovered after a crash, unsaved, in a grade sheet window; Save writes it to
    // path (empty: it asks for a name, as for a new class). It is locked as an opened class
    // is, and saving asks first when path no longer holds the bytes of stamp (the file as
    // the crashed program last loaded or saved it). Null when the user cancels.
    CDocument* OpenRecovered(std::unique_ptr<CMarkwiseDoc> data, const QString& path,
                             const DiskStamp& stamp);
    // Opens entry index (0..3) of the recent-file list; drops it when it fails.
    CDocument* OpenRecentFile(int index);

    // A further window on document; null when the template has no view.
    CChildFrame* CreateFrame(CDocument& document, const CDocTemplate& kind);

    // Asks to save each modified class (and to drop report comments); false when the
    // user cancelled one.
    bool SaveAllModified();
    void CloseAllDocuments();

    std::vector<CDocument*> documents() const;
    CDocument* activeDocument() const;
    CChildFrame* activeFrame() const;

    // The recent-file list and the grade cutoffs, from the profile.
    void loadProfileSettings();
    // Newest first, at most four.
    const QStringList& recentFiles() const { return m_recentFiles; }
    void addToRecentFiles(const QString& path);

    // The current set: every letter grade and distribution uses it.
    const CGradeCutoffs& cutoffs() const { return m_cutoffs; }
    // Preferences accepted: the new set becomes current, every window is told
    // (cutoffsChanged) and it goes to the profile at once, so no window later writes back
    // an old set. False with the reason in error when the profile could not be written.
    bool applyCutoffs(const CGradeCutoffs& cutoffs, std::string* error = nullptr);
    // A grade sheet closing leaves the set it graded with in the profile, unless a set
    // confirmed there since takes precedence.
    void keepCutoffs(const CGradeCutoffs& cutoffs);

    // A passing note for the status bar.
    void showStatus(const QString& text);

    // Called by a document as its last window closes.
    void removeDocument(CDocument* document);

signals:
    void recentFilesChanged();
    void documentsChanged();
    void statusMessage(const QString& text);
    void cutoffsChanged(const CGradeCutoffs& cutoffs);

private:
    void saveRecentFiles();
    // The lock of the class at absolute (null when none can be made); false when another
    // Markwise holds it and the user does not open the class anyway.
    bool lockClass(const QString& absolute, std::unique_ptr<HeldFile>& lock);
    CDocument* addDocument(std::unique_ptr<CMarkwiseDoc> data, const QString& path,
                           const QString& title);

    CProfile& m_profile;
    CGradeCutoffs m_cutoffs;
    QMdiArea* m_mdiArea = nullptr;
    QIcon m_frameIcon;
    CDocTemplate m_gradeSheet;
    std::vector<std::unique_ptr<CDocument>> m_documents;
    int m_untitledCount = 0;
    QStringList m_recentFiles;
    PrintServices m_printing;
};

} // namespace markwise
