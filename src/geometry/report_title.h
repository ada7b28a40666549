#pragma once

#include <string>
#include <string_view>

namespace markwise {

// The title that report headings and the printed grade sheet show: the document
// title without its last four characters when it has at least four and the
// fourth-last is "." (Period3.MKW becomes Period3); any other title whole.
std::string ReportHeadingTitle(std::string_view documentTitle);

} // namespace markwise
