#pragma once

#include "command_target.h"

class QWidget;

namespace markwise {

class CDocument;
class CMarkwiseDoc;

// A window's content on one document: the first stop on a command's route.
class CView : public CommandTarget {
public:
    explicit CView(CDocument& document) : m_pDocument(&document) {}

    // The framework's document: the editor, the title, the shared services.
    CDocument& frameworkDocument() const { return *m_pDocument; }
    // The class, to read; changes go through frameworkDocument().editor().
    const CMarkwiseDoc* GetDocument() const;

    // The widget the child frame shows.
    virtual QWidget* widget() = 0;
    // Runs once after the frame shows the view, before the first paint.
    virtual void OnInitialUpdate() {}
    // Before the window or its class closes: false keeps it open. Views that hold work
    // of their own ask the user here.
    virtual bool canClose() { return true; }

private:
    CDocument* m_pDocument;
};

} // namespace markwise
