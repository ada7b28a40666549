#include "list_lines.h"

#include "core/markwise_doc.h"
#include "framework/text.h"

namespace markwise {

QStringList StudentLines(const CMarkwiseDoc& doc) {
    QStringList lines;
    const int count = doc.StudentsInUse();
    lines.reserve(count);
    for (int s = 0; s < count; ++s)
        lines.append(toQString(doc.GetFullName(s)));
    return lines;
}

QStringList AssignmentLines(const CMarkwiseDoc& doc) {
    QStringList lines;
    const int count = doc.AssignmentsInUse();
    lines.reserve(count);
    for (int a = 0; a < count; ++a)
        lines.append(toQString(doc.m_assignments[a].m_title));
    return lines;
}

} // namespace markwise
