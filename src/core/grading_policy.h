#pragma once

#include "capacity.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace markwise {

// A class's grading policy: weighted categories of assignments, each dropping its lowest
// scores, and marks on single scores. A class without categories counts points only.
inline constexpr int kMaxCategories = 20;
inline constexpr int kMaxCategoryNameLength = 40; // code points

// A mark a score may carry. Excused counts neither as received nor as possible (the score
// holds MISSING_SCORE); missing work counts as 0 of the assignment's points (the score
// holds 0). A mark that no longer agrees with its score (a later number) means nothing.
enum class ScoreMark : std::uint8_t { None, Excused, MissingWork };
inline constexpr const char* kExcusedText = "EX";
inline constexpr const char* kMissingWorkText = "M";

// The mark a score carries: the stored mark while the score agrees with it, else None.
constexpr ScoreMark AgreeingMark(double score, ScoreMark stored) {
    const bool agrees = (stored == ScoreMark::Excused && score == MISSING_SCORE) ||
                        (stored == ScoreMark::MissingWork && score == 0.0);
    return agrees ? stored : ScoreMark::None;
}
// "EX", "M", or empty for no mark.
constexpr std::string_view MarkText(ScoreMark mark) {
    switch (mark) {
    case ScoreMark::Excused:
        return kExcusedText;
    case ScoreMark::MissingWork:
        return kMissingWorkText;
    case ScoreMark::None:
        break;
    }
    return {};
}

struct GradeCategory {
    std::string name;
    double weight = 0.0;
    int dropLowest = 0;
    bool operator==(const GradeCategory&) const = default;
};

struct GradingPolicy {
    std::vector<GradeCategory> categories;
    bool operator==(const GradingPolicy&) const = default;
};

} // namespace markwise
