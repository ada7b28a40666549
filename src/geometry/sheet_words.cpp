#include "geometry/sheet_words.h"

namespace markwise {

const SheetWords& EnglishSheetWords() {
    static const SheetWords english;
    return english;
}

const HistogramWords& EnglishHistogramWords() {
    static const HistogramWords english;
    return english;
}

} // namespace markwise
