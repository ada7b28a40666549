#pragma once

#include <array>
#include <string_view>

namespace markwise {

// The thirteen grade names in the order they are tested; F is below the last cutoff.
inline constexpr int kGradeCount = 13;
inline constexpr std::array<std::string_view, kGradeCount> kGradeNames = {
    "A+", "A", "A-", "B+", "B", "B-", "C+", "C", "C-", "D+", "D", "D-", "F"};

// Twelve whole-percent minimums, one per grade A+ to D-.
struct CGradeCutoffs {
    int m_cutoffA = 94;
    int m_cutoffAMinus = 90;
    int m_cutoffAPlus = 100;
    int m_cutoffB = 84;
    int m_cutoffBMinus = 80;
    int m_cutoffBPlus = 87;
    int m_cutoffC = 74;
    int m_cutoffCMinus = 70;
    int m_cutoffCPlus = 77;
    int m_cutoffD = 64;
    int m_cutoffDMinus = 60;
    int m_cutoffDPlus = 67;

    // Cutoff of grade i in test order (0 = A+ ... 11 = D-).
    int Get(int grade) const;
    void Set(int grade, int value);

    // In test order A+, A, A-, ... D-.
    std::array<int, kGradeCount - 1> InGradeOrder() const;
    static CGradeCutoffs FromGradeOrder(const std::array<int, kGradeCount - 1>& values);

    bool operator==(const CGradeCutoffs&) const = default;
};

// Points received as a percent of points possible; 100 when nothing is possible, so a
// student without counted work is not failed by it.
double PercentOfPossible(double received, double possible);

// Name of the first grade (in test order) whose cutoff is <= percent, else "F".
std::string_view LetterFromPercent(double percent, const CGradeCutoffs& cutoffs);

} // namespace markwise
