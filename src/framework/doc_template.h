#pragma once

#include <functional>

namespace markwise {

class CDocument;
class CView;

// One kind of window on a class: how to make its view. An empty factory means the
// kind is not available in this build, and the commands that open it stay disabled.
struct CDocTemplate {
    using ViewFactory = std::function<CView*(CDocument& document)>;
    ViewFactory createView;

    bool available() const { return static_cast<bool>(createView); }
};

// The report windows' views: the application owns them and the layer that provides them
// fills them at start-up.
struct ReportViewFactories {
    CDocTemplate::ViewFactory studentReport;
    CDocTemplate::ViewFactory progressReport;
    CDocTemplate::ViewFactory classRoster;
};

} // namespace markwise
