#pragma once

#include "capacity.h"
#include "grading_policy.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace markwise {

// "%g": six significant digits, exponent of at least three digits (1.25e+006).
std::string FormatG(double value);
// "%g%%".
std::string FormatPercentG(double value);
// The dialogs' shortest general form: up to 15 significant digits (7.33333333333333),
// exponent of at least three digits.
std::string FormatNumber15(double value);
// The shortest text that reads back to the same double, in the "C" locale and with the
// exponent as written (17.5, 0.1, -2, 1e+300): what files meant for other programs hold.
std::string FormatShortest(double value);
// The same into a buffer of at least kShortestBufferSize chars; returns the end.
inline constexpr std::size_t kShortestBufferSize = 32;
char* FormatShortest(double value, char* buffer);
// Parses a number typed in a dialog box (surrounding blanks allowed); false when it holds none.
bool ParseNumber(std::string_view text, double& value);
// What a missing score (MISSING_SCORE) reads as, on screen, on paper and in previews.
inline constexpr std::string_view kMissingScoreText = "N/A";
// A score as typed: "N/A", "n/a" or nothing (blanks aside) is a missing score, a number is
// itself, anything else nullopt.
std::optional<double> ParseTypedScore(std::string_view text);
// A typed score with its mark: as ParseTypedScore, and "EX" or "M" (any case, blanks
// around) give the mark with the score it stores (MISSING_SCORE, 0).
struct TypedScore {
    double score = MISSING_SCORE;
    ScoreMark mark = ScoreMark::None;
};
std::optional<TypedScore> ParseTypedMarkedScore(std::string_view text);
// A whole number as a dialog's box or the settings file holds it (a cutoff, a window
// position): blanks around an optional sign and digits; false for anything else, an empty
// text or a value out of int's range.
bool ParseWholeNumber(std::string_view text, int& value);
// A whole number on a command line: an optional minus sign and digits, nothing around them.
bool ParseCommandLineInteger(std::string_view text, int& value);

} // namespace markwise
