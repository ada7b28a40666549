#include "core/encoding.h"

#include <gtest/gtest.h>

namespace markwise {
namespace {

TEST(Encoding, EveryWindows1252ByteSurvivesARoundTrip) {
    for (int b = 0; b < 256; ++b) {
        const std::string byte(1, static_cast<char>(b));
        const std::string utf8 = Cp1252ToUtf8(byte);
        EXPECT_EQ(Utf8ToCp1252(utf8), byte) << b;
    }
    std::string all;
    for (int b = 0; b < 256; ++b) {
        all += static_cast<char>(b);
    }
    EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(all)), all);
}

TEST(Encoding, HighBlockFollowsWindows1252) {
    EXPECT_EQ(Cp1252ToUtf8("\x80"), "\u20AC");
    EXPECT_EQ(Cp1252ToUtf8("\x8A\x9F"), "\u0160\u0178");
    EXPECT_EQ(Cp1252ToUtf8("\x81\x9D"), "\u0081\u009D");
    EXPECT_EQ(Cp1252ToUtf8("caf\xE9"), "caf\u00E9");
    EXPECT_EQ(Utf8ToCp1252("\u201Cquoted\u201D \u2122"), "\x93quoted\x94 \x99");
}

TEST(Encoding, CharactersWithoutAByteAndBrokenUtf8BecomeQuestionMarks) {
    EXPECT_EQ(Utf8ToCp1252("\u4E2D\u6587"), "??");
    EXPECT_EQ(Utf8ToCp1252("a\U0001F600b"), "a?b");
    EXPECT_EQ(Utf8ToCp1252("\u0080"), "?");         // a C1 control Windows-1252 uses for the euro
    EXPECT_EQ(Utf8ToCp1252("x\xC3"), "x?");         // cut short
    EXPECT_EQ(Utf8ToCp1252("\xE2\x82 y"), "? y");   // cut short inside
    EXPECT_EQ(Utf8ToCp1252("\xC0\xAF"), "??");      // overlong
    EXPECT_EQ(Utf8ToCp1252("\xED\xA0\x80"), "???"); // encoded surrogate
    EXPECT_EQ(Utf8ToCp1252("\xF4\x90\x80\x80"), "????"); // above U+10FFFF
    EXPECT_EQ(Utf8ToCp1252("\xFF\xE9"), "??");
}

TEST(Encoding, Utf16FromFilesBecomesWindows1252) {
    const unsigned char units[] = {'A',  0,    0xE9, 0,    0xAC, 0x20, 0x3D, 0xD8, 0x00,
                                   0xDE, 0x00, 0xDE, 0x3D, 0xD8, 'z',  0,    0x3D, 0xD8};
    // A, é, €, one surrogate pair, a lone low, a lone high before 'z', a lone high at the end.
    EXPECT_EQ(Utf16LeToCp1252(units, 9), "A\xE9\x80???z?");
    EXPECT_EQ(Utf16LeToCp1252(units, 0), "");
}

} // namespace
} // namespace markwise
