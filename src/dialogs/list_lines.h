#pragma once

#include <QStringList>

namespace markwise {

class CMarkwiseDoc;

// The dialogs' list lines, in slot order: "Last, First" for students whatever the sheet
// shows, the title for assignments.
QStringList StudentLines(const CMarkwiseDoc& doc);
QStringList AssignmentLines(const CMarkwiseDoc& doc);

} // namespace markwise
