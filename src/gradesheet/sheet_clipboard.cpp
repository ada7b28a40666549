#include "sheet_clipboard.h"

#include "framework/text.h"
#include "geometry/sheet_copy.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace markwise {

void CopySheetToClipboard(const CMarkwiseDoc& doc, const CGradeCutoffs& cutoffs) {
    const auto table = SheetTable(doc, cutoffs);
    auto* data = new QMimeData;
    data->setText(toQString(TableAsTabText(table)));
    data->setHtml(toQString(TableAsHtml(table)));
    QGuiApplication::clipboard()->setMimeData(data);
}

} // namespace markwise
