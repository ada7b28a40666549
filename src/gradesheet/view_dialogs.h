#pragma once

#include <functional>

namespace markwise {

class CMarkwiseView;

// Where the grade sheet's commands and clicks open their dialogs. The application owns the
// table and the dialog layers fill it at start-up; a command whose entry is empty is not
// handled and so shows disabled.
struct ViewDialogs {
    using Open = std::function<void(CMarkwiseView& view)>;

    Open addStudent;
    std::function<void(CMarkwiseView& view, int student)> editStudent;
    Open removeStudent;
    Open newAssignment; // the view has already refused a class without students
    std::function<void(CMarkwiseView& view, int assignment, int student)> editAssignment;
    Open removeAssignment;
    Open excludeAssignments;
    Open gradingPolicy;
    Open preferences;
    Open sortByAssignment;
    Open assignmentSummary;
    Open classSummary;
    Open studentSummary;
};

} // namespace markwise
