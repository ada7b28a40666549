#include "number_text.h"

#include "capacity.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string_view>

namespace markwise {

namespace {

constexpr double kPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                   1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                   1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// The significant digits of value rounded to `precision` of them, trailing zeros dropped,
// and the decimal exponent of the first; false when this quick way cannot be sure, and
// to_chars' exact (much slower) rounding must decide.
bool RoundedDigits(double value, int precision, char (&digits)[24], int& count, int& exponent) {
    // The shortest text that reads back is quick to make; with at most 15 digits of
    // precision its digits are the rounded value's whenever there are no more of them
    // (it lies within half an ulp of the value, far less than half a last digit).
    char shortest[32];
    const char* end = std::to_chars(shortest, shortest + sizeof shortest, std::fabs(value),
                                    std::chars_format::scientific)
                          .ptr;
    const char* p = shortest;
    count = 0;
    for (; p < end && *p != 'e'; ++p)
        if (*p != '.')
            digits[count++] = *p;
    if (p + 2 >= end)
        return false;
    const bool negativeExponent = p[1] == '-';
    int magnitude = 0;
    for (const char* d = p + 2; d < end; ++d)
        magnitude = magnitude * 10 + (*d - '0');
    exponent = negativeExponent ? -magnitude : magnitude;
    if (count <= precision)
        return true;
    // More digits: scale by an exact power of ten so that the kept digits are the whole
    // part, and round, unless the product lies too near a half to tell.
    const int scale = precision - 1 - exponent;
    if (precision > 9 || scale > 22 || scale < -22)
        return false;
    const double scaled = scale >= 0 ? std::fabs(value) * kPowersOfTen[scale]
                                     : std::fabs(value) / kPowersOfTen[-scale];
    const double whole = std::floor(scaled);
    const double fraction = scaled - whole;
    if (std::fabs(fraction - 0.5) < 1e-6)
        return false;
    auto rounded = static_cast<long long>(whole) + (fraction > 0.5 ? 1 : 0);
    const auto top = static_cast<long long>(kPowersOfTen[precision]);
    if (rounded == top) { // 999999.5 is 1e+06
        rounded /= 10;
        ++exponent;
    }
    if (rounded < top / 10 || rounded >= top)
        return false;
    count = precision;
    for (int k = precision - 1; k >= 0; --k, rounded /= 10)
        digits[k] = static_cast<char>('0' + rounded % 10);
    while (count > 1 && digits[count - 1] == '0')
        --count;
    return true;
}

// "%.*g" from the rounded digits: fixed notation for exponents from -4 to precision - 1,
// else d.ddde+XX; no trailing zeros.
char* WriteGeneral(bool negative, const char (&digits)[24], int count, int exponent, int precision,
                   char* out) {
    if (negative)
        *out++ = '-';
    if (exponent < -4 || exponent >= precision) {
        *out++ = digits[0];
        if (count > 1) {
            *out++ = '.';
            for (int k = 1; k < count; ++k)
                *out++ = digits[k];
        }
        *out++ = 'e';
        *out++ = exponent < 0 ? '-' : '+';
        const int magnitude = exponent < 0 ? -exponent : exponent;
        if (magnitude < 10)
            *out++ = '0';
        return std::to_chars(out, out + 4, magnitude).ptr;
    }
    if (exponent < 0) {
        *out++ = '0';
        *out++ = '.';
        for (int k = exponent + 1; k < 0; ++k)
            *out++ = '0';
        for (int k = 0; k < count; ++k)
            *out++ = digits[k];
        return out;
    }
    for (int k = 0; k <= exponent; ++k)
        *out++ = k < count ? digits[k] : '0';
    if (count > exponent + 1) {
        *out++ = '.';
        for (int k = exponent + 1; k < count; ++k)
            *out++ = digits[k];
    }
    return out;
}

// std::to_chars formats as printf does in the "C" locale, whatever locale the
// program runs in; Qt sets the user's locale at start-up, which would change the
// decimal point of snprintf and strtod.
std::string FormatGeneral(double value, int precision) {
    char buffer[64];
    char digits[24];
    int count = 0, exponent = 0;
    char* end = nullptr;
    // Subnormal numbers have fewer digits of their own than the argument above needs.
    if (std::isnormal(value) && precision >= 1 && precision <= 15 &&
        RoundedDigits(value, precision, digits, count, exponent))
        end = WriteGeneral(value < 0, digits, count, exponent, precision, buffer);
    else
        end = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general,
                            precision)
                  .ptr;
    std::string text(buffer, end);
    // Class files and printouts have always shown three-digit exponents (1e-005).
    const auto e = text.find('e');
    if (e != std::string::npos) {
        const std::size_t digitsAfter = text.size() - (e + 2);
        if (digitsAfter < 3)
            text.insert(e + 2, 3 - digitsAfter, '0');
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

std::optional<TypedScore> ParseTypedMarkedScore(std::string_view text) {
    std::string_view word = text;
    while (!word.empty() && IsBlank(word.front()))
        word.remove_prefix(1);
    while (!word.empty() && IsBlank(word.back()))
        word.remove_suffix(1);
    const auto is = [word](std::string_view mark) {
        return word.size() == mark.size() &&
               std::equal(word.begin(), word.end(), mark.begin(), [](char x, char y) {
                   return (x >= 'a' && x <= 'z' ? static_cast<char>(x - 'a' + 'A') : x) == y;
               });
    };
    if (is(kExcusedText))
        return TypedScore{MISSING_SCORE, ScoreMark::Excused};
    if (is(kMissingWorkText))
        return TypedScore{0.0, ScoreMark::MissingWork};
    if (const std::optional<double> score = ParseTypedScore(text))
        return TypedScore{*score, ScoreMark::None};
    return std::nullopt;
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
