#pragma once

namespace markwise {

// How far one step moves a view made of lines of equal height. Every scrolling view uses
// this rule, so Page Down never skips a line and every view scrolls alike:
// - an arrow key moves one line;
// - Page Up and Page Down move one screenful less one line, so the line cut at one edge
//   shows whole at the other edge afterwards (never less than one line);
// - one wheel notch moves one line times the desktop's wheel-scroll lines (the scroll bar
//   multiplies the line step by QApplication::wheelScrollLines itself).
struct ScrollSteps {
    int line = 1;
    int page = 1;

    bool operator==(const ScrollSteps&) const = default;
};

// visibleHeight: the height of the area that shows the lines; lineHeight: one line, both in
// the same unit. A line height below 1 (font not measured yet) counts as 1.
ScrollSteps ScrollStepsFor(int visibleHeight, int lineHeight);

} // namespace markwise
