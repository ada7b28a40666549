#include "csv_layout.h"

#include "csv_write.h"
#include "markwise_doc.h"
#include "policy_grade.h"

#include <array>

namespace markwise {

namespace {

constexpr std::array<std::pair<std::string_view, CsvLayout>, 3> kLayoutNames = {{
    {"markwise", CsvLayout::Markwise},
    {"canvas", CsvLayout::Canvas},
    {"moodle", CsvLayout::Moodle},
}};

// Leading cells of the header and of the rows under it, before the assignments' cells.
int FixedColumns(CsvLayout layout) {
    switch (layout) {
    case CsvLayout::Markwise:
        return 6;
    case CsvLayout::Canvas:
        return 5;
    case CsvLayout::Moodle:
        return 3;
    }
    return 0;
}

void WriteHeader(CsvWriter& csv, const CMarkwiseDoc& doc, CsvLayout layout) {
    static constexpr std::array<const char*, 6> kMarkwise = {
        "Last Name", "First Name", "Student ID", "Grade Level", "Book Number", "Phone"};
    static constexpr std::array<const char*, 5> kCanvas = {"Student", "ID", "SIS User ID",
                                                           "SIS Login ID", "Section"};
    static constexpr std::array<const char*, 3> kMoodle = {"First name", "Last name", "ID number"};
    const char* const* names = layout == CsvLayout::Markwise ? kMarkwise.data()
                               : layout == CsvLayout::Canvas ? kCanvas.data()
                                                             : kMoodle.data();
    for (int c = 0; c < FixedColumns(layout); ++c)
        csv.Text(names[c]);
    for (int a = 0; a < doc.AssignmentsInUse(); ++a)
        csv.Text(doc.m_assignments[a].m_title);
    csv.EndRow();
}

// "Points Possible" or "Description", empty cells to the first assignment, then one
// cell per assignment.
template <typename CellOf>
void WriteDetailRow(CsvWriter& csv, const CMarkwiseDoc& doc, CsvLayout layout,
                    std::string_view label, CellOf cellOf) {
    csv.Text(label);
    for (int c = 1; c < FixedColumns(layout); ++c)
        csv.Empty();
    for (int a = 0; a < doc.AssignmentsInUse(); ++a)
        cellOf(doc.m_assignments[a]);
    csv.EndRow();
}

void WriteStudentFields(CsvWriter& csv, const CMarkwiseDoc& doc, int s, CsvLayout layout) {
    switch (layout) {
    case CsvLayout::Markwise:
        for (const auto* field : {&doc.m_lastName, &doc.m_firstName, &doc.m_studentId,
                                  &doc.m_gradeLevel, &doc.m_bookNumber, &doc.m_phone})
            csv.Text((*field)[s]);
        break;
    case CsvLayout::Canvas:
        csv.Text(doc.GetFullName(s));
        csv.Empty();
        csv.Text(doc.m_studentId[s]);
        csv.Empty();
        csv.Empty();
        break;
    case CsvLayout::Moodle:
        csv.Text(doc.m_firstName[s]);
        csv.Text(doc.m_lastName[s]);
        csv.Text(doc.m_studentId[s]);
        break;
    }
}

} // namespace

std::optional<CsvLayout> CsvLayoutFromName(std::string_view name) {
    for (const auto& [text, layout] : kLayoutNames) {
        if (text == name)
            return layout;
    }
    return std::nullopt;
}

std::string_view CsvLayoutName(CsvLayout layout) {
    for (const auto& [text, value] : kLayoutNames) {
        if (value == layout)
            return text;
    }
    return {};
}

std::string ExportCsv(const CMarkwiseDoc& doc, CsvLayout layout, bool byteOrderMark) {
    CsvWriter csv;
    const int assignments = doc.AssignmentsInUse();
    csv.Reserve(static_cast<std::size_t>(doc.StudentsInUse() + 3) * (assignments * 6 + 64));
    if (byteOrderMark)
        csv.ByteOrderMark();
    WriteHeader(csv, doc, layout);
    if (layout != CsvLayout::Moodle) {
        WriteDetailRow(csv, doc, layout, "Points Possible",
                       [&csv](const CAssignment& a) { csv.Number(a.m_pointsPossible); });
    }
    if (layout == CsvLayout::Markwise && doc.HasPolicy()) {
        int a = 0;
        WriteDetailRow(csv, doc, layout, "Category", [&csv, &doc, &a](const CAssignment&) {
            csv.Text(CategoryCellText(doc, a++));
        });
    }
    if (layout == CsvLayout::Markwise) {
        WriteDetailRow(csv, doc, layout, "Description",
                       [&csv](const CAssignment& a) { csv.Text(a.m_description); });
    }
    for (int s = 0; s < doc.StudentsInUse(); ++s) {
        WriteStudentFields(csv, doc, s, layout);
        for (int a = 0; a < assignments; ++a) {
            const double score = doc.m_assignments[a].m_scores[s];
            const ScoreMark mark = doc.GetMark(a, s);
            // The platforms read "EX" as excused and take missing work as the 0 it is.
            if (mark == ScoreMark::Excused ||
                (mark == ScoreMark::MissingWork && layout == CsvLayout::Markwise))
                csv.Text(MarkCellText(doc, a, s));
            else if (score == MISSING_SCORE)
                csv.Empty();
            else
                csv.Number(score);
        }
        csv.EndRow();
    }
    return csv.Take();
}

std::string_view MarkCellText(const CMarkwiseDoc& doc, int a, int student) {
    switch (doc.GetMark(a, student)) {
    case ScoreMark::Excused:
        return kExcusedText;
    case ScoreMark::MissingWork:
        return kMissingWorkText;
    default:
        return {};
    }
}

const std::string& CategoryCellText(const CMarkwiseDoc& doc, int a) {
    return doc.m_policy.categories[static_cast<std::size_t>(CategoryOf(doc, a))].name;
}

} // namespace markwise
