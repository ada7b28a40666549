#include "core/capacity.h"
#include "core/encoding.h"
#include "core/number_text.h"

#include <gtest/gtest.h>

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

TEST(Encoding, Windows1252RoundTripAndQuestionMarksForTheRest) {
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(all)), all);
    EXPECT_EQ(Cp1252ToUtf8("\x80\x8A\x9F\x81\x9D caf\xE9"),
              "\u20AC\u0160\u0178\u0081\u009D caf\u00E9");
    EXPECT_EQ(Utf8ToCp1252("\u201Cquoted\u201D \u2122"), "\x93quoted\x94 \x99");

    const std::pair<const char*, const char*> cases[] = {
        {"a\U0001F600b", "a?b"},
        {"\u0080", "?"},              // a C1 control whose byte Windows-1252 uses for the euro
        {"x\xC3", "x?"},              // cut short
        {"\xC0\xAF", "??"},           // overlong
        {"\xED\xA0\x80", "???"},      // encoded surrogate
        {"\xF4\x90\x80\x80", "????"}, // above U+10FFFF
    };
    for (const auto& [utf8, cp1252] : cases)
        EXPECT_EQ(Utf8ToCp1252(utf8), cp1252);

    // A, é, €, a surrogate pair, a lone low, a lone high before 'z', a lone high at the end.
    const unsigned char units[] = {'A',  0,    0xE9, 0,    0xAC, 0x20, 0x3D, 0xD8, 0x00,
                                   0xDE, 0x00, 0xDE, 0x3D, 0xD8, 'z',  0,    0x3D, 0xD8};
    EXPECT_EQ(Utf16LeToCp1252(units, 9), "A\xE9\x80???z?");
}

TEST(Encoding, UnstorableCharactersAreListedOnceInTheOrderTyped) {
    // Everything Windows-1252 holds, the question mark included, is storable.
    EXPECT_TRUE(UnstorableCharacters(Cp1252ToUtf8("caf\xE9 \x80 \x8C? \xFF")).empty());
    EXPECT_EQ(UnstorableCharacters("\u0141ukasz Nguy\u1EC5n \U0001F600 \u0141 \u1EC5"),
              (std::vector<std::string>{"\u0141", "\u1EC5", "\U0001F600"}));
    // A C1 control is not the euro sign its byte stands for; broken bytes show as U+FFFD.
    EXPECT_EQ(UnstorableCharacters("\u0080 x\xC3"), (std::vector<std::string>{"\u0080", "\uFFFD"}));
}

} // namespace
} // namespace markwise
