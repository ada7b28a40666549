#include "geometry/report_title.h"

namespace markwise {

std::string ReportHeadingTitle(std::string_view documentTitle) {
    const size_t n = documentTitle.size();
    if (n >= 4 && documentTitle[n - 4] == '.') {
        documentTitle.remove_suffix(4);
    }
    return std::string(documentTitle);
}

} // namespace markwise
