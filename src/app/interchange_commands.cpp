#include "interchange_commands.h"

#include "core/atomic_file.h"
#include "core/csv_layout.h"
#include "core/markwise_doc.h"
#include "core/merge_undo.h"
#include "core/xlsx_export.h"
#include "dialogs/import_columns_dlg.h"
#include "dialogs/import_preview_dlg.h"
#include "framework/commands.h"
#include "framework/doc_manager.h"
#include "framework/document.h"
#include "framework/file_names.h"
#include "framework/text.h"
#include "framework/ui_seam.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <array>

namespace markwise {

namespace {

enum class ExportKind { Csv, CsvWithMark, Xlsx, XlsxEveryOpenClass };

struct LayoutFilter {
    CsvLayout layout;
    ExportKind kind;
    const char* filter;
};

constexpr std::array<LayoutFilter, 6> kLayoutFilters{{
    {CsvLayout::Markwise, ExportKind::Csv,
     QT_TRANSLATE_NOOP("InterchangeCommands", "Markwise CSV, everything the class holds (*.csv)")},
    {CsvLayout::Canvas, ExportKind::Csv,
     QT_TRANSLATE_NOOP("InterchangeCommands", "Canvas grade book CSV (*.csv)")},
    {CsvLayout::Moodle, ExportKind::Csv,
     QT_TRANSLATE_NOOP("InterchangeCommands", "Moodle grade import CSV (*.csv)")},
    {CsvLayout::Markwise, ExportKind::CsvWithMark,
     QT_TRANSLATE_NOOP("InterchangeCommands",
                       "Markwise CSV for spreadsheets, UTF-8 with byte-order mark (*.csv)")},
    {CsvLayout::Markwise, ExportKind::Xlsx,
     QT_TRANSLATE_NOOP("InterchangeCommands", "Excel workbook (*.xlsx)")},
    {CsvLayout::Markwise, ExportKind::XlsxEveryOpenClass,
     QT_TRANSLATE_NOOP("InterchangeCommands",
                       "Excel workbook of every open class, one sheet each (*.xlsx)")},
}};

// "algebra" for ".../algebra.mkw", the title for a class never saved: its sheet's name.
QFileInfo ClassFileName(const CDocument& document) {
    return QFileInfo(document.path().isEmpty() ? document.title() : document.path());
}

QString Tr(const char* english) {
    return QCoreApplication::translate("InterchangeCommands", english);
}

QString CsvOpenFilter() {
    return Tr(QT_TRANSLATE_NOOP("InterchangeCommands", "CSV Files (*.csv);;All Files (*)"));
}

// What the user picked in the save dialog; the first when the filter is unknown.
const LayoutFilter& ChosenFilter(const QString& filter) {
    for (const LayoutFilter& entry : kLayoutFilters)
        if (filter == Tr(entry.filter))
            return entry;
    return kLayoutFilters.front();
}

// "scores.csv: Line 14, column ...": the file first, then where in it and what to do.
QString FileMessage(const QString& path, const Message& error) {
    QString text = translated(error);
    if (!text.isEmpty())
        text[0] = text[0].toUpper();
    return QStringLiteral("%1: %2").arg(QFileInfo(path).fileName(), text);
}

bool AskColumns(QWidget* parent, const CsvSheet& sheet, const CMarkwiseDoc* doc,
                const MergePlan* plan, const QString& fileName,
                std::vector<CsvColumnChoice>& choices, std::vector<int>& targets) {
    CImportColumnsDlg dialog(sheet, doc, plan, fileName, parent);
    QString error;
    return dialog.exec() == QDialog::Accepted && dialog.Choices(choices, targets, error);
}

std::optional<MergeMatch> AskMatch(QWidget* parent, const CsvSheet& sheet) {
    return ChooseMergeMatch(parent, sheet);
}

bool ShowPreview(QWidget* parent, const CMarkwiseDoc& doc, const MergePlan& plan,
                 const QString& fileName) {
    CImportPreviewDlg preview(doc, plan, fileName, parent);
    return preview.exec() == QDialog::Accepted;
}

} // namespace

QString CsvExportFilters() {
    QStringList filters;
    for (const LayoutFilter& entry : kLayoutFilters)
        filters << Tr(entry.filter);
    return filters.join(QStringLiteral(";;"));
}

InterchangeCommands::InterchangeCommands(CDocManager& manager)
    : m_manager(manager), m_questions{AskColumns, AskMatch, ShowPreview} {
    handle(ID_FILE_CSV_IMPORT, [this] { onImport(); });
    // Export and Import Scores work on the active class.
    const auto activeClass = [this](void (InterchangeCommands::*run)(CDocument&)) {
        return [this, run] {
            if (CDocument* document = m_manager.activeDocument())
                (this->*run)(*document);
        };
    };
    const auto hasClass = [this](CommandState& state) {
        state.enabled = m_manager.activeDocument() != nullptr;
    };
    handle(ID_FILE_CSV_EXPORT, activeClass(&InterchangeCommands::onExport)).state(hasClass);
    handle(ID_FILE_CSV_IMPORT_SCORES, activeClass(&InterchangeCommands::onImportScores))
        .state(hasClass);
}

void InterchangeCommands::onExport(CDocument& document) {
    QWidget* parent = m_manager.window();
    const QFileInfo named = ClassFileName(document);
    const QString suggested =
        QFileInfo(named.dir(), named.completeBaseName() + QStringLiteral(".csv")).filePath();
    const UiSeam::SaveChoice choice =
        UiSeam::saveFileChoice(parent, Tr(QT_TRANSLATE_NOOP("InterchangeCommands", "Export")),
                               CsvExportFilters(), suggested, QStringLiteral("csv"));
    if (choice.path.isEmpty())
        return;
    const LayoutFilter& chosen = ChosenFilter(choice.filter);
    Message error;
    bool written = false;
    if (chosen.kind == ExportKind::Xlsx || chosen.kind == ExportKind::XlsxEveryOpenClass) {
        // The suggested name ends in ".csv"; a workbook is never written under it.
        QString path = choice.path;
        const QFileInfo target(path);
        if (target.suffix().compare(QStringLiteral("csv"), Qt::CaseInsensitive) == 0)
            path = QFileInfo(target.dir(), target.completeBaseName() + QStringLiteral(".xlsx"))
                       .filePath();
        // The active class's sheet comes first, then the others in the order they opened.
        std::vector<XlsxClass> sheets{{named.completeBaseName().toStdString(), &document.data()}};
        if (chosen.kind == ExportKind::XlsxEveryOpenClass) {
            for (const CDocument* other : m_manager.documents()) {
                if (other != &document)
                    sheets.push_back(
                        {ClassFileName(*other).completeBaseName().toStdString(), &other->data()});
            }
        }
        written = ExportXlsx(sheets, pathBytes(path), error);
    } else {
        const std::string csv =
            ExportCsv(document.data(), chosen.layout, chosen.kind == ExportKind::CsvWithMark);
        written = WriteFileAtomically(pathBytes(choice.path), csv.data(), csv.size(), error);
    }
    if (!written)
        UiSeam::warn(parent, translated(error));
}

CDocument* InterchangeCommands::onImport() {
    QWidget* parent = m_manager.window();
    const QString path = UiSeam::openFileName(
        parent, Tr(QT_TRANSLATE_NOOP("InterchangeCommands", "Import")), CsvOpenFilter());
    if (path.isEmpty())
        return nullptr;
    std::string bytes;
    CsvTable cells;
    CsvSheet sheet;
    Message error;
    if (!LoadCsvBytes(pathBytes(path), bytes, error) || !ReadSheetCells(bytes, cells, error) ||
        !SheetFromCells(cells, sheet, error)) {
        UiSeam::warn(parent, FileMessage(path, error));
        return nullptr;
    }
    std::vector<CsvColumnChoice> choices;
    std::vector<int> targets;
    if (!m_questions.chooseColumns(parent, sheet, nullptr, nullptr, QFileInfo(path).fileName(),
                                   choices, targets))
        return nullptr;
    if (!SheetWithChoices(cells, sheet, error, {}, choices) ||
        !(error = PointsNotGiven(sheet.assignments)).empty()) {
        UiSeam::warn(parent, FileMessage(path, error));
        return nullptr;
    }
    return m_manager.openUntitled(ClassFromSheet(sheet));
}

void InterchangeCommands::onImportScores(CDocument& document) {
    QWidget* parent = m_manager.window();
    const QString path = UiSeam::openFileName(
        parent, Tr(QT_TRANSLATE_NOOP("InterchangeCommands", "Import Scores")), CsvOpenFilter());
    if (path.isEmpty())
        return;
    const CMarkwiseDoc& doc = document.data();
    std::string bytes;
    CsvTable cells;
    CsvSheet sheet;
    Message error;
    const std::vector<std::string> titles = AssignmentTitles(doc);
    if (!LoadCsvBytes(pathBytes(path), bytes, error) || !ReadSheetCells(bytes, cells, error) ||
        !SheetFromCells(cells, sheet, error, titles)) {
        UiSeam::warn(parent, FileMessage(path, error));
        return;
    }
    const std::optional<MergeMatch> match = m_questions.chooseMatch(parent, sheet);
    if (!match)
        return;
    // The matches by title, for the columns' question; its points are asked there.
    CsvSheet proposed = sheet;
    AcceptProposedPoints(proposed.assignments);
    MergePlan plan;
    if (!PlanMerge(doc, proposed, *match, plan, error)) {
        UiSeam::warn(parent, FileMessage(path, error));
        return;
    }
    std::vector<CsvColumnChoice> choices;
    std::vector<int> targets;
    const QString fileName = QFileInfo(path).fileName();
    if (!m_questions.chooseColumns(parent, sheet, &doc, &plan, fileName, choices, targets))
        return;
    if (!SheetWithChoices(cells, sheet, error, titles, choices) ||
        !PlanMerge(doc, sheet, *match, plan, error, &targets)) {
        UiSeam::warn(parent, FileMessage(path, error));
        return;
    }
    // A file that changes nothing is still previewed, but makes no empty step to undo.
    const bool changes = !plan.added.empty() || !plan.changes.empty();
    if (m_questions.confirm(parent, doc, plan, fileName) && changes)
        ApplyScoreImport(document, plan);
}

void ApplyScoreImport(CDocument& document, const MergePlan& plan) {
    document.editor().apply(Tr(QT_TRANSLATE_NOOP("InterchangeCommands", "Import Scores")),
                            MergeEdit(plan));
}

} // namespace markwise
