#pragma once

namespace markwise {

struct ViewDialogs;

// Connects the grade sheet's Assignment, Class and Student Summary commands to their
// dialogs.
void InstallSummaryDialogs(ViewDialogs& dialogs);

} // namespace markwise
