#pragma once

#include "core/cutoffs.h"

namespace markwise {

class CMarkwiseDoc;

// Puts the whole grade sheet on the clipboard as tab-separated text and as an HTML table,
// so it pastes as a table into a spreadsheet or a mail.
void CopySheetToClipboard(const CMarkwiseDoc& doc, const CGradeCutoffs& cutoffs);

} // namespace markwise
