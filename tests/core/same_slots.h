#pragma once

#include "core/markwise_doc.h"

#include <gtest/gtest.h>

namespace markwise::test {

// Every slot, in use or left over, and the counts: what undoing an edit must restore exactly.
// The modified flag is the caller's business and is left out.
inline ::testing::AssertionResult SameSlots(const CMarkwiseDoc& a, const CMarkwiseDoc& b) {
    if (a.m_studentCount != b.m_studentCount || a.m_assignmentCount != b.m_assignmentCount ||
        a.m_firstIncluded != b.m_firstIncluded)
        return ::testing::AssertionFailure() << "counts differ";
    for (const StudentFieldColumn& c : kStudentFieldColumns) {
        if (a.*c.column != b.*c.column)
            return ::testing::AssertionFailure() << "a student text column differs";
    }
    if (a.m_reservedText != b.m_reservedText)
        return ::testing::AssertionFailure() << "reserved text differs";
    if (a.m_policy != b.m_policy || a.m_unknownPolicyRecords != b.m_unknownPolicyRecords)
        return ::testing::AssertionFailure() << "the grading policy differs";
    for (int i = 0; i < kMaxAssignments; ++i) {
        const CAssignment& x = a.m_assignments[i];
        const CAssignment& y = b.m_assignments[i];
        if (x.m_title != y.m_title || x.m_description != y.m_description ||
            x.m_pointsPossible != y.m_pointsPossible || x.m_lastIndex != y.m_lastIndex ||
            x.m_scores != y.m_scores || x.m_marks != y.m_marks || x.m_category != y.m_category)
            return ::testing::AssertionFailure() << "assignment slot " << i << " differs";
    }
    return ::testing::AssertionSuccess();
}

} // namespace markwise::test
