#include "interchange_commands.h"

#include "core/atomic_file.h"
#include "core/csv_layout.h"
#include "core/markwise_doc.h"
#include "core/merge_undo.h"
#include "dialogs/import_preview_dlg.h"
#include "framework/commands.h"
#include "framework/doc_manager.h"
#include "framework/document.h"
#include "framework/file_names.h"
#include "framework/ui_seam.h"

#include <QDir>
#include <QFileInfo>
#include <array>

namespace markwise {

namespace {

struct LayoutFilter {
    CsvLayout layout;
    const char* filter;
};

constexpr std::array<LayoutFilter, 3> kLayoutFilters{{
    {CsvLayout::Markwise, "Markwise CSV, everything the class holds (*.csv)"},
    {CsvLayout::Canvas, "Canvas grade book CSV (*.csv)"},
    {CsvLayout::Moodle, "Moodle grade import CSV (*.csv)"},
}};

QString CsvOpenFilter() {
    return QStringLiteral("CSV Files (*.csv);;All Files (*)");
}

// The layout the user picked in the save dialog; the first when the filter is unknown.
CsvLayout LayoutOfFilter(const QString& filter) {
    for (const LayoutFilter& entry : kLayoutFilters)
        if (filter == QLatin1String(entry.filter))
            return entry.layout;
    return kLayoutFilters.front().layout;
}

// Core messages are UTF-8 sentences.
QString Message(const std::string& utf8) {
    return QString::fromStdString(utf8);
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
        filters << QLatin1String(entry.filter);
    return filters.join(QStringLiteral(";;"));
}

InterchangeCommands::InterchangeCommands(CDocManager& manager)
    : m_manager(manager), m_questions{AskMatch, ShowPreview} {
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
    const QFileInfo named(document.path().isEmpty() ? document.title() : document.path());
    const QString suggested =
        QFileInfo(named.dir(), named.completeBaseName() + QStringLiteral(".csv")).filePath();
    const UiSeam::SaveChoice choice = UiSeam::saveFileChoice(
        parent, QStringLiteral("Export"), CsvExportFilters(), suggested, QStringLiteral("csv"));
    if (choice.path.isEmpty())
        return;
    const std::string csv = ExportCsv(document.data(), LayoutOfFilter(choice.filter));
    std::string error;
    if (!WriteFileAtomically(pathBytes(choice.path), csv.data(), csv.size(), error))
        UiSeam::warn(parent, QString::fromLocal8Bit(error));
}

CDocument* InterchangeCommands::onImport() {
    QWidget* parent = m_manager.window();
    const QString path = UiSeam::openFileName(parent, QStringLiteral("Import"), CsvOpenFilter());
    if (path.isEmpty())
        return nullptr;
    CsvSheet sheet;
    std::string error;
    if (!LoadCsvSheet(pathBytes(path), sheet, error)) {
        UiSeam::warn(parent, Message(error));
        return nullptr;
    }
    return m_manager.openUntitled(ClassFromSheet(sheet));
}

void InterchangeCommands::onImportScores(CDocument& document) {
    QWidget* parent = m_manager.window();
    const QString path =
        UiSeam::openFileName(parent, QStringLiteral("Import Scores"), CsvOpenFilter());
    if (path.isEmpty())
        return;
    const CMarkwiseDoc& doc = document.data();
    CsvSheet sheet;
    std::string error;
    if (!LoadCsvSheet(pathBytes(path), sheet, error, AssignmentTitles(doc))) {
        UiSeam::warn(parent, Message(error));
        return;
    }
    const std::optional<MergeMatch> match = m_questions.chooseMatch(parent, sheet);
    if (!match)
        return;
    MergePlan plan;
    if (!PlanMerge(doc, sheet, *match, plan, error)) {
        UiSeam::warn(parent, Message(error));
        return;
    }
    // A file that changes nothing is still previewed, but makes no empty step to undo.
    const bool changes = !plan.added.empty() || !plan.changes.empty();
    if (m_questions.confirm(parent, doc, plan, QFileInfo(path).fileName()) && changes)
        ApplyScoreImport(document, plan);
}

void ApplyScoreImport(CDocument& document, const MergePlan& plan) {
    document.editor().apply(QStringLiteral("Import Scores"), MergeEdit(plan));
}

} // namespace markwise
