#pragma once

#include "geometry/sheet_words.h"

namespace markwise {

// The grade sheet's and the histogram's own words in the installed translation; the
// English ones where there is none.
SheetWords TranslatedSheetWords();
HistogramWords TranslatedHistogramWords();

} // namespace markwise
