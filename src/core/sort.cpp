#include "sort.h"

#include "markwise_doc.h"

#include <cstdint>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

namespace markwise {

namespace {

// The classic selection sort: of several equal keys the one nearest the end of the
// unsorted part wins, because the test holds for equal keys. Each student's key is
// computed once and travels with the student, so no key is recomputed per comparison.
template <typename Key, typename Test>
void SelectionSort(CMarkwiseDoc& doc, std::vector<Key>& keys, Test passes) {
    const int n = static_cast<int>(keys.size());
    for (int i = 0; i < n; ++i) {
        int b = i;
        for (int j = i; j < n; ++j) {
            if (passes(keys[j], keys[b]))
                b = j;
        }
        doc.SwapStudents(i, b);
        std::swap(keys[i], keys[b]);
    }
}

} // namespace

void SortByName(CMarkwiseDoc& doc) {
    const int n = doc.StudentsInUse();
    std::vector<std::string> keys(n);
    for (int s = 0; s < n; ++s)
        keys[s] = doc.m_lastName[s] + ", " + doc.m_firstName[s];
    // Byte-wise, as unsigned chars up to the first NUL: upper case sorts before lower case.
    SelectionSort(doc, keys, [](const std::string& key, const std::string& best) {
        return std::strcmp(key.c_str(), best.c_str()) <= 0;
    });
}

void SortByTotal(CMarkwiseDoc& doc) {
    doc.SetModifiedFlag(true);
    const int n = doc.StudentsInUse();
    std::vector<double> keys(n);
    for (int s = 0; s < n; ++s)
        keys[s] = doc.GetPercent(s);
    SelectionSort(doc, keys, [](double key, double best) { return !(key < best); });
}

void SortByAssignment(CMarkwiseDoc& doc, int assignment) {
    if (assignment < 0 || assignment >= doc.AssignmentsInUse())
        return;
    doc.SetModifiedFlag(true);
    const int n = doc.StudentsInUse();
    const auto& scores = doc.m_assignments[assignment].m_scores;
    // A missing score takes part as its stored value, just below 0.
    std::vector<double> keys(scores.begin(), scores.begin() + n);
    SelectionSort(doc, keys, [](double key, double best) { return !(key < best); });
}

void ShuffleStudents(CMarkwiseDoc& doc, unsigned int seed) {
    doc.SetModifiedFlag(true);
    const int n = doc.StudentsInUse();
    std::uint32_t state = seed;
    for (int i = 0; i < n; ++i) {
        state = state * 214013u + 2531011u;
        const int r = static_cast<int>((state >> 16) & 0x7fff);
        int j = static_cast<int>(r / 32767.0 * n);
        if (j == n)
            j = n - 1;
        doc.SwapStudents(i, j);
    }
}

} // namespace markwise
