#include "core/capacity.h"
#include "core/number_text.h"

#include <gtest/gtest.h>

namespace markwise {
namespace {

TEST(NumberText, GeneralFormWithThreeDigitExponents) {
    EXPECT_EQ(FormatG(87.5), "87.5");
    EXPECT_EQ(FormatG(100.0), "100");
    EXPECT_EQ(FormatG(200.0 / 3), "66.6667");
    EXPECT_EQ(FormatG(123456), "123456");
    EXPECT_EQ(FormatG(1234567), "1.23457e+006");
    EXPECT_EQ(FormatG(1.25e6), "1.25e+006");
    EXPECT_EQ(FormatG(0.0001), "0.0001");
    EXPECT_EQ(FormatG(0.00001), "1e-005");
    EXPECT_EQ(FormatG(-2.5e-7), "-2.5e-007");
    EXPECT_EQ(FormatG(1e100), "1e+100");
    EXPECT_EQ(FormatG(1e-300), "1e-300");
    EXPECT_EQ(FormatG(0.0), "0");
    EXPECT_EQ(FormatG(MISSING_SCORE), "-0.0001");
    EXPECT_EQ(FormatPercentG(0.5), "0.5%");
    EXPECT_EQ(FormatPercentG(1e7), "1e+007%");
}

TEST(NumberText, FifteenDigitForm) {
    EXPECT_EQ(FormatNumber15(22.0 / 3), "7.33333333333333");
    EXPECT_EQ(FormatNumber15(29.0 / 3), "9.66666666666667");
    EXPECT_EQ(FormatNumber15(10.0 / 3), "3.33333333333333");
    EXPECT_EQ(FormatNumber15(0.1), "0.1");
    EXPECT_EQ(FormatNumber15(12.75), "12.75");
    EXPECT_EQ(FormatNumber15(1e20), "1e+020");
    EXPECT_EQ(FormatNumber15(123456789012345.0), "123456789012345");
    EXPECT_EQ(FormatNumber15(1234567890123456.0), "1.23456789012346e+015");
}

TEST(NumberText, ParseNumberTakesOneNumberWithBlanksAround) {
    double v = 0;
    EXPECT_TRUE(ParseNumber(" 12.5\t", v));
    EXPECT_EQ(v, 12.5);
    EXPECT_TRUE(ParseNumber("+3", v));
    EXPECT_EQ(v, 3);
    EXPECT_TRUE(ParseNumber("-0.0001", v));
    EXPECT_EQ(v, MISSING_SCORE);
    EXPECT_TRUE(ParseNumber(".5", v));
    EXPECT_EQ(v, 0.5);
    EXPECT_TRUE(ParseNumber("5.", v));
    EXPECT_EQ(v, 5);
    EXPECT_TRUE(ParseNumber("1e3", v));
    EXPECT_EQ(v, 1000);

    v = 42;
    for (const char* bad : {"", "   ", "12abc", "abc", "1 2", "+-5", "+", "-", ".", "1e", "nan",
                            "inf", "1e999", "0x10", "1,5"}) {
        EXPECT_FALSE(ParseNumber(bad, v)) << bad;
        EXPECT_EQ(v, 42) << bad;
    }
}

} // namespace
} // namespace markwise
