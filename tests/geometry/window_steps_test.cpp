#include "geometry/scroll_steps.h"
#include "geometry/window_place.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <vector>

namespace markwise {
namespace {

TEST(ScrollSteps, PageIsAScreenfulLessOneLineAndNeverSkipsALine) {
    EXPECT_EQ(ScrollStepsFor(400, 17), (ScrollSteps{17, 383}));
    // A window lower than two lines still moves by whole lines.
    EXPECT_EQ(ScrollStepsFor(20, 17), (ScrollSteps{17, 17}));
    EXPECT_EQ(ScrollStepsFor(0, 0), (ScrollSteps{1, 1}));

    // Paging through 1000 lines of 13 pixels in a 400-pixel window: every line is shown
    // whole on some page, and the line cut at the bottom starts the next page.
    const int line = 13;
    const int visible = 400;
    const int content = 1000 * line;
    const ScrollSteps steps = ScrollStepsFor(visible, line);
    std::vector<bool> seen(1000, false);
    for (int top = 0;; top = std::min(top + steps.page, content - visible)) {
        for (int i = 0; i < 1000; ++i)
            if (i * line >= top && (i + 1) * line <= top + visible)
                seen[i] = true;
        if (top == content - visible)
            break;
    }
    EXPECT_EQ(std::count(seen.begin(), seen.end(), false), 0);
}

TEST(WindowPlace, RememberedPlaceKeptOrMovedInsideAndFirstStartCentred) {
    const WindowRect screen{0, 0, 1280, 800};
    // First start: three quarters of the screen, centred below the title bar's room.
    EXPECT_EQ(PlaceMainWindow(std::nullopt, screen, 30), (WindowRect{160, 126, 960, 577}));
    // A place that fits is kept.
    EXPECT_EQ(PlaceMainWindow(WindowRect{100, 80, 700, 500}, screen, 30),
              (WindowRect{100, 80, 700, 500}));
    // The whole screen (a restored maximized window): the title bar comes back on screen.
    EXPECT_EQ(PlaceMainWindow(WindowRect{0, 0, 1280, 800}, screen, 30),
              (WindowRect{0, 30, 1280, 770}));
    // Left on a screen that is gone, or off the right edge: moved inside.
    EXPECT_EQ(PlaceMainWindow(WindowRect{3000, -200, 600, 400}, screen, 30),
              (WindowRect{680, 30, 600, 400}));
    // A screen with a panel on top: the title bar stays below it.
    EXPECT_EQ(PlaceMainWindow(WindowRect{10, 0, 600, 400}, WindowRect{0, 40, 1280, 760}, 30),
              (WindowRect{10, 70, 600, 400}));
    // A broken size starts afresh.
    EXPECT_EQ(PlaceMainWindow(WindowRect{10, 10, 0, 400}, screen, 30),
              PlaceMainWindow(std::nullopt, screen, 30));
}

TEST(WindowPlace, CascadeKeepsWindowsUsableAndInsideTheArea) {
    // 1000 x 600: windows of 750 x 450, 25 pixels apart, room for 150 / 25 + 1 = 7 steps.
    const std::vector<WindowRect> places = CascadePlaces(9, 1000, 600, 25);
    ASSERT_EQ(places.size(), 9u);
    EXPECT_EQ(places[0], (WindowRect{0, 0, 750, 450}));
    EXPECT_EQ(places[1], (WindowRect{25, 25, 750, 450}));
    EXPECT_EQ(places[6], (WindowRect{150, 150, 750, 450}));
    EXPECT_EQ(places[7], places[0]); // round again from the corner
    for (const WindowRect& r : places) {
        EXPECT_GE(r.width * 3, 1000 * 2);
        EXPECT_GE(r.height * 3, 600 * 2);
        EXPECT_LE(r.left + r.width, 1000);
        EXPECT_LE(r.top + r.height, 600);
    }
    // No step or no area never divides by zero.
    EXPECT_EQ(CascadePlaces(2, 0, 0, 0), (std::vector<WindowRect>(2, WindowRect{0, 0, 0, 0})));
    EXPECT_TRUE(CascadePlaces(0, 800, 600, 20).empty());
}

} // namespace
} // namespace markwise
