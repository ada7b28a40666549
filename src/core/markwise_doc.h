#pragma once

#include "assignment.h"
#include "capacity.h"
#include "cutoffs.h"
#include "grading_policy.h"
#include "message.h"

#include <algorithm>
#include <array>
#include <string>
#include <vector>

namespace markwise {

// The six text fields of one student, as the student dialogs edit them.
struct StudentFields {
    std::string firstName;
    std::string lastName;
    std::string studentId;
    std::string bookNumber;
    std::string phone;
    std::string gradeLevel;
};

// One class: fixed-capacity slot arrays; the counts say which slots are in use.
// Slots beyond the counts keep leftovers, which loading and saving carry unchanged.
// Texts are UTF-8 (see encoding.h); a class file converts them as it reads and writes.
class CMarkwiseDoc {
public:
    CMarkwiseDoc();

    std::array<std::string, kMaxStudents> m_firstName;
    std::array<std::string, kMaxStudents> m_lastName;
    std::array<std::string, kMaxStudents> m_studentId;
    std::array<std::string, kMaxStudents> m_bookNumber;
    std::array<std::string, kMaxStudents> m_phone;
    std::array<std::string, kMaxStudents> m_gradeLevel;
    std::array<std::string, kMaxReserved> m_reservedText;
    std::array<CAssignment, kMaxAssignments> m_assignments;
    int m_studentCount = 0;
    int m_assignmentCount = 0;
    int m_showNames = 1;     // 1: listed by name; 0: listed by student ID
    int m_firstIncluded = 0; // first assignment that counts in totals
    GradingPolicy m_policy;  // no categories: points only
    // Records of the file's policy block this version does not know, written back as read.
    std::vector<unsigned char> m_unknownPolicyRecords;
    // Set by the reader when the file's policy block was damaged and left out: one sentence
    // for the user, who should be asked before the class is saved without it.
    Message m_policyDropped;

    bool HasPolicy() const { return !m_policy.categories.empty(); }
    // The mark of a score the class holds, when the score still agrees with it; None otherwise.
    ScoreMark GetMark(int a, int student) const;
    // Whether the file needs the policy block: categories, a mark or records to carry.
    bool NeedsPolicyBlock() const;

    // The counts clamped to the capacities: loops over slots use these, so a
    // damaged count can never index past an array.
    int StudentsInUse() const { return std::clamp(m_studentCount, 0, kMaxStudents); }
    int AssignmentsInUse() const { return std::clamp(m_assignmentCount, 0, kMaxAssignments); }

    bool IsModified() const { return m_modified; }
    void SetModifiedFlag(bool modified = true) { m_modified = modified; }

    // --- Operations of the dialogs and commands -------------------------------------
    enum class AddResult { Ignored, Added, Full };
    // Both names empty: ignored. Otherwise marks modified; Full when 1000 students exist.
    AddResult AddStudent(const StudentFields& fields);
    StudentFields GetStudent(int s) const;
    // Stores the fields in any slot, in use or not, leaving the counts and the flag alone.
    void PutStudent(int s, const StudentFields& fields);
    void EditStudent(int s, const StudentFields& fields);
    // Shifts the following students (and their scores) down one slot.
    void RemoveStudent(int s);
    // False (and no change) when 200 assignments exist.
    bool NewAssignment(const std::string& title, const std::string& description,
                       double pointsPossible);
    // Whether assignment a and the student are both in use: a score the class shows.
    bool HoldsScore(int a, int student) const {
        return a >= 0 && a < AssignmentsInUse() && student >= 0 && student < StudentsInUse();
    }
    // Stores a typed score straight into its entry (m_lastIndex unchanged); a score the
    // class does not hold changes nothing.
    // The mark is cleared: a typed number or N/A replaces any mark.
    void StoreScore(int a, int student, double score);
    // A score with its mark: Excused stores MISSING_SCORE, MissingWork stores 0, None the
    // score itself.
    void StoreMarkedScore(int a, int student, double score, ScoreMark mark);
    void RemoveAssignment(int a);
    void SetFirstIncluded(int a) { m_firstIncluded = a; }
    bool ListsNames() const { return m_showNames == 1; }
    void ToggleNames() { m_showNames = ListsNames() ? 0 : 1; }
    // Exchanges the six text fields and every assignment's score; reserved text stays.
    void SwapStudents(int i, int j);

    // "Last, First" while listing by name, else the student ID.
    std::string GetListedName(int s) const;
    // "Last, First" always (dialogs).
    std::string GetFullName(int s) const;

    // --- Grade queries over the counted assignments ---------------------------------
    // Whether assignment a is in use and counts in totals (not excluded).
    bool CountsAssignment(int a) const;
    double GetTotalReceived(int s) const;
    double GetTotalPossible(int s) const;
    double GetPercent(int s) const; // 100 when nothing is possible
    std::string GetLetterGrade(int s, const CGradeCutoffs& cutoffs) const;
    double GetClassPossible() const;

    std::string GetTotalReceivedText(int s) const;
    std::string GetPercentText(int s) const;
    std::string GetPointsPossibleText(int a) const;
    std::string GetClassPossibleText() const;

private:
    bool m_modified = false;
};

// The six text fields as columns of the class and members of StudentFields, so code that
// copies a student's texts names them once, here.
struct StudentFieldColumn {
    std::array<std::string, kMaxStudents> CMarkwiseDoc::*column;
    std::string StudentFields::*field;
};
inline constexpr std::array<StudentFieldColumn, 6> kStudentFieldColumns{{
    {&CMarkwiseDoc::m_firstName, &StudentFields::firstName},
    {&CMarkwiseDoc::m_lastName, &StudentFields::lastName},
    {&CMarkwiseDoc::m_studentId, &StudentFields::studentId},
    {&CMarkwiseDoc::m_bookNumber, &StudentFields::bookNumber},
    {&CMarkwiseDoc::m_phone, &StudentFields::phone},
    {&CMarkwiseDoc::m_gradeLevel, &StudentFields::gradeLevel},
}};

} // namespace markwise
