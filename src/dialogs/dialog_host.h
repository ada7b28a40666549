#pragma once

#include "core/cutoffs.h"
#include "core/message.h"

#include <string>

class QWidget;

namespace markwise {

class CClassEditor;
class CMarkwiseDoc;

// What an editing dialog needs of the window that opened it. The grade sheet view provides
// it in the program; tests provide a small fake, so every dialog runs without a whole view.
class DialogHost {
public:
    virtual ~DialogHost() = default;

    virtual const CMarkwiseDoc& data() = 0;
    // Every change goes through here; it repaints every window on the class, so the sheet
    // behind an open dialog shows each change.
    virtual CClassEditor& editor() = 0;
    // The parent of the dialogs and of their messages.
    virtual QWidget* widget() = 0;
    // Scrolls the opening grade sheet so that the last assignment is its rightmost column.
    virtual void showLastAssignment() = 0;
    // The application's current grade cutoffs.
    virtual CGradeCutoffs currentCutoffs() const = 0;
    // Gives a new set to the application and to every open grade sheet view, and writes it
    // to the profile at once; false, with the reason, when the profile could not be written.
    virtual bool applyCutoffs(const CGradeCutoffs& cutoffs, Message* error) = 0;
};

} // namespace markwise
