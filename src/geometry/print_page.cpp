#include "geometry/print_page.h"

#include <algorithm>
#include <cmath>

namespace markwise {

namespace {

// A 300-dpi pixel is 4.8 twips; pages count 4.7 to keep a small margin at the bottom.
constexpr double kTwipsPerUnit = 4.7;
// Far more lines than any page holds; keeps the double-to-int conversion defined.
constexpr double kMaxLines = 1'000'000.0;

} // namespace

int PrintableLines(const PageRequest& request) {
    if (request.lineHeight <= 0 || request.height <= 0)
        return 0;
    const double lines =
        std::trunc(static_cast<double>(request.height) * kTwipsPerUnit / request.lineHeight);
    return static_cast<int>(std::min(lines, kMaxLines));
}

PageSlice SlicePage(int itemCount, int perPage, int page) {
    PageSlice slice;
    const long long items = std::max(itemCount, 0);
    const long long rows = perPage;
    if (rows <= 0)
        return slice;
    slice.pageCount = static_cast<int>((items + rows - 1) / rows);
    if (page < 1)
        return slice;
    const long long first = (page - 1LL) * rows;
    slice.firstItem = static_cast<int>(std::min(first, items));
    slice.itemsOnPage = static_cast<int>(std::clamp(items - first, 0LL, rows));
    slice.morePages = first + rows < items;
    return slice;
}

} // namespace markwise
