#pragma once

namespace markwise {

struct ViewDialogs;

// Connects the grade sheet's commands and clicks to the editing dialogs, Preferences and
// Sort by Assignment Grade.
void InstallEditingDialogs(ViewDialogs& dialogs);

} // namespace markwise
