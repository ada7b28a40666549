#pragma once

#include "core/markwise_doc.h"

#include <initializer_list>
#include <memory>
#include <string>

namespace markwise::test {

// The document is large; tests hold it the way the program does.
inline std::unique_ptr<CMarkwiseDoc> NewClass() {
    return std::make_unique<CMarkwiseDoc>();
}

inline void AddNamed(CMarkwiseDoc& doc, const std::string& last, const std::string& first = "Pat",
                     const std::string& id = "") {
    doc.AddStudent({first, last, id, "book-" + id, "phone-" + id, "g" + id});
}

// A new assignment with one score per student in slot order (MISSING_SCORE for none).
inline void AddScored(CMarkwiseDoc& doc, double points, std::initializer_list<double> scores) {
    doc.NewAssignment("T" + std::to_string(doc.m_assignmentCount), "", points);
    CAssignment& a = doc.m_assignments[doc.m_assignmentCount - 1];
    int s = 0;
    for (double x : scores)
        a.m_scores[s++] = x;
}

} // namespace markwise::test
