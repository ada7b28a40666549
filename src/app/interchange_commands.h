#pragma once

#include "core/csv_merge.h"
#include "framework/command_target.h"

#include <QString>
#include <functional>
#include <optional>

class QWidget;

namespace markwise {

class CDocManager;
class CDocument;

// The File menu's CSV commands: Export (the active class in one of three layouts), Import
// (a CSV file as a new untitled class) and Import Scores (into the active class, after a
// preview). A file that cannot be used shows the reason and changes nothing.
class InterchangeCommands : public CommandTarget {
public:
    // The questions Import and Import Scores ask after the file: what each column becomes
    // (and, importing scores, which assignment it goes into), how rows find their students,
    // and whether to apply what the preview shows. The program shows dialogs; tests answer.
    struct ScoreImportQuestions {
        // doc and plan are null for Import; false when cancelled.
        std::function<bool(QWidget* parent, const CsvSheet& sheet, const CMarkwiseDoc* doc,
                           const MergePlan* plan, const QString& fileName,
                           std::vector<CsvColumnChoice>& choices, std::vector<int>& targets)>
            chooseColumns;
        std::function<std::optional<MergeMatch>(QWidget* parent, const CsvSheet& sheet)>
            chooseMatch;
        std::function<bool(QWidget* parent, const CMarkwiseDoc& doc, const MergePlan& plan,
                           const QString& fileName)>
            confirm;
    };

    explicit InterchangeCommands(CDocManager& manager);

    ScoreImportQuestions& scoreImportQuestions() { return m_questions; }

    void onExport(CDocument& document);
    CDocument* onImport();
    void onImportScores(CDocument& document);

private:
    CDocManager& m_manager;
    ScoreImportQuestions m_questions;
};

// The save dialog's filters, ";;"-separated: one per layout in CsvLayout order, then the
// Markwise layout for spreadsheets (with a byte-order mark), then the Excel workbook.
QString CsvExportFilters();

// Makes the planned score import one undoable change of the class; its windows repaint.
void ApplyScoreImport(CDocument& document, const MergePlan& plan);

} // namespace markwise
