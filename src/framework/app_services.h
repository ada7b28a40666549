#pragma once

namespace markwise {

class CutoffService;
class PrintServices;
class RecentFiles;

// What every window on every class shares, owned by the application and handed to its
// document manager; a view reaches it as frameworkDocument().services().
struct AppServices {
    CutoffService& cutoffs;
    RecentFiles& recentFiles;
    PrintServices& printing;
};

} // namespace markwise
