#pragma once

#include "command_target.h"
#include "core/cutoffs.h"
#include "core/profile.h"
#include "doc_manager.h"

#include <QObject>

class QWidget;

namespace markwise {

// What every window reaches through the one application object: the profile, the
// current grade cutoffs, the documents and help.
class CWinApp : public QObject, public CommandTarget {
    Q_OBJECT
public:
    explicit CWinApp(const CProfile& profile = CProfile());
    ~CWinApp() override;

    static CWinApp* instance();

    CProfile& profile() { return m_profile; }
    // The recent-file list and the grade cutoffs, from the profile.
    void LoadProfileSettings();
    CDocManager& docManager() { return m_docManager; }

    // The current set: every letter grade and distribution uses it.
    const CGradeCutoffs& cutoffs() const { return m_cutoffs; }
    // Every window that shows grades connects to cutoffsChanged and repaints.
    void setCutoffs(const CGradeCutoffs& cutoffs);

    // Every help request opens the entry page of the user guide.
    virtual void WinHelp() {}
    virtual QWidget* mainWindow() const { return nullptr; }

    bool updateCommand(int, CommandState&) override { return false; }
    void runCommand(int) override {}

signals:
    void cutoffsChanged(const CGradeCutoffs& cutoffs);

private:
    CProfile m_profile;
    CGradeCutoffs m_cutoffs;
    CDocManager m_docManager;
};

} // namespace markwise
