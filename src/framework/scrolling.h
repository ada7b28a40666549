#pragma once

class QScrollBar;

namespace markwise {

// Sets bar to scroll content pixels through a window visible pixels long, made of lines
// lineHeight pixels high: the range ends where the content ends, and the line, page and
// wheel steps follow ScrollStepsFor (geometry/scroll_steps.h), the one rule every
// scrolling view shares.
void SetScrollBar(QScrollBar& bar, int content, int visible, int lineHeight);

} // namespace markwise
