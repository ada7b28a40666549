#include "core/capacity.h"
#include "core/encoding.h"
#include "core/number_text.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <gtest/gtest.h>
#include <string>
#include <tuple>
#include <vector>

namespace markwise {
namespace {

TEST(NumberText, FormsWithThreeDigitExponentsAndParsing) {
    const std::pair<double, const char*> forms[] = {
        {200.0 / 3, "66.6667"}, {123456, "123456"}, {1234567, "1.23457e+006"}, {0.0001, "0.0001"},
        {-2.5e-7, "-2.5e-007"}, {1e100, "1e+100"},  {MISSING_SCORE, "-0.0001"}};
    for (const auto& [value, text] : forms)
        EXPECT_EQ(FormatG(value), text);
    EXPECT_EQ(FormatPercentG(1e7), "1e+007%");
    const std::pair<double, const char*> forms15[] = {
        {22.0 / 3, "7.33333333333333"},
        {29.0 / 3, "9.66666666666667"},
        {0.1, "0.1"},
        {123456789012345.0, "123456789012345"},
        {1234567890123456.0, "1.23456789012346e+015"}};
    for (const auto& [value, text] : forms15)
        EXPECT_EQ(FormatNumber15(value), text);

    // printf's %g and %.15g, with the exponent widened to three digits, over the numbers
    // grade books hold (quarter points, thirds, percents), ties at a half, powers of ten,
    // the ends of the double range and random bit patterns.
    const auto printfForm = [](const char* format, double value) {
        char text[64];
        std::snprintf(text, sizeof text, format, value);
        std::string out = text;
        if (const auto e = out.find('e'); e != std::string::npos && out.size() - (e + 2) < 3)
            out.insert(e + 2, 3 - (out.size() - (e + 2)), '0');
        return out;
    };
    std::vector<double> values = {0.0,
                                  -0.0,
                                  0.5,
                                  2.5,
                                  0.15,
                                  999999.5,
                                  9999995,
                                  0.00001,
                                  0.000099999995,
                                  1e15,
                                  9.999995e-5,
                                  1e22,
                                  1e23,
                                  1e-300,
                                  5e-324,
                                  1.7e308,
                                  2.2250738585072014e-308};
    for (int k = -400; k <= 4000; ++k)
        for (const double divisor : {4.0, 3.0, 7.0, 1000.0, 1e-9})
            values.push_back(k / divisor);
    std::uint64_t bits = 0x9E3779B97F4A7C15u;
    for (int k = 0; k < 20000; ++k) {
        bits ^= bits << 13, bits ^= bits >> 7, bits ^= bits << 17;
        double value = 0;
        std::memcpy(&value, &bits, sizeof value);
        if (std::isfinite(value))
            values.push_back(value);
        values.push_back(double(bits % 100000000) / double(1 + bits % 977));
    }
    for (const double value : values) {
        ASSERT_EQ(FormatG(value), printfForm("%g", value)) << value;
        ASSERT_EQ(FormatNumber15(value), printfForm("%.15g", value)) << value;
    }

    const std::pair<const char*, double> good[] = {
        {" 12.5\t", 12.5}, {"+3", 3}, {".5", 0.5}, {"1e3", 1000}};
    for (const auto& [text, expected] : good) {
        double v = 0;
        EXPECT_TRUE(ParseNumber(text, v)) << text;
        EXPECT_EQ(v, expected) << text;
    }
    double v = 42;
    for (const char* bad :
         {"", "   ", "12abc", "1 2", "+-5", ".", "1e", "nan", "inf", "1e999", "0x10", "1,5"}) {
        EXPECT_FALSE(ParseNumber(bad, v)) << bad;
        EXPECT_EQ(v, 42) << bad;
    }
}

// A score typed in place: the missing-score text in either case, or nothing, is missing.
TEST(NumberText, TypedScoresAndTheMissingScoreText) {
    EXPECT_EQ(kMissingScoreText, "N/A");
    const std::pair<const char*, double> typed[] = {{" 7.5 ", 7.5},
                                                    {"0", 0},
                                                    {"-2", -2},
                                                    {"N/A", MISSING_SCORE},
                                                    {"\tn/a ", MISSING_SCORE},
                                                    {"", MISSING_SCORE},
                                                    {"  ", MISSING_SCORE}};
    for (const auto& [text, expected] : typed)
        EXPECT_EQ(ParseTypedScore(text), std::optional<double>(expected)) << text;
    for (const char* bad : {"N/a", "n/A", "NA", "N/A 5", "ten", "nan"})
        EXPECT_EQ(ParseTypedScore(bad), std::nullopt) << bad;
}

// Boxes and the settings file take blanks and a plus sign; a command line takes neither.
TEST(NumberText, WholeNumbersOfBoxesAndOfCommandLines) {
    const std::pair<const char*, int> typed[] = {
        {" 87\t", 87}, {"+87", 87}, {"-3", -3}, {"\r\n12 ", 12}, {"2147483647", 2147483647}};
    for (const auto& [text, expected] : typed) {
        int v = 0;
        EXPECT_TRUE(ParseWholeNumber(text, v)) << text;
        EXPECT_EQ(v, expected) << text;
    }
    int v = 42;
    for (const char* bad : {"", " ", "+-5", "7.5", "1e3", "12abc", "1 2", "2147483648", "0x10"}) {
        EXPECT_FALSE(ParseWholeNumber(bad, v)) << bad;
        EXPECT_FALSE(ParseCommandLineInteger(bad, v)) << bad;
    }
    for (const char* bad : {" 7", "7 ", "+7"})
        EXPECT_FALSE(ParseCommandLineInteger(bad, v)) << bad;
    EXPECT_EQ(v, 42); // a refused text leaves the value alone
    EXPECT_TRUE(ParseCommandLineInteger("-12", v));
    EXPECT_EQ(v, -12);
}

TEST(Encoding, Windows1252AndUtf16ConversionsBothWays) {
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    std::string back;
    EXPECT_TRUE(Utf8ToCp1252(Cp1252ToUtf8(all), back));
    EXPECT_EQ(back, all);
    EXPECT_EQ(Cp1252ToUtf8("\x80\x8A\x9F\x81\x9D caf\xE9"),
              "\u20AC\u0160\u0178\u0081\u009D caf\u00E9");
    EXPECT_TRUE(Utf8ToCp1252("\u201Cquoted\u201D \u2122", back));
    EXPECT_EQ(back, "\x93quoted\x94 \x99");
    EXPECT_EQ(Cp1252Byte(U'\u20AC'), 0x80);
    EXPECT_EQ(Cp1252Byte(U'\u0080'), -1); // a C1 control whose byte the code page gives the euro
    for (const char* text : {"a\U0001F600b", "\u0141", "\u0080", "x\xC3", "\xC0\xAF",
                             "\xED\xA0\x80", "\xF4\x90\x80\x80", "\uFFFD"})
        EXPECT_FALSE(Utf8ToCp1252(text, back)) << text;

    // Characters as the user sees them; broken sequences count (and convert) as U+FFFD once.
    const std::tuple<const char*, std::size_t, std::u16string> texts[] = {
        {"", 0, u""},
        {"Nguy\u1EC5n", 6, u"Nguy\u1EC5n"},
        {"\u738B\u82B3", 2, u"\u738B\u82B3"},
        {"a\U0001F600", 2, u"a\U0001F600"},
        {"x\xC3", 2, u"x\uFFFD"},
        {"\xC0\xAF", 2, u"\uFFFD\uFFFD"},
        {"\xE2\x82", 1, u"\uFFFD"},
    };
    for (const auto& [utf8, count, units] : texts) {
        EXPECT_EQ(CodePointCount(utf8), count) << utf8;
        EXPECT_EQ(Utf8ToUtf16(utf8), units) << utf8;
        EXPECT_EQ(IsValidUtf8(utf8), units.find(u'\uFFFD') == std::u16string::npos) << utf8;
    }
    EXPECT_EQ(Utf8Prefix("\u738Bx\U0001F600y", 3), 8u);
    EXPECT_EQ(Utf8Prefix("abc", 5), 3u);

    // A, e acute, euro, a surrogate pair; then the unpaired surrogates that are refused.
    const unsigned char units[] = {'A', 0, 0xE9, 0, 0xAC, 0x20, 0x3D, 0xD8, 0x00, 0xDE};
    std::string utf8;
    EXPECT_TRUE(Utf16LeToUtf8(units, 5, utf8));
    EXPECT_EQ(utf8, "A\u00E9\u20AC\U0001F600");
    EXPECT_FALSE(Utf16LeToUtf8(units, 4, utf8)); // the high half at the end
    EXPECT_FALSE(Utf16LeToUtf8(units + 8, 1, utf8));
    const unsigned char swapped[] = {0x00, 0xDE, 0x3D, 0xD8};
    EXPECT_FALSE(Utf16LeToUtf8(swapped, 2, utf8));
}

} // namespace
} // namespace markwise
