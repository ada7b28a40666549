#include "sort.h"

#include "encoding.h"
#include "markwise_doc.h"
#include "policy_grade.h"

#include <algorithm>
#include <cstdint>
#include <numeric>
#include <string>
#include <utility>
#include <vector>

namespace markwise {

namespace {

// Slot to[i] receives the student that was in slot from[i]. The same end state as the
// exchanges that produced the order, but each assignment's scores are moved in one
// sequential pass instead of one strided pass per exchange.
template <typename From, typename To> void Rearrange(CMarkwiseDoc& doc, int n, From from, To to) {
    std::vector<std::string> text(n);
    for (const StudentFieldColumn& c : kStudentFieldColumns) {
        auto& field = doc.*c.column;
        for (int i = 0; i < n; ++i)
            text[to(i)] = std::move(field[from(i)]);
        for (int i = 0; i < n; ++i)
            field[i] = std::move(text[i]);
    }
    std::vector<double> scores(n);
    for (int a = 0; a < doc.AssignmentsInUse(); ++a) {
        auto& column = doc.m_assignments[a].m_scores;
        for (int i = 0; i < n; ++i)
            scores[to(i)] = column[from(i)];
        std::copy(scores.begin(), scores.end(), column.begin());
    }
    std::vector<ScoreMark> marks(n);
    for (int a = 0; a < doc.AssignmentsInUse(); ++a) {
        auto& column = doc.m_assignments[a].m_marks;
        for (int i = 0; i < n; ++i)
            marks[to(i)] = column[from(i)];
        std::copy(marks.begin(), marks.end(), column.begin());
    }
}

// An order fits when it is a permutation of the slots in use; anything else is left alone.
bool Fits(const CMarkwiseDoc& doc, const StudentOrder& order) {
    const int n = static_cast<int>(order.size());
    if (n != doc.StudentsInUse())
        return false;
    std::vector<bool> seen(n, false);
    for (int slot : order) {
        if (slot < 0 || slot >= n || seen[slot])
            return false;
        seen[slot] = true;
    }
    return true;
}

// The classic selection sort: of several equal keys the one nearest the end of the
// unsorted part wins, because the test holds for equal keys. Each key is computed once
// and travels with its student through the exchanges, which are made on the keys and
// slot numbers only.
template <typename Key, typename Test>
StudentOrder SelectionOrder(std::vector<Key>& keys, Test passes) {
    const int n = static_cast<int>(keys.size());
    std::vector<int> from(n);
    std::iota(from.begin(), from.end(), 0);
    for (int i = 0; i < n; ++i) {
        int b = i;
        for (int j = i; j < n; ++j) {
            if (passes(keys[j], keys[b]))
                b = j;
        }
        std::swap(keys[i], keys[b]);
        std::swap(from[i], from[b]);
    }
    return from;
}

StudentOrder Moved(CMarkwiseDoc& doc, StudentOrder order) {
    MoveStudents(doc, order);
    return order;
}

} // namespace

void MoveStudents(CMarkwiseDoc& doc, const StudentOrder& order) {
    if (Fits(doc, order))
        Rearrange(
            doc, static_cast<int>(order.size()), [&](int i) { return order[i]; },
            [](int i) { return i; });
}

void RestoreStudentOrder(CMarkwiseDoc& doc, const StudentOrder& order) {
    if (Fits(doc, order))
        Rearrange(
            doc, static_cast<int>(order.size()), [](int i) { return i; },
            [&](int i) { return order[i]; });
}

StudentOrder NameOrder(const CMarkwiseDoc& doc) {
    const int n = doc.StudentsInUse();
    std::vector<std::string> keys(n);
    for (int s = 0; s < n; ++s)
        keys[s] = NameSortKey(doc.GetFullName(s));
    return SelectionOrder(keys, [](const std::string& key, const std::string& best) {
        return key.compare(best) <= 0;
    });
}

StudentOrder TotalOrder(const CMarkwiseDoc& doc) {
    std::vector<double> keys = ClassPercents(doc);
    return SelectionOrder(keys, [](double key, double best) { return !(key < best); });
}

StudentOrder AssignmentOrder(const CMarkwiseDoc& doc, int assignment) {
    if (assignment < 0 || assignment >= doc.AssignmentsInUse())
        return {};
    const int n = doc.StudentsInUse();
    const auto& scores = doc.m_assignments[assignment].m_scores;
    // A missing score takes part as its stored value, just below 0.
    std::vector<double> keys(scores.begin(), scores.begin() + n);
    return SelectionOrder(keys, [](double key, double best) { return !(key < best); });
}

StudentOrder ShuffleOrder(int students, unsigned int seed) {
    const int n = std::max(0, students);
    std::vector<int> from(n);
    std::iota(from.begin(), from.end(), 0);
    std::uint32_t state = seed;
    for (int i = 0; i < n; ++i) {
        state = state * 214013u + 2531011u;
        const int r = static_cast<int>((state >> 16) & 0x7fff);
        int j = static_cast<int>(r / 32767.0 * n);
        if (j == n)
            j = n - 1;
        std::swap(from[i], from[j]);
    }
    return from;
}

StudentOrder SortByName(CMarkwiseDoc& doc) {
    return Moved(doc, NameOrder(doc));
}

StudentOrder SortByTotal(CMarkwiseDoc& doc) {
    doc.SetModifiedFlag(true);
    return Moved(doc, TotalOrder(doc));
}

StudentOrder SortByAssignment(CMarkwiseDoc& doc, int assignment) {
    if (assignment < 0 || assignment >= doc.AssignmentsInUse())
        return {};
    doc.SetModifiedFlag(true);
    return Moved(doc, AssignmentOrder(doc, assignment));
}

StudentOrder ShuffleStudents(CMarkwiseDoc& doc, unsigned int seed) {
    doc.SetModifiedFlag(true);
    return Moved(doc, ShuffleOrder(doc.StudentsInUse(), seed));
}

} // namespace markwise
