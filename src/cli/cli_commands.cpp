#include "cli_commands.h"

#include "core/atomic_file.h"
#include "core/class_file.h"
#include "core/csv_layout.h"
#include "core/csv_merge.h"
#include "core/csv_sheet.h"
#include "core/csv_write.h"
#include "core/file_bytes.h"
#include "core/markwise_doc.h"
#include "core/number_text.h"
#include "core/policy_edit.h"
#include "core/policy_ini.h"
#include "core/shown_text.h"
#include "core/sort.h"
#include "core/summary.h"
#include "core/xlsx_export.h"

namespace markwise::cli {

std::string ErrorLine(const std::string& text) {
    return "markwise-cli: " + ShownText(text) + "\n";
}

namespace {

// "algebra" for "path/to/algebra.mkw": the class's sheet name in a workbook.
std::string ClassName(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    std::string name = path.substr(slash == std::string::npos ? 0 : slash + 1);
    const std::size_t dot = name.find_last_of('.');
    return dot == std::string::npos || dot == 0 ? name : name.substr(0, dot);
}

CommandResult Failure(int status, const std::string& file, const std::string& what) {
    return {status, {}, ErrorLine(file + ": " + what)};
}

std::string AssignmentRangeText(int index, int count) {
    return "assignment " + std::to_string(index) + " is out of range (the class has " +
           std::to_string(count) + (count == 1 ? " assignment)" : " assignments)");
}

CommandResult Save(const Options& options, const CMarkwiseDoc& doc) {
    std::string error;
    if (!SaveClassFile(options.output, doc, error)) // the error names the file
        return {kExitFile, {}, ErrorLine(error)};
    return {};
}

// Columns left out, one warning line each, with the reason.
std::string Warnings(const std::string& file, const std::vector<CsvColumnChoice>& columns) {
    std::string err;
    for (const CsvColumnChoice& column : columns) {
        if (column.use == CsvColumnUse::Ignored)
            err += ErrorLine(file + ": warning: column " + QuotedForMessage(column.header) +
                             " was left out: " + English(column.reason));
    }
    return err;
}

// One student's standing, as the Student Summary dialog shows it.
CommandResult RunStudentSummary(const Options& options, const CMarkwiseDoc& doc,
                                const CGradeCutoffs& cutoffs) {
    const int s = options.student;
    const int count = doc.StudentsInUse();
    if (s >= count)
        return Failure(kExitUsage, options.file,
                       "student " + std::to_string(s) + " is out of range (the class has " +
                           std::to_string(count) + (count == 1 ? " student)" : " students)"));
    CommandResult result;
    result.out += "total=" + FormatNumber15(doc.GetTotalReceived(s)) + "\n";
    result.out += "possible=" + FormatNumber15(doc.GetTotalPossible(s)) + "\n";
    result.out += "percent=" + FormatNumber15(doc.GetPercent(s)) + "\n";
    result.out += "grade=" + doc.GetLetterGrade(s, cutoffs) + "\n";
    return result;
}

} // namespace

CommandResult RunGrades(const CMarkwiseDoc& doc, const CGradeCutoffs& cutoffs) {
    CsvWriter csv;
    for (const char* title :
         {"slot", "last", "first", "id", "received", "possible", "percent", "letter"})
        csv.Text(title);
    csv.EndRow();
    for (int s = 0; s < doc.m_studentCount; ++s) {
        csv.Number(std::to_string(s));
        csv.Text(doc.m_lastName[s]);
        csv.Text(doc.m_firstName[s]);
        csv.Text(doc.m_studentId[s]);
        csv.Number(doc.GetTotalReceivedText(s));
        csv.Number(FormatG(doc.GetTotalPossible(s)));
        csv.Number(doc.GetPercentText(s));
        csv.Text(doc.GetLetterGrade(s, cutoffs));
        csv.EndRow();
    }
    return {kExitOk, csv.Take(), {}};
}

CommandResult RunSummary(const Options& options, const CMarkwiseDoc& doc,
                         const CGradeCutoffs& cutoffs) {
    if (options.student >= 0)
        return RunStudentSummary(options, doc, cutoffs);
    // The summary dialogs close at once on a class that cannot give a summary.
    if (doc.m_assignmentCount == 0)
        return Failure(kExitUsage, options.file, "the class has no assignments");
    if (options.classSummary && doc.m_studentCount == 0)
        return Failure(kExitUsage, options.file, "the class has no students");
    if (!options.classSummary && options.assignment >= doc.m_assignmentCount)
        return Failure(kExitUsage, options.file,
                       AssignmentRangeText(options.assignment, doc.m_assignmentCount));

    const SummaryFigures figures = options.classSummary
                                       ? ClassSummary(doc, cutoffs)
                                       : AssignmentSummary(doc, options.assignment, cutoffs);
    CommandResult result;
    for (int g = 0; g < kGradeCount; ++g) {
        result.out +=
            std::string(kGradeNames[g]) + "=" + std::to_string(figures.distribution[g]) + "\n";
    }
    result.out += "average=" + FormatNumber15(figures.average) + "\n";
    result.out += "high=" + FormatNumber15(figures.high) + "\n";
    result.out += "low=" + FormatNumber15(figures.low) + "\n";
    return result;
}

CommandResult RunSort(const Options& options, CMarkwiseDoc& doc) {
    switch (options.sortKey) {
    case SortKey::Name:
        SortByName(doc);
        break;
    case SortKey::Total:
        SortByTotal(doc);
        break;
    case SortKey::Assignment:
        if (options.assignment >= doc.m_assignmentCount)
            return Failure(kExitUsage, options.file,
                           AssignmentRangeText(options.assignment, doc.m_assignmentCount));
        SortByAssignment(doc, options.assignment);
        break;
    }
    return Save(options, doc);
}

CommandResult RunResave(const Options& options, const CMarkwiseDoc& doc) {
    return Save(options, doc);
}

CommandResult RunExport(const Options& options, const CMarkwiseDoc& doc) {
    std::string error;
    if (options.xlsx) {
        std::vector<XlsxClass> sheets{{ClassName(options.file), &doc}};
        std::vector<std::unique_ptr<CMarkwiseDoc>> more;
        for (const std::string& file : options.classes) {
            more.push_back(LoadClassFile(file, error));
            if (!more.back()) // the error names the file
                return {kExitFile, {}, ErrorLine(error)};
            sheets.push_back({ClassName(file), more.back().get()});
        }
        if (!ExportXlsx(sheets, options.output, error))
            return {kExitFile, {}, ErrorLine(options.output + ": " + error)};
        return {};
    }
    std::string csv = ExportCsv(doc, options.layout, options.byteOrderMark);
    if (options.output.empty())
        return {kExitOk, std::move(csv), {}};
    if (!WriteFileAtomically(options.output, csv.data(), csv.size(), error))
        return {kExitFile, {}, ErrorLine(error)};
    return {};
}

CommandResult RunImport(const Options& options) {
    CsvSheet sheet;
    std::string error;
    if (!LoadCsvSheet(options.file, sheet, error))
        return Failure(kExitFile, options.file, error);
    // Points possible come from the file, or from the highest scores only when asked.
    if (options.pointsFromHighest)
        AcceptProposedPoints(sheet.assignments);
    if (const std::string missing = English(PointsNotGiven(sheet.assignments)); !missing.empty())
        return Failure(kExitFile, options.file, missing);
    const std::unique_ptr<CMarkwiseDoc> doc = ClassFromSheet(sheet);
    CommandResult result = Save(options, *doc);
    if (result.status == kExitOk)
        result.err = Warnings(options.file, sheet.columns);
    return result;
}

CommandResult RunMerge(const Options& options, CMarkwiseDoc& doc) {
    CsvSheet sheet;
    MergePlan plan;
    std::string error;
    if (!LoadCsvSheet(options.csvFile, sheet, error, AssignmentTitles(doc)))
        return Failure(kExitFile, options.csvFile, error);
    if (options.pointsFromHighest)
        AcceptProposedPoints(sheet.assignments);
    if (!PlanMerge(doc, sheet, options.match, plan, error))
        return Failure(kExitFile, options.csvFile, error);
    if (!options.dryRun) {
        ApplyMergePlan(doc, plan);
        CommandResult saved = Save(options, doc);
        if (saved.status != kExitOk)
            return saved;
    }
    CommandResult result{kExitOk, plan.SummaryText(), Warnings(options.csvFile, sheet.columns)};
    for (const MergeSkippedRow& row : plan.skipped)
        result.out +=
            "skipped line " + std::to_string(row.line) + ": " + ShownText(row.name) + "\n";
    return result;
}

CommandResult RunPolicy(const Options& options, CMarkwiseDoc& doc) {
    // A damaged policy is never printed or replaced as if it were none; --clear drops it.
    if (!doc.m_policyDropped.empty() && !options.clearPolicy)
        return Failure(kExitFile, options.file, English(doc.m_policyDropped));
    if (options.output.empty())
        return {kExitOk, PolicyIniText(doc), {}};
    GradingPolicy policy;
    std::vector<int> categoryOf;
    if (!options.clearPolicy) {
        std::vector<unsigned char> bytes;
        std::string error;
        constexpr std::size_t kMaxPolicyBytes = 1u << 20;
        if (!ReadFileBytes(options.policyFile, kMaxPolicyBytes, "any policy file", bytes, error))
            return Failure(kExitFile, options.policyFile, error);
        const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
        if (!ParsePolicyIni(text, doc.AssignmentsInUse(), policy, categoryOf, error))
            return Failure(kExitFile, options.policyFile, error);
    }
    PolicyEdit(std::move(policy), std::move(categoryOf))->Apply(doc);
    return Save(options, doc);
}

} // namespace markwise::cli
