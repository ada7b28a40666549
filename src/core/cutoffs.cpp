#include "cutoffs.h"

namespace markwise {

namespace {

// The members in test order A+, A, A-, ... D-; the declaration order differs.
constexpr std::array<int CGradeCutoffs::*, kGradeCount - 1> kMembersInGradeOrder = {
    &CGradeCutoffs::m_cutoffAPlus, &CGradeCutoffs::m_cutoffA, &CGradeCutoffs::m_cutoffAMinus,
    &CGradeCutoffs::m_cutoffBPlus, &CGradeCutoffs::m_cutoffB, &CGradeCutoffs::m_cutoffBMinus,
    &CGradeCutoffs::m_cutoffCPlus, &CGradeCutoffs::m_cutoffC, &CGradeCutoffs::m_cutoffCMinus,
    &CGradeCutoffs::m_cutoffDPlus, &CGradeCutoffs::m_cutoffD, &CGradeCutoffs::m_cutoffDMinus};

bool IsCutoffGrade(int grade) {
    return grade >= 0 && grade < kGradeCount - 1;
}

} // namespace

int CGradeCutoffs::Get(int grade) const {
    return IsCutoffGrade(grade) ? this->*kMembersInGradeOrder[grade] : 0;
}

void CGradeCutoffs::Set(int grade, int value) {
    if (IsCutoffGrade(grade))
        this->*kMembersInGradeOrder[grade] = value;
}

std::array<int, kGradeCount - 1> CGradeCutoffs::InGradeOrder() const {
    std::array<int, kGradeCount - 1> values{};
    for (int g = 0; g < kGradeCount - 1; ++g)
        values[g] = Get(g);
    return values;
}

CGradeCutoffs CGradeCutoffs::FromGradeOrder(const std::array<int, kGradeCount - 1>& values) {
    CGradeCutoffs cutoffs;
    for (int g = 0; g < kGradeCount - 1; ++g)
        cutoffs.Set(g, values[g]);
    return cutoffs;
}

double PercentOfPossible(double received, double possible) {
    return possible == 0.0 ? 100.0 : received / possible * 100.0;
}

std::string_view LetterFromPercent(double percent, const CGradeCutoffs& cutoffs) {
    // The cutoffs need not descend: the first match in test order wins.
    for (int g = 0; g < kGradeCount - 1; ++g) {
        if (static_cast<double>(cutoffs.Get(g)) <= percent)
            return kGradeNames[g];
    }
    return kGradeNames[kGradeCount - 1];
}

} // namespace markwise
