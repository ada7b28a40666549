#pragma once

#include "core/cutoffs.h"

namespace markwise {

class CMarkwiseDoc;

// Puts the whole grade sheet on the clipboard as tab-separated text and as an HTML table,
// so it pastes as a table into a spreadsheet or a mail.
void CopySheetToClipboard(const CMarkwiseDoc& doc, const CGradeCutoffs& cutoffs);

class CMarkwiseView;

// Edit > Copy: the selected block of scores when it is more than one cell (tab-separated, as
// Paste and spreadsheets read it), else the whole sheet.
void CopySelection(CMarkwiseView& view);
// Edit > Paste: the clipboard's scores from the current cell on, one step to undo; a paste
// that cannot be made whole is refused with the reason, changing nothing.
void PasteScores(CMarkwiseView& view);
// Edit > Fill Down: the block's top row copied down its columns, one step to undo.
void FillDown(CMarkwiseView& view);

} // namespace markwise
