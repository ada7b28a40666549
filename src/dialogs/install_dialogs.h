#pragma once

namespace markwise {

// Connects the grade sheet's commands and clicks to the editing dialogs, Preferences and
// Sort by Assignment Grade. Called once at start-up.
void InstallEditingDialogs();

} // namespace markwise
