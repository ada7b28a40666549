#pragma once

#include "core/markwise_doc.h"

#include <memory>
#include <string>
#include <vector>

namespace markwise::report_test {

// A document is large (fixed arrays), so tests keep it on the heap.
inline std::unique_ptr<CMarkwiseDoc> EmptyClass() {
    return std::make_unique<CMarkwiseDoc>();
}

inline int AddStudent(CMarkwiseDoc& doc, const std::string& last, const std::string& first,
                      const std::string& id) {
    const int s = doc.m_studentCount++;
    doc.m_lastName[s] = last;
    doc.m_firstName[s] = first;
    doc.m_studentId[s] = id;
    doc.m_gradeLevel[s] = "G" + std::to_string(s);
    doc.m_bookNumber[s] = "B" + std::to_string(s);
    doc.m_phone[s] = "555-" + std::to_string(s);
    return s;
}

// Scores by student slot; MISSING_SCORE for none.
inline void AddAssignment(CMarkwiseDoc& doc, const std::string& title, double possible,
                          const std::vector<double>& scores) {
    CAssignment& a = doc.m_assignments[doc.m_assignmentCount++];
    a.m_title = title;
    a.m_pointsPossible = possible;
    for (int s = 0; s < static_cast<int>(scores.size()); ++s) {
        a.SetScore(scores[s], s);
    }
}

// n students "Last<i>, First<i>", IDs "ID<i>", and no assignments.
inline std::unique_ptr<CMarkwiseDoc> ClassOf(int n) {
    auto doc = EmptyClass();
    for (int s = 0; s < n; ++s) {
        AddStudent(*doc, "Last" + std::to_string(s), "First" + std::to_string(s),
                   "ID" + std::to_string(s));
    }
    return doc;
}

} // namespace markwise::report_test
