#pragma once

namespace markwise {

// Total size of a view's scrolling area, in pixels.
struct ScrollSize {
    int width = 0;
    int height = 0;

    bool operator==(const ScrollSize&) const = default;
};

} // namespace markwise
