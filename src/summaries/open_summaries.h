#pragma once

namespace markwise {

class DialogHost;

// Each runs one summary dialog modally over the opening window's class. They only read it.
void OpenAssignmentSummary(DialogHost& host);
void OpenClassSummary(DialogHost& host);
// Also opened from the class roster, which provides its own host.
void OpenStudentSummary(DialogHost& host);

} // namespace markwise
