#pragma once

#include "core/markwise_doc.h"

#include <memory>
#include <string>
#include <vector>

namespace markwise::test {

// The document is large (fixed arrays), so tests hold it on the heap as the program does.
inline std::unique_ptr<CMarkwiseDoc> NewClass() {
    return std::make_unique<CMarkwiseDoc>();
}

// Adds a student in the next slot through the dialogs' own operation; grade level, book
// and phone are "G<slot>", "B<slot>" and "555-<slot>". Returns the slot.
inline int AddStudent(CMarkwiseDoc& doc, const std::string& last, const std::string& first = "Pat",
                      const std::string& id = "") {
    const std::string slot = std::to_string(doc.m_studentCount);
    doc.AddStudent({first, last, id, "B" + slot, "555-" + slot, "G" + slot});
    return doc.m_studentCount - 1;
}

// A new assignment ("T<index>" unless titled) with one score per student in slot order;
// MISSING_SCORE for none.
inline CAssignment& AddAssignment(CMarkwiseDoc& doc, double points,
                                  const std::vector<double>& scores, std::string title = "",
                                  const std::string& description = "") {
    if (title.empty())
        title = "T" + std::to_string(doc.m_assignmentCount);
    doc.NewAssignment(title, description, points);
    CAssignment& a = doc.m_assignments[doc.m_assignmentCount - 1];
    for (int s = 0; s < static_cast<int>(scores.size()); ++s)
        a.SetScore(scores[s], s);
    return a;
}

// n students "Last<i>, First<i>" with IDs "ID<i>", and no assignments.
inline std::unique_ptr<CMarkwiseDoc> ClassOf(int n) {
    auto doc = NewClass();
    for (int s = 0; s < n; ++s)
        AddStudent(*doc, "Last" + std::to_string(s), "First" + std::to_string(s),
                   "ID" + std::to_string(s));
    return doc;
}

// ClassOf(students) with 10-point assignments "Title <a>" / "Description <a>" whose
// scores vary and are sometimes missing.
inline std::unique_ptr<CMarkwiseDoc> FilledClass(int students, int assignments) {
    auto doc = ClassOf(students);
    for (int a = 0; a < assignments; ++a) {
        std::vector<double> scores;
        for (int s = 0; s < students; ++s)
            scores.push_back((s + a) % 7 == 0 ? MISSING_SCORE : (s * 3 + a) % 11 + 0.5);
        AddAssignment(*doc, 10, scores, "Title " + std::to_string(a),
                      "Description " + std::to_string(a));
    }
    return doc;
}

} // namespace markwise::test
