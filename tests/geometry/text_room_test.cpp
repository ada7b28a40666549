#include "geometry/sheet_layout.h"
#include "geometry/text_room.h"
#include "support/class_builder.h"

#include <gtest/gtest.h>

namespace markwise {
namespace {

using test::FilledClass;

TEST(TextRoom, EachTextRunsUpToTheNextColumnOfItsLine) {
    // Two shown columns of three assignments; rows 20 pixels apart.
    const auto doc = FilledClass(1, 3);
    const DrawList texts = LayoutSheet(*doc, {0, 576, 20}, CGradeCutoffs{});
    const std::vector<int> limits = TextLimits(texts);
    ASSERT_EQ(limits.size(), texts.size());
    const auto limitAt = [&](int x, int y) {
        for (std::size_t i = 0; i < texts.size(); ++i)
            if (texts[i].x == x && texts[i].y == y)
                return limits[i];
        ADD_FAILURE() << "no text at " << x << "," << y;
        return 0;
    };
    EXPECT_EQ(limitAt(0, 20), 200);   // name: up to the first score
    EXPECT_EQ(limitAt(200, 0), 300);  // heading: up to the next heading
    EXPECT_EQ(limitAt(300, 20), 400); // last shown score: up to the totals
    EXPECT_EQ(limitAt(400, 20), 465); // received: up to the percent
    EXPECT_EQ(limitAt(465, 20), 550); // percent: up to the letter
    for (const auto& [x, y] : {std::pair{550, 20}, {400, 0}, {400, 40}, {0, 80}})
        EXPECT_EQ(limitAt(x, y), kNoTextLimit) << x << "," << y; // nothing follows

    // Hit-testing the rooms: from a text's x up to its limit, one row down from its y.
    const auto textAt = [&](int x, int y) {
        const int i = TextRoomAt(texts, limits, 20, x, y);
        return i < 0 ? DrawText{-1, -1, ""} : texts[i];
    };
    EXPECT_EQ(textAt(299, 19).x, 200);
    EXPECT_EQ(textAt(0, 20).text, doc->GetListedName(0));
    EXPECT_EQ(textAt(450, 39).x, 400);
    EXPECT_EQ(textAt(560, 20).x, -1); // the letter grade has no limit and is never cut
    EXPECT_EQ(textAt(10, 80).x, -1);  // nor are description lines
    EXPECT_EQ(textAt(199, -1).x, -1);
    EXPECT_TRUE(TextLimits({}).empty());
}

} // namespace
} // namespace markwise
