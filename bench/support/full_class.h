#pragma once

// A full class for the benchmarks: 1000 students, 200 assignments, every score entered
// (or, with missingEvery > 0, every score but those where (student + assignment) is a
// multiple of it, so summaries and undo also meet missing scores).
#include "core/markwise_doc.h"

#include <memory>
#include <random>
#include <string>

namespace markwise::bench {

inline std::unique_ptr<CMarkwiseDoc> FullClass(int missingEvery = 0) {
    static const char* const kFirst[] = {"Ann",   "Bartholomew", "Chloe",   "Dmitri", "Esperanza",
                                         "Farid", "Grace",       "Hiroshi", "Ingrid", "Jamal"};
    static const char* const kLast[] = {
        "Lee",    "Okonkwo",   "Martinez-Garcia", "Smith",   "Van Houten",
        "Nguyen", "Abernathy", "Kowalski",        "O'Brien", "Schwarzenegger"};
    std::mt19937 rng(7);
    auto doc = std::make_unique<CMarkwiseDoc>();
    doc->m_studentCount = markwise::kMaxStudents;
    doc->m_assignmentCount = markwise::kMaxAssignments;
    for (int s = 0; s < markwise::kMaxStudents; ++s) {
        doc->m_firstName[s] = kFirst[rng() % 10];
        doc->m_lastName[s] = kLast[rng() % 10];
        doc->m_studentId[s] = "S" + std::to_string(100000 + s);
        doc->m_bookNumber[s] = "BK-" + std::to_string(rng() % 9000 + 1000);
        doc->m_phone[s] = "(555) 01" + std::to_string(rng() % 90 + 10) + "-" +
                          std::to_string(rng() % 9000 + 1000);
        doc->m_gradeLevel[s] = std::to_string(rng() % 4 + 9);
    }
    for (int a = 0; a < markwise::kMaxAssignments; ++a) {
        markwise::CAssignment& record = doc->m_assignments[a];
        const double points = 10.0 * (rng() % 10 + 1);
        record.SetDetails("Quiz " + std::to_string(a + 1),
                          "Chapter " + std::to_string(a / 10 + 1) + " review questions", points);
        for (int s = 0; s < markwise::kMaxStudents; ++s) {
            const double score = double(rng() % 1000) * points / 1000.0;
            const bool missing = missingEvery > 0 && (s + a) % missingEvery == 0;
            record.SetScore(missing ? markwise::MISSING_SCORE : score, s);
        }
    }
    return doc;
}

// Gives the class a grading policy of 10 categories, each dropping its two lowest, with the
// assignments dealt round them and one score in 20 excused, one in 20 missing work.
inline void AddPolicy(CMarkwiseDoc& doc) {
    constexpr int kCategories = 10;
    for (int c = 0; c < kCategories; ++c)
        doc.m_policy.categories.push_back({"Category " + std::to_string(c + 1), 5.0 + c, 2});
    for (int a = 0; a < doc.AssignmentsInUse(); ++a) {
        doc.m_assignments[a].m_category = a % kCategories;
        for (int s = 0; s < doc.StudentsInUse(); ++s) {
            if ((s * 7 + a) % 20 == 0)
                doc.StoreMarkedScore(a, s, MISSING_SCORE, ScoreMark::Excused);
            else if ((s * 7 + a) % 20 == 1)
                doc.StoreMarkedScore(a, s, 0, ScoreMark::MissingWork);
        }
    }
}

} // namespace markwise::bench
