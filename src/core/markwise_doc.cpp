#include "markwise_doc.h"

#include <algorithm>
#include <utility>

namespace markwise {

// Every slot starts empty and every score as not entered; the arrays are members, so
// construction allocates nothing beyond the object itself.
CMarkwiseDoc::CMarkwiseDoc() = default;

CMarkwiseDoc::AddResult CMarkwiseDoc::AddStudent(const StudentFields& fields) {
    if (fields.firstName.empty() && fields.lastName.empty())
        return AddResult::Ignored;
    // A full class is still marked modified: the dialog has already been accepted.
    SetModifiedFlag(true);
    const int n = StudentsInUse();
    if (n >= kMaxStudents)
        return AddResult::Full;
    PutStudent(n, fields);
    m_studentCount = n + 1;
    for (int a = 0; a < AssignmentsInUse(); ++a)
        m_assignments[a].SetScore(MISSING_SCORE, n);
    return AddResult::Added;
}

StudentFields CMarkwiseDoc::GetStudent(int s) const {
    StudentFields fields;
    if (s >= 0 && s < kMaxStudents) {
        for (const StudentFieldColumn& c : kStudentFieldColumns)
            fields.*c.field = (this->*c.column)[s];
    }
    return fields;
}

void CMarkwiseDoc::PutStudent(int s, const StudentFields& fields) {
    if (s < 0 || s >= kMaxStudents)
        return;
    for (const StudentFieldColumn& c : kStudentFieldColumns)
        (this->*c.column)[s] = fields.*c.field;
}

void CMarkwiseDoc::EditStudent(int s, const StudentFields& fields) {
    if (s < 0 || s >= StudentsInUse())
        return;
    SetModifiedFlag(true);
    PutStudent(s, fields);
}

void CMarkwiseDoc::RemoveStudent(int s) {
    const int n = StudentsInUse();
    if (s < 0 || s >= n)
        return;
    SetModifiedFlag(true);
    // Copies rather than moves: the vacated last slot keeps its old contents as a leftover.
    for (int i = s; i < n - 1; ++i) {
        for (const StudentFieldColumn& c : kStudentFieldColumns)
            (this->*c.column)[i] = (this->*c.column)[i + 1];
        for (int a = 0; a < AssignmentsInUse(); ++a) {
            m_assignments[a].m_scores[i] = m_assignments[a].m_scores[i + 1];
            m_assignments[a].m_marks[i] = m_assignments[a].m_marks[i + 1];
        }
    }
    m_studentCount = n - 1;
}

bool CMarkwiseDoc::NewAssignment(const std::string& title, const std::string& description,
                                 double pointsPossible) {
    const int a = AssignmentsInUse();
    if (a >= kMaxAssignments)
        return false;
    SetModifiedFlag(true);
    CAssignment& assignment = m_assignments[a];
    assignment.SetDetails(title, description, pointsPossible);
    assignment.m_category = 0;
    // A slot used before keeps its larger m_lastIndex and the scores above the class.
    for (int s = 0; s < StudentsInUse(); ++s) {
        assignment.SetScore(MISSING_SCORE, s);
        assignment.m_marks[s] = ScoreMark::None;
    }
    m_assignmentCount = a + 1;
    return true;
}

void CMarkwiseDoc::StoreScore(int a, int student, double score) {
    if (!HoldsScore(a, student))
        return;
    SetModifiedFlag(true);
    // Stored directly: editing a score never raises m_lastIndex.
    m_assignments[a].m_scores[student] = score;
    m_assignments[a].m_marks[student] = ScoreMark::None;
}

void CMarkwiseDoc::StoreMarkedScore(int a, int student, double score, ScoreMark mark) {
    if (!HoldsScore(a, student))
        return;
    if (mark == ScoreMark::Excused)
        score = MISSING_SCORE;
    else if (mark == ScoreMark::MissingWork)
        score = 0.0;
    StoreScore(a, student, score);
    m_assignments[a].m_marks[student] = mark;
}

ScoreMark CMarkwiseDoc::GetMark(int a, int student) const {
    if (!HoldsScore(a, student))
        return ScoreMark::None;
    const CAssignment& assignment = m_assignments[a];
    return AgreeingMark(assignment.m_scores[student], assignment.m_marks[student]);
}

bool CMarkwiseDoc::NeedsPolicyBlock() const {
    if (HasPolicy() || !m_unknownPolicyRecords.empty())
        return true;
    for (int a = 0; a < AssignmentsInUse(); ++a) {
        for (int s = 0; s < StudentsInUse(); ++s) {
            if (GetMark(a, s) != ScoreMark::None)
                return true;
        }
    }
    return false;
}

void CMarkwiseDoc::RemoveAssignment(int a) {
    const int count = AssignmentsInUse();
    if (a < 0 || a >= count)
        return;
    SetModifiedFlag(true);
    for (int i = a; i < count - 1; ++i) {
        CAssignment& to = m_assignments[i];
        const CAssignment& from = m_assignments[i + 1];
        to.m_pointsPossible = from.m_pointsPossible;
        to.m_lastIndex = from.m_lastIndex;
        to.m_description = from.m_description;
        to.m_title = from.m_title;
        to.m_category = from.m_category;
        // Only the entries the file would carry move; those above stay as leftovers.
        const int last = std::min(from.m_lastIndex, kMaxStudents - 1);
        for (int s = 0; s <= last; ++s) {
            to.m_scores[s] = from.m_scores[s];
            to.m_marks[s] = from.m_marks[s];
        }
    }
    m_assignmentCount = count - 1;
}

void CMarkwiseDoc::SwapStudents(int i, int j) {
    const int n = StudentsInUse();
    if (i < 0 || i >= n || j < 0 || j >= n)
        return;
    for (const StudentFieldColumn& c : kStudentFieldColumns)
        std::swap((this->*c.column)[i], (this->*c.column)[j]);
    for (int a = 0; a < AssignmentsInUse(); ++a) {
        std::swap(m_assignments[a].m_scores[i], m_assignments[a].m_scores[j]);
        std::swap(m_assignments[a].m_marks[i], m_assignments[a].m_marks[j]);
    }
}

std::string CMarkwiseDoc::GetListedName(int s) const {
    if (ListsNames())
        return GetFullName(s);
    return s >= 0 && s < kMaxStudents ? m_studentId[s] : std::string();
}

std::string CMarkwiseDoc::GetFullName(int s) const {
    if (s < 0 || s >= kMaxStudents)
        return {};
    return m_lastName[s] + ", " + m_firstName[s];
}

} // namespace markwise
