#include "class_edit.h"

#include "policy_edit.h"

#include <algorithm>
#include <functional>
#include <utility>

namespace markwise {

namespace {

std::size_t TextBytes(const std::string& text) {
    return text.capacity();
}

std::size_t TextBytes(const StudentFields& fields) {
    std::size_t bytes = 0;
    for (const StudentFieldColumn& c : kStudentFieldColumns)
        bytes += TextBytes(fields.*c.field);
    return bytes;
}

// The highest score entry the file carries for an assignment, clamped as the file does.
int LastEntry(const CAssignment& assignment) {
    return std::min(assignment.m_lastIndex, kMaxStudents - 1);
}

// One student slot as it stood: its texts and its entry in every assignment in use, with
// those assignments' last indexes (adding a student may raise them).
struct StudentSlot {
    StudentFields fields;
    std::vector<double> scores;
    std::vector<ScoreMark> marks;
    std::vector<int> lastIndexes;

    void Take(const CMarkwiseDoc& doc, int s) {
        fields = doc.GetStudent(s);
        const int m = doc.AssignmentsInUse();
        scores.resize(m);
        marks.resize(m);
        lastIndexes.resize(m);
        for (int a = 0; a < m; ++a) {
            scores[a] = doc.m_assignments[a].m_scores[s];
            marks[a] = doc.m_assignments[a].m_marks[s];
            lastIndexes[a] = doc.m_assignments[a].m_lastIndex;
        }
    }
    void Put(CMarkwiseDoc& doc, int s) const {
        doc.PutStudent(s, fields);
        for (std::size_t a = 0; a < scores.size(); ++a) {
            doc.m_assignments[a].m_scores[s] = scores[a];
            doc.m_assignments[a].m_marks[s] = marks[a];
            doc.m_assignments[a].m_lastIndex = lastIndexes[a];
        }
    }
    std::size_t Bytes() const {
        return TextBytes(fields) + scores.capacity() * sizeof(double) +
               marks.capacity() * sizeof(ScoreMark) + lastIndexes.capacity() * sizeof(int);
    }
};

class AddStudent : public ClassEdit {
public:
    explicit AddStudent(StudentFields fields) : m_fields(std::move(fields)) {}

    void Apply(CMarkwiseDoc& doc) override {
        m_count = doc.m_studentCount;
        m_added = doc.StudentsInUse() < kMaxStudents;
        if (m_added)
            m_old.Take(doc, doc.StudentsInUse());
        doc.AddStudent(m_fields);
    }
    void Revert(CMarkwiseDoc& doc) override {
        if (!m_added)
            return;
        m_old.Put(doc, doc.StudentsInUse() - 1);
        doc.m_studentCount = m_count;
    }
    std::size_t Bytes() const override {
        return sizeof(*this) + TextBytes(m_fields) + m_old.Bytes();
    }

private:
    StudentFields m_fields;
    StudentSlot m_old;
    int m_count = 0;
    bool m_added = false;
};

class EditStudent : public ClassEdit {
public:
    EditStudent(int student, StudentFields fields) : m_student(student), m_new(std::move(fields)) {}

    void Apply(CMarkwiseDoc& doc) override {
        m_old = doc.GetStudent(m_student);
        doc.EditStudent(m_student, m_new);
    }
    void Revert(CMarkwiseDoc& doc) override {
        if (m_student >= 0 && m_student < doc.StudentsInUse())
            doc.PutStudent(m_student, m_old);
    }
    std::size_t Bytes() const override {
        return sizeof(*this) + TextBytes(m_new) + TextBytes(m_old);
    }

private:
    int m_student;
    StudentFields m_new;
    StudentFields m_old;
};

class RemoveStudent : public ClassEdit {
public:
    explicit RemoveStudent(int student) : m_student(student) {}

    void Apply(CMarkwiseDoc& doc) override {
        m_count = doc.m_studentCount;
        m_removed = m_student >= 0 && m_student < doc.StudentsInUse();
        if (m_removed)
            m_row.Take(doc, m_student);
        doc.RemoveStudent(m_student);
    }
    void Revert(CMarkwiseDoc& doc) override {
        if (!m_removed)
            return;
        // Removing copied each following slot down one and left the last slot as it was;
        // copying them back up leaves every slot as it stood.
        const int n = doc.StudentsInUse() + 1;
        for (int i = n - 2; i >= m_student; --i) {
            for (const StudentFieldColumn& c : kStudentFieldColumns)
                (doc.*c.column)[i + 1] = (doc.*c.column)[i];
            for (int a = 0; a < doc.AssignmentsInUse(); ++a) {
                CAssignment& assignment = doc.m_assignments[a];
                assignment.m_scores[i + 1] = assignment.m_scores[i];
                assignment.m_marks[i + 1] = assignment.m_marks[i];
            }
        }
        m_row.Put(doc, m_student);
        doc.m_studentCount = m_count;
    }
    std::size_t Bytes() const override { return sizeof(*this) + m_row.Bytes(); }

private:
    int m_student;
    StudentSlot m_row;
    int m_count = 0;
    bool m_removed = false;
};

// An assignment slot's details, and a stretch of its score entries.
struct AssignmentSlot {
    std::string title;
    std::string description;
    double pointsPossible = 0.0;
    int lastIndex = 0;
    int category = 0;
    int first = 0; // the entry scores[0] belongs to
    std::vector<double> scores;
    std::vector<ScoreMark> marks;

    void Take(const CAssignment& from, int firstEntry, int lastEntry) {
        title = from.m_title;
        description = from.m_description;
        pointsPossible = from.m_pointsPossible;
        lastIndex = from.m_lastIndex;
        category = from.m_category;
        TakeScores(from, firstEntry, lastEntry);
    }
    void TakeScores(const CAssignment& from, int firstEntry, int lastEntry) {
        first = firstEntry;
        scores.clear();
        marks.clear();
        for (int s = firstEntry; s <= lastEntry; ++s) {
            scores.push_back(from.m_scores[s]);
            marks.push_back(from.m_marks[s]);
        }
    }
    void Put(CAssignment& to) const {
        to.m_title = title;
        to.m_description = description;
        to.m_pointsPossible = pointsPossible;
        to.m_lastIndex = lastIndex;
        to.m_category = category;
        PutScores(to);
    }
    void PutScores(CAssignment& to) const {
        std::copy(scores.begin(), scores.end(), to.m_scores.begin() + first);
        std::copy(marks.begin(), marks.end(), to.m_marks.begin() + first);
    }
    std::size_t Bytes() const {
        return sizeof(*this) + TextBytes(title) + TextBytes(description) +
               scores.capacity() * sizeof(double) + marks.capacity() * sizeof(ScoreMark);
    }
};

class NewAssignment : public ClassEdit {
public:
    NewAssignment(std::string title, std::string description, double points)
        : m_title(std::move(title)), m_description(std::move(description)), m_points(points) {}

    void Apply(CMarkwiseDoc& doc) override {
        m_count = doc.m_assignmentCount;
        m_slot = doc.AssignmentsInUse();
        if (m_slot < kMaxAssignments)
            m_old.Take(doc.m_assignments[m_slot], 0, doc.StudentsInUse() - 1);
        doc.NewAssignment(m_title, m_description, m_points);
    }
    void Revert(CMarkwiseDoc& doc) override {
        if (m_slot >= kMaxAssignments)
            return;
        m_old.Put(doc.m_assignments[m_slot]);
        doc.m_assignmentCount = m_count;
    }
    std::size_t Bytes() const override {
        return sizeof(*this) + TextBytes(m_title) + TextBytes(m_description) + m_old.Bytes();
    }

private:
    std::string m_title;
    std::string m_description;
    double m_points;
    AssignmentSlot m_old;
    int m_slot = 0;
    int m_count = 0;
};

class RemoveAssignment : public ClassEdit {
public:
    explicit RemoveAssignment(int assignment) : m_assignment(assignment) {}

    // Removing copies each following assignment down one slot, entries 0..its last index
    // only. Slot i then holds its old entries above that range, and slot i - 1 holds its
    // old entries up to its own last index; only the entries in between are overwritten
    // for good, so those are what is kept (for the removed slot, all it lost).
    void Apply(CMarkwiseDoc& doc) override {
        m_count = doc.m_assignmentCount;
        const int count = doc.AssignmentsInUse();
        m_lost.clear();
        if (m_assignment < 0 || m_assignment >= count) {
            doc.RemoveAssignment(m_assignment);
            return;
        }
        for (int i = m_assignment; i < count - 1; ++i) {
            const CAssignment& slot = doc.m_assignments[i];
            const int first = i == m_assignment ? 0 : std::max(0, LastEntry(slot) + 1);
            AssignmentSlot lost;
            lost.Take(slot, first, LastEntry(doc.m_assignments[i + 1]));
            m_lost.push_back(std::move(lost));
        }
        if (count - 1 == m_assignment) {
            AssignmentSlot last;
            last.Take(doc.m_assignments[m_assignment], 0, -1);
            m_lost.push_back(std::move(last));
        }
        doc.RemoveAssignment(m_assignment);
    }
    void Revert(CMarkwiseDoc& doc) override {
        if (m_lost.empty())
            return;
        const int count = doc.AssignmentsInUse() + 1;
        for (int i = count - 2; i >= m_assignment; --i) {
            CAssignment& to = doc.m_assignments[i + 1];
            const CAssignment& from = doc.m_assignments[i];
            to.m_title = from.m_title;
            to.m_description = from.m_description;
            to.m_pointsPossible = from.m_pointsPossible;
            to.m_lastIndex = from.m_lastIndex;
            to.m_category = from.m_category;
            const int entries = std::max(0, LastEntry(to) + 1);
            std::copy_n(from.m_scores.begin(), entries, to.m_scores.begin());
            std::copy_n(from.m_marks.begin(), entries, to.m_marks.begin());
            m_lost[i - m_assignment].PutScores(doc.m_assignments[i]);
        }
        m_lost.front().Put(doc.m_assignments[m_assignment]);
        doc.m_assignmentCount = m_count;
    }
    std::size_t Bytes() const override {
        std::size_t bytes = sizeof(*this) + m_lost.capacity() * sizeof(AssignmentSlot);
        for (const AssignmentSlot& slot : m_lost)
            bytes += slot.Bytes() - sizeof(AssignmentSlot);
        return bytes;
    }

private:
    int m_assignment;
    int m_count = 0;
    // For each slot from the removed one to the last but one: its details and the entries
    // removing overwrote for good.
    std::vector<AssignmentSlot> m_lost;
};

class Exclude : public ClassEdit {
public:
    explicit Exclude(int first) : m_new(first) {}

    void Apply(CMarkwiseDoc& doc) override {
        m_old = doc.m_firstIncluded;
        doc.SetFirstIncluded(m_new);
    }
    void Revert(CMarkwiseDoc& doc) override { doc.SetFirstIncluded(m_old); }
    std::size_t Bytes() const override { return sizeof(*this); }
    // The file does not hold it.
    bool MarksModified() const override { return false; }

private:
    int m_new;
    int m_old = 0;
};

// The order is worked out on the first Apply only and every Apply moves the students by
// it, so a random shuffle made again is the same shuffle.
class Reorder : public ClassEdit {
public:
    template <typename Order>
    Reorder(Order order, bool marksModified)
        : m_makeOrder(std::move(order)), m_marks(marksModified) {}

    void Apply(CMarkwiseDoc& doc) override {
        if (m_makeOrder) {
            m_order = m_makeOrder(doc);
            m_makeOrder = nullptr;
        }
        MoveStudents(doc, m_order);
    }
    void Revert(CMarkwiseDoc& doc) override { RestoreStudentOrder(doc, m_order); }
    std::size_t Bytes() const override { return sizeof(*this) + m_order.capacity() * sizeof(int); }
    bool MarksModified() const override { return m_marks; }

private:
    std::function<StudentOrder(const CMarkwiseDoc&)> m_makeOrder; // until the first Apply
    StudentOrder m_order;
    bool m_marks;
};

class SetScore : public ClassEdit {
public:
    SetScore(int assignment, int student, double score, ScoreMark mark)
        : m_assignment(assignment), m_student(student), m_new(score), m_mark(mark) {}

    void Apply(CMarkwiseDoc& doc) override {
        m_stored = doc.HoldsScore(m_assignment, m_student);
        if (m_stored) {
            m_old = doc.m_assignments[m_assignment].m_scores[m_student];
            m_oldMark = doc.m_assignments[m_assignment].m_marks[m_student];
        }
        doc.StoreMarkedScore(m_assignment, m_student, m_new, m_mark);
    }
    std::optional<Cell> ChangedCell() const override { return Cell{m_assignment, m_student}; }
    void Revert(CMarkwiseDoc& doc) override {
        if (m_stored) {
            doc.m_assignments[m_assignment].m_scores[m_student] = m_old;
            doc.m_assignments[m_assignment].m_marks[m_student] = m_oldMark;
        }
    }
    std::size_t Bytes() const override { return sizeof(*this); }

private:
    int m_assignment;
    int m_student;
    double m_new;
    ScoreMark m_mark;
    double m_old = MISSING_SCORE;
    ScoreMark m_oldMark = ScoreMark::None;
    bool m_stored = false;
};

struct Details {
    std::string title;
    std::string description;
    double pointsPossible = 0.0;

    void Take(const CAssignment& from) {
        title = from.m_title;
        description = from.m_description;
        pointsPossible = from.m_pointsPossible;
    }
    void Put(CAssignment& to) const { to.SetDetails(title, description, pointsPossible); }
    bool Same(const CAssignment& as) const {
        return as.m_title == title && as.m_description == description &&
               as.m_pointsPossible == pointsPossible;
    }
    std::size_t Bytes() const { return sizeof(*this) + TextBytes(title) + TextBytes(description); }
};

class AssignmentDetails : public ClassEdit {
public:
    AssignmentDetails(int assignment, Details details)
        : m_assignment(assignment), m_new(std::move(details)) {}

    void Apply(CMarkwiseDoc& doc) override {
        m_stored = m_assignment >= 0 && m_assignment < doc.AssignmentsInUse();
        if (!m_stored)
            return;
        m_old.Take(doc.m_assignments[m_assignment]);
        m_new.Put(doc.m_assignments[m_assignment]);
    }
    void Revert(CMarkwiseDoc& doc) override {
        if (m_stored)
            m_old.Put(doc.m_assignments[m_assignment]);
    }
    std::size_t Bytes() const override {
        return sizeof(*this) + m_new.Bytes() + m_old.Bytes() - 2 * sizeof(Details);
    }

private:
    int m_assignment;
    Details m_new;
    Details m_old;
    bool m_stored = false;
};

} // namespace

std::unique_ptr<ClassEdit> AddStudentEdit(const StudentFields& fields) {
    return std::make_unique<AddStudent>(fields);
}

std::unique_ptr<ClassEdit> EditStudentEdit(int student, const StudentFields& fields) {
    return std::make_unique<EditStudent>(student, fields);
}

std::unique_ptr<ClassEdit> RemoveStudentEdit(int student) {
    return std::make_unique<RemoveStudent>(student);
}

std::unique_ptr<ClassEdit>
NewAssignmentEdit(const std::string& title, const std::string& description, double pointsPossible) {
    return std::make_unique<NewAssignment>(title, description, pointsPossible);
}

std::unique_ptr<ClassEdit> RemoveAssignmentEdit(int assignment) {
    return std::make_unique<RemoveAssignment>(assignment);
}

std::unique_ptr<ClassEdit> ExcludeEdit(int firstIncluded) {
    return std::make_unique<Exclude>(firstIncluded);
}

std::unique_ptr<ClassEdit> SortEdit(SortKind kind, int assignment) {
    switch (kind) {
    case SortKind::Name:
        // Sorting by name leaves the modified flag alone.
        return std::make_unique<Reorder>([](const CMarkwiseDoc& doc) { return NameOrder(doc); },
                                         false);
    case SortKind::Total:
        return std::make_unique<Reorder>([](const CMarkwiseDoc& doc) { return TotalOrder(doc); },
                                         true);
    case SortKind::Assignment:
        break;
    }
    return std::make_unique<Reorder>(
        [assignment](const CMarkwiseDoc& doc) { return AssignmentOrder(doc, assignment); }, true);
}

std::unique_ptr<ClassEdit> ShuffleEdit(unsigned int seed) {
    return std::make_unique<Reorder>(
        [seed](const CMarkwiseDoc& doc) { return ShuffleOrder(doc.StudentsInUse(), seed); }, true);
}

std::unique_ptr<ClassEdit> SetScoreEdit(int assignment, int student, double score) {
    return std::make_unique<SetScore>(assignment, student, score, ScoreMark::None);
}

std::unique_ptr<ClassEdit> SetMarkedScoreEdit(int assignment, int student, double score,
                                              ScoreMark mark) {
    return std::make_unique<SetScore>(assignment, student, score, mark);
}

std::unique_ptr<ClassEdit> AssignmentDetailsEdit(int assignment, const std::string& title,
                                                 const std::string& description,
                                                 double pointsPossible) {
    return std::make_unique<AssignmentDetails>(assignment,
                                               Details{title, description, pointsPossible});
}

std::unique_ptr<ClassEdit> AssignmentStoreEdit(const CMarkwiseDoc& doc,
                                               const AssignmentStore& store) {
    const Details details{store.title, store.description, store.pointsPossible};
    const bool inUse = store.assignment >= 0 && store.assignment < doc.AssignmentsInUse();
    const bool newDetails = inUse && !details.Same(doc.m_assignments[store.assignment]);
    const bool score = store.student >= 0;
    if (score && !newDetails)
        return SetMarkedScoreEdit(store.assignment, store.student, store.score, store.mark);
    auto group = std::make_unique<EditGroup>();
    if (newDetails)
        group->Add(std::make_unique<AssignmentDetails>(store.assignment, details));
    if (score)
        group->Add(SetMarkedScoreEdit(store.assignment, store.student, store.score, store.mark));
    return group;
}

void EditGroup::Add(std::unique_ptr<ClassEdit> edit) {
    m_edits.push_back(std::move(edit));
}

std::optional<ClassEdit::Cell> EditGroup::ChangedCell() const {
    for (auto it = m_edits.rbegin(); it != m_edits.rend(); ++it) {
        if (const std::optional<Cell> cell = (*it)->ChangedCell())
            return cell;
    }
    return std::nullopt;
}

void EditGroup::Absorb(EditGroup&& later) {
    for (std::unique_ptr<ClassEdit>& edit : later.m_edits)
        m_edits.push_back(std::move(edit));
    later.m_edits.clear();
}

void EditGroup::Apply(CMarkwiseDoc& doc) {
    for (const std::unique_ptr<ClassEdit>& edit : m_edits)
        edit->Apply(doc);
}

void EditGroup::Revert(CMarkwiseDoc& doc) {
    for (auto it = m_edits.rbegin(); it != m_edits.rend(); ++it)
        (*it)->Revert(doc);
}

std::size_t EditGroup::Bytes() const {
    std::size_t bytes = sizeof(*this) + m_edits.capacity() * sizeof(std::unique_ptr<ClassEdit>);
    for (const std::unique_ptr<ClassEdit>& edit : m_edits)
        bytes += edit->Bytes();
    return bytes;
}

bool EditGroup::MarksModified() const {
    return m_edits.empty() ||
           std::any_of(m_edits.begin(), m_edits.end(), [](const std::unique_ptr<ClassEdit>& edit) {
               return edit->MarksModified();
           });
}

} // namespace markwise
