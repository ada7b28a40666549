#include "number_text.h"

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

bool ParseNumber(const std::string& text, double& value) {
    std::string_view rest(text);
    while (!rest.empty() && IsBlank(rest.front()))
        rest.remove_prefix(1);
    while (!rest.empty() && IsBlank(rest.back()))
        rest.remove_suffix(1);
    // from_chars takes no leading plus sign; strtod does, but not "+-5".
    if (!rest.empty() && rest.front() == '+') {
        rest.remove_prefix(1);
        if (!rest.empty() && rest.front() == '-')
            return false;
    }
    if (rest.empty())
        return false;
    double parsed = 0.0;
    const auto result =
        std::from_chars(rest.data(), rest.data() + rest.size(), parsed, std::chars_format::general);
    if (result.ec != std::errc() || result.ptr != rest.data() + rest.size())
        return false;
    // "inf", "nan" and overflowing texts would poison every total they enter.
    if (!std::isfinite(parsed))
        return false;
    value = parsed;
    return true;
}

} // namespace markwise
