#include "sheet_clipboard.h"

#include "core/merge_undo.h"
#include "framework/class_editor.h"
#include "framework/document.h"
#include "framework/text.h"
#include "framework/ui_seam.h"
#include "geometry/sheet_copy.h"
#include "markwise_view.h"
#include "sheet_keyboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLocale>
#include <QMimeData>

namespace markwise {

void CopySheetToClipboard(const CMarkwiseDoc& doc, const CGradeCutoffs& cutoffs) {
    const auto table = SheetTable(doc, cutoffs);
    auto* data = new QMimeData;
    data->setText(toQString(TableAsTabText(table)));
    data->setHtml(toQString(TableAsHtml(table)));
    QGuiApplication::clipboard()->setMimeData(data);
}

namespace {

// The score changes as one step; nothing to undo when nothing changes.
void ApplyChanges(CMarkwiseView& view, const QString& name, std::vector<MergeScoreChange> changes) {
    if (changes.empty())
        return;
    MergePlan plan;
    plan.changes = std::move(changes);
    view.frameworkDocument().editor().apply(name, MergeEdit(std::move(plan)));
}

} // namespace

void CopySelection(CMarkwiseView& view) {
    const ScoreBlock block = view.keyboard().block();
    if (block.Rows() * block.Columns() <= 1) {
        CopySheetToClipboard(*view.GetDocument(), view.cutoffs());
        return;
    }
    QGuiApplication::clipboard()->setText(
        QString::fromStdString(BlockAsTabText(*view.GetDocument(), block)));
}

void PasteScores(CMarkwiseView& view) {
    const SheetCell cell = view.keyboard().cell();
    const QString text = QGuiApplication::clipboard()->text();
    const char decimalPoint = QLocale().decimalPoint() == QStringLiteral(",") ? ',' : '.';
    std::vector<MergeScoreChange> changes;
    Message error;
    if (!PlanPaste(*view.GetDocument(), cell.student, cell.column, text.toStdString(), decimalPoint,
                   changes, error)) {
        UiSeam::warn(&view, translated(error));
        return;
    }
    ApplyChanges(view, QCoreApplication::translate("Sheet", "Paste"), std::move(changes));
}

void FillDown(CMarkwiseView& view) {
    ApplyChanges(view, QCoreApplication::translate("Sheet", "Fill Down"),
                 PlanFillDown(*view.GetDocument(), view.keyboard().block()));
}

} // namespace markwise
