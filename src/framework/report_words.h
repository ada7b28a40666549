#pragma once

#include "geometry/report_texts.h"

namespace markwise {

// The report layouts' words in the program's language, for the report windows, their paper
// and the Student Summary's category lines.
ReportTexts TranslatedReportTexts();

} // namespace markwise
