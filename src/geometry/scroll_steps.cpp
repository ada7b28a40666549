#include "geometry/scroll_steps.h"

#include <algorithm>

namespace markwise {

ScrollSteps ScrollStepsFor(int visibleHeight, int lineHeight) {
    const int line = std::max(1, lineHeight);
    return {line, std::max(line, visibleHeight - line)};
}

} // namespace markwise
