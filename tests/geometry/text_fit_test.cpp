#include "geometry/draw_text.h"
#include "geometry/text_fit.h"

#include <gtest/gtest.h>
#include <tuple>

namespace markwise {
namespace {

// A font whose CJK characters are two cells wide and everything else 12 units.
struct FakeFont : TextMeasure {
    double Advance(char32_t cp) const override { return cp >= 0x3000 ? 20 : 12; }
};

TEST(TextFit, LatinTakesCellsWideTextTheFontAndCutsFallBetweenCharacters) {
    const FakeFont font;
    const CellMeasure cells(10, font);
    const std::tuple<const char*, double> widths[] = {{"", 0},
                                                      {"Smith", 50},
                                                      {"\u00D6zdemir", 70},
                                                      {"\u0141ukasz", 62},
                                                      {"\u738B\u82B3", 40},
                                                      {"\u2026", 10},
                                                      {"a\U0001F600", 30}};
    for (const auto& [text, width] : widths)
        EXPECT_EQ(TextWidth(text, cells), width) << text;
    EXPECT_FALSE(HasWideCharacters("Caf\u00E9 \u20AC\u2026 \u0178"));
    EXPECT_TRUE(HasWideCharacters("Nguy\u1EC5n"));
    EXPECT_TRUE(HasWideCharacters("x\xC3")); // a broken sequence shows as U+FFFD

    const std::tuple<const char*, double, const char*> cuts[] = {
        {"Smith", 50, "Smith"},                           // fits exactly
        {"Smithson", 50, "Smit\u2026"},                   // four cells and the ellipsis
        {"Ann Lee", 50, "Ann\u2026"},                     // no space before the ellipsis
        {"\u738B\u82B3\u738B", 50, "\u738B\u82B3\u2026"}, // 20 + 20 + 10
        {"\u738B\u82B3\u738B", 49, "\u738B\u2026"},
        {"\u738B", 5, "\u2026"}, // no room: the ellipsis alone
        {"\u00E9\u00E9\u00E9\u00E9\u00E9\u00E9", 30, "\u00E9\u00E9\u2026"},
    };
    for (const auto& [text, room, cut] : cuts)
        EXPECT_EQ(CutToFit(text, room, cells), cut) << text << " in " << room;

    // A line keeps at most its limit of characters, never half of one.
    std::string many;
    for (std::size_t i = 0; i < kLineTextLimit + 5; ++i)
        many += "\u738B";
    EXPECT_EQ(LineText(many).size(), 3 * kLineTextLimit);
    EXPECT_EQ(LineText("Lee, \u738B"), "Lee, \u738B");
}

} // namespace
} // namespace markwise
