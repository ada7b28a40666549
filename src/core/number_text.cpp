#include "number_text.h"

#include "capacity.h"

#include <charconv>
#include <cmath>
#include <string_view>

namespace markwise {

namespace {

// std::to_chars formats as printf does in the "C" locale, whatever locale the
// program runs in; Qt sets the user's locale at start-up, which would change the
// decimal point of snprintf and strtod.
std::string FormatGeneral(double value, int precision) {
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, precision);
    std::string text(buffer, result.ptr);
    // Class files and printouts have always shown three-digit exponents (1e-005).
    const auto e = text.find('e');
    if (e != std::string::npos) {
        const std::size_t digits = text.size() - (e + 2);
        if (digits < 3)
            text.insert(e + 2, 3 - digits, '0');
    }
    return text;
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// What from_chars should read of a typed number: the text without surrounding blanks and
// without a plus sign, which from_chars does not take. False for an empty text and for
// "+-5", which strtod refuses too.
bool TypedNumber(std::string_view text, std::string_view& rest) {
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
        if (!text.empty() && text.front() == '-')
            return false;
    }
    rest = text;
    return !rest.empty();
}

template <typename Number, typename... Format>
bool ReadsWhole(std::string_view text, Number& value, Format... format) {
    const char* end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, value, format...);
    return result.ec == std::errc() && result.ptr == end;
}

} // namespace

std::string FormatG(double value) {
    return FormatGeneral(value, 6);
}

std::string FormatPercentG(double value) {
    return FormatGeneral(value, 6) + '%';
}

std::string FormatNumber15(double value) {
    return FormatGeneral(value, 15);
}

char* FormatShortest(double value, char* buffer) {
    return std::to_chars(buffer, buffer + kShortestBufferSize, value).ptr;
}

std::string FormatShortest(double value) {
    char buffer[kShortestBufferSize];
    return std::string(buffer, FormatShortest(value, buffer));
}

bool ParseNumber(std::string_view text, double& value) {
    std::string_view rest;
    double parsed = 0.0;
    if (!TypedNumber(text, rest) || !ReadsWhole(rest, parsed, std::chars_format::general))
        return false;
    // "inf", "nan" and overflowing texts would poison every total they enter.
    if (!std::isfinite(parsed))
        return false;
    value = parsed;
    return true;
}

std::optional<double> ParseTypedScore(std::string_view text) {
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    if (text.empty() || text == kMissingScoreText || text == "n/a")
        return MISSING_SCORE;
    double value = 0.0;
    if (!ParseNumber(text, value))
        return std::nullopt;
    return value;
}

bool ParseWholeNumber(std::string_view text, int& value) {
    std::string_view rest;
    int parsed = 0;
    if (!TypedNumber(text, rest) || !ReadsWhole(rest, parsed))
        return false;
    value = parsed;
    return true;
}

bool ParseCommandLineInteger(std::string_view text, int& value) {
    // from_chars itself refuses blanks and a plus sign.
    int parsed = 0;
    if (text.empty() || !ReadsWhole(text, parsed))
        return false;
    value = parsed;
    return true;
}

} // namespace markwise
