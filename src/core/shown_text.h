#pragma once

#include <string>
#include <string_view>

namespace markwise {

// A text as the program shows it, in a message, on a terminal or in a CSV cell: control
// characters (C0, DEL and, in UTF-8, C1) become '?', so one line stays one line and no
// escape sequence reaches a terminal. A CSV cell keeps its tabs and line breaks, which
// its quotes hold.
enum class LineBreaks { Replace, Keep };
std::string ShownText(std::string_view utf8, LineBreaks breaks = LineBreaks::Replace);

} // namespace markwise
