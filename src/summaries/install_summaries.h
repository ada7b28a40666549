#pragma once

namespace markwise {

// Connects the grade sheet's Assignment, Class and Student Summary commands to their
// dialogs. Called once at start-up.
void InstallSummaryDialogs();

} // namespace markwise
