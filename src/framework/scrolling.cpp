#include "scrolling.h"

#include "geometry/scroll_steps.h"

#include <QScrollBar>
#include <algorithm>

namespace markwise {

void SetScrollBar(QScrollBar& bar, int content, int visible, int lineHeight) {
    const ScrollSteps steps = ScrollStepsFor(visible, lineHeight);
    bar.setRange(0, std::max(0, content - visible));
    bar.setPageStep(steps.page);
    // A wheel notch moves this step times QApplication::wheelScrollLines().
    bar.setSingleStep(steps.line);
}

} // namespace markwise
