#pragma once

#include "core/capacity.h"

#include <algorithm>
#include <array>
#include <string>

namespace markwise {

// What a progress report window holds of its own: the students found at or below the
// cut-off (class positions, in class order), the comments of the students, the cut-off
// of the last search. The Progress Reports dialog is its only writer besides the window.
struct ProgressReportState {
    std::array<int, kMaxStudents> m_foundStudents{};
    int m_foundCount = 0;
    // The comment of the student at class position s, found now or not (a later search may
    // find them again); never saved with the class.
    std::array<std::string, kMaxStudents> m_reportComments;
    double m_cutoffPercent = 0.0;
    int m_dialogShown = 0; // 1 once the dialog has run for the window

    // m_foundCount clamped to the list's capacity.
    int FoundInUse() const { return std::clamp(m_foundCount, 0, kMaxStudents); }

    // The class position of found entry k; -1 for none.
    int FoundStudent(int k) const {
        if (k < 0 || k >= FoundInUse())
            return -1;
        const int s = m_foundStudents[static_cast<std::size_t>(k)];
        return s >= 0 && s < kMaxStudents ? s : -1;
    }
    // The comment of found entry k (empty for none).
    std::string FoundComment(int k) const {
        const int s = FoundStudent(k);
        return s < 0 ? std::string() : m_reportComments[static_cast<std::size_t>(s)];
    }
};

} // namespace markwise
