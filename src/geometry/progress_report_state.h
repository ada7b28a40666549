#pragma once

#include "core/capacity.h"

#include <algorithm>
#include <array>
#include <string>

namespace markwise {

// What a progress report window holds of its own: the students found at or below the
// cut-off (class positions, in class order), one comment per list position, the cut-off
// of the last search. The Progress Reports dialog is its only writer besides the window.
struct ProgressReportState {
    std::array<int, kMaxStudents> m_foundStudents{};
    int m_foundCount = 0;
    // Comment of list position k, not of a fixed student; never saved with the class.
    std::array<std::string, kMaxStudents> m_reportComments;
    double m_cutoffPercent = 0.0;
    int m_dialogShown = 0; // 1 once the dialog has run for the window

    // m_foundCount clamped to the list's capacity.
    int FoundInUse() const { return std::clamp(m_foundCount, 0, kMaxStudents); }
};

} // namespace markwise
