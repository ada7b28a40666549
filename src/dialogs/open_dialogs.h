#pragma once

namespace markwise {

class DialogHost;

// Each runs one editing dialog modally for the window that opened it; what the dialog
// changes, it changes in that window's class.
void OpenAddStudent(DialogHost& host);
void OpenEditStudent(DialogHost& host, int student);
void OpenRemoveStudent(DialogHost& host);
// Create New Assignment, then, once it made one, Edit Assignment on it for the first student.
void OpenNewAssignment(DialogHost& host);
void OpenEditAssignment(DialogHost& host, int assignment, int student);
void OpenRemoveAssignment(DialogHost& host);
void OpenExcludeAssignments(DialogHost& host);
void OpenGradingPolicy(DialogHost& host);
void OpenPreferences(DialogHost& host);
void OpenSortByAssignment(DialogHost& host);

} // namespace markwise
