#pragma once

#include "core/markwise_doc.h"

#include <memory>
#include <string>
#include <vector>

namespace markwise::test {

// A document is large (fixed arrays), so tests keep it on the heap.
inline std::unique_ptr<CMarkwiseDoc> MakeDoc() {
    return std::make_unique<CMarkwiseDoc>();
}

inline void AddStudent(CMarkwiseDoc& doc, const std::string& last, const std::string& first,
                       const std::string& id) {
    const int s = doc.m_studentCount++;
    doc.m_lastName[s] = last;
    doc.m_firstName[s] = first;
    doc.m_studentId[s] = id;
}

// Scores by student slot; MISSING_SCORE for none.
inline void AddAssignment(CMarkwiseDoc& doc, const std::string& title,
                          const std::string& description, double pointsPossible,
                          const std::vector<double>& scores) {
    CAssignment& a = doc.m_assignments[doc.m_assignmentCount++];
    a.m_title = title;
    a.m_description = description;
    a.m_pointsPossible = pointsPossible;
    for (int s = 0; s < static_cast<int>(scores.size()); ++s) {
        a.SetScore(scores[s], s);
    }
}

// nS students "Last<i>, First<i>" and nA assignments with varied scores.
inline std::unique_ptr<CMarkwiseDoc> MakeClass(int students, int assignments) {
    auto doc = MakeDoc();
    for (int s = 0; s < students; ++s) {
        AddStudent(*doc, "Last" + std::to_string(s), "First" + std::to_string(s),
                   std::to_string(1000 + s));
    }
    for (int a = 0; a < assignments; ++a) {
        std::vector<double> scores;
        for (int s = 0; s < students; ++s) {
            scores.push_back((s + a) % 7 == 0 ? MISSING_SCORE : (s * 3 + a) % 11 + 0.5);
        }
        AddAssignment(*doc, "Title " + std::to_string(a), "Description " + std::to_string(a), 10,
                      scores);
    }
    return doc;
}

} // namespace markwise::test
