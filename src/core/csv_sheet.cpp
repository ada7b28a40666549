#include "csv_sheet.h"

#include "capacity.h"
#include "csv_write.h"
#include "file_bytes.h"
#include "number_text.h"

#include <algorithm>
#include <array>
#include <initializer_list>
#include <unordered_map>
#include <unordered_set>

namespace markwise {

namespace {

using Role = CsvColumnUse;

// "Last, First" (one space after the comma belongs to the separator), else "First Last".
void SplitFullName(const std::string& text, std::string& last, std::string& first) {
    const std::size_t comma = text.find(',');
    if (comma != std::string::npos) {
        last = text.substr(0, comma);
        const std::size_t start =
            comma + 1 < text.size() && text[comma + 1] == ' ' ? comma + 2 : comma + 1;
        first = text.substr(std::min(start, text.size()));
        return;
    }
    const std::size_t space = text.find_last_of(' ');
    if (space == std::string::npos) {
        last = text;
        first.clear();
        return;
    }
    first = text.substr(0, space);
    last = text.substr(space + 1);
}

class SheetReader {
public:
    SheetReader(const CsvTable& table, CsvSheet& sheet, Message& error,
                const std::vector<std::string>& scoreTitles,
                const std::vector<CsvColumnChoice>* choices)
        : m_table(table), m_sheet(sheet), m_error(error), m_choices(choices) {
        for (const std::string& title : scoreTitles) {
            m_scoreTitles.insert(CsvMatchKey(title));
            m_scoreTitles.insert(LooseTitleKey(title));
        }
    }

    bool Read() {
        m_sheet.kind = DetectCsvKind(m_table.rows[0]);
        return ReadDetailRows() && CollectStudentRows() && ChooseColumns() && ReadStudents();
    }

private:
    bool Ours() const { return m_sheet.kind == CsvKind::Markwise; }
    bool DecimalComma() const { return m_table.separator == ';'; }

    const std::string& Cell(std::size_t row, std::size_t column) const {
        static const std::string kEmpty;
        const auto& cells = m_table.rows[row];
        return column < cells.size() ? cells[column] : kEmpty;
    }

    // The program's own layouts put an apostrophe before text a spreadsheet would take
    // for a formula; exactly that apostrophe goes again.
    std::string Text(std::size_t row, std::size_t column) const {
        const std::string& cell = Cell(row, column);
        if (m_sheet.kind != CsvKind::Roster && cell.starts_with('\'') &&
            NeedsFormulaGuard(std::string_view(cell).substr(1)))
            return cell.substr(1);
        return cell;
    }

    CsvScore Score(std::size_t row, std::size_t column) const {
        const CsvScore score = ClassifyScoreCell(Cell(row, column), DecimalComma());
        if (Ours() && score.kind == CsvScoreKind::Text &&
            ParseTypedMarkedScore(Cell(row, column)).value_or(TypedScore{}).mark ==
                ScoreMark::MissingWork)
            return {CsvScoreKind::MissingWork};
        return score;
    }

    // The student rows' cells of a column, each read once however often it is asked for.
    const std::vector<CsvScore>& Scores(std::size_t column) const {
        if (m_cells.size() <= column)
            m_cells.resize(column + 1);
        std::vector<CsvScore>& cells = m_cells[column];
        if (cells.empty() && !m_rows.empty()) {
            cells.reserve(m_rows.size());
            for (const std::size_t row : m_rows)
                cells.push_back(Score(row, column));
        }
        return cells;
    }

    bool NotAScore(std::size_t row, std::size_t column) {
        m_error = {
            MessageId::CsvNotAScore,
            {m_table.Place(row, static_cast<int>(column)), QuotedForMessage(Cell(row, column))}};
        return false;
    }

    bool ReadDetailRows() {
        std::size_t row = 1;
        for (; row < m_table.rows.size(); ++row) {
            const CsvDetailRow detail = DetailRowOf(Cell(row, 0));
            if (detail == CsvDetailRow::Points && m_pointsRow == 0)
                m_pointsRow = row;
            else if (detail == CsvDetailRow::Description && m_descriptionRow == 0)
                m_descriptionRow = row;
            else if (detail == CsvDetailRow::Category && Ours() && m_categoryRow == 0)
                m_categoryRow = row; // a class with a grading policy
            else if (detail != CsvDetailRow::PlatformSetting || Ours())
                break; // a platform's "Muted" row holds no student
        }
        const std::size_t description = m_categoryRow == 0 ? 2 : 3;
        if (Ours() && (m_pointsRow != 1 || m_descriptionRow != description ||
                       (m_categoryRow != 0 && m_categoryRow != 2))) {
            m_error = {
                MessageId::CsvDetailRowsMisplaced,
                {m_table.Place(
                     m_table.rows.size() > 1 ? m_table.lines[1] : m_table.lines.back() + 1, 0),
                 std::to_string(description + 1)}};
            return false;
        }
        m_firstStudentRow = row;
        return true;
    }

    bool CollectStudentRows() {
        for (std::size_t row = m_firstStudentRow; row < m_table.rows.size(); ++row) {
            bool empty = true;
            for (const std::string& cell : m_table.rows[row])
                empty = empty && cell.empty();
            if (empty)
                continue; // a spreadsheet's trailing ",,,," rows
            if (m_rows.size() == static_cast<std::size_t>(kMaxStudents)) {
                m_error = {MessageId::CsvTooManyStudents,
                           {{MessageId::Line, {std::to_string(m_table.lines[row])}},
                            std::to_string(kMaxStudents)}};
                return false;
            }
            m_rows.push_back(row);
        }
        return true;
    }

    // The use of a column no header rule decides: scores when its cells are scores.
    CsvColumnChoice ChooseByCells(std::size_t column, const std::string& header) const {
        CsvColumnChoice choice{header, Role::Scores, {}, {}, 0.0};
        const bool known = m_scoreTitles.contains(CsvMatchKey(header)) ||
                           m_scoreTitles.contains(LooseTitleKey(header));
        if (m_pointsRow != 0) {
            const CsvScore points = Score(m_pointsRow, column);
            if (points.kind == CsvScoreKind::Points)
                choice.points = points.value;
            else if (points.kind == CsvScoreKind::Text && !Ours() && !known)
                return {header,
                        Role::Ignored,
                        {MessageId::ColumnWorkedOutByPlatform, {ShownPointsCell(column)}},
                        {},
                        0.0};
        }
        std::size_t numbers = 0;
        bool text = false;
        for (const CsvScore& score : Scores(column)) {
            if (score.kind == CsvScoreKind::Text)
                text = true;
            else if (score.kind == CsvScoreKind::Points || score.kind == CsvScoreKind::Fraction)
                ++numbers;
        }
        // A column of text is a detail such as e-mail addresses; a score column with a typo
        // in it stays scores, and reading it says where the typo is.
        if (text && !Ours() && numbers == 0 && !known)
            return {header, Role::Ignored, Message(MessageId::ColumnHoldsText), {}, 0.0};
        // An untitled, empty column in a roster is only a trailing separator.
        if (m_sheet.kind == CsvKind::Roster && header.empty() && numbers == 0)
            return {header, Role::Ignored, Message(MessageId::ColumnEmptyUntitled), {}, 0.0};
        return choice;
    }

    std::string ShownPointsCell(std::size_t column) const { return Cell(m_pointsRow, column); }

    // The highest score, or a fraction's whole; 100 when the column holds only percents.
    double ProposedPoints(std::size_t column) const {
        double proposal = 0.0;
        bool any = false;
        for (const CsvScore& score : Scores(column)) {
            const double worth = score.kind == CsvScoreKind::Points ? score.value
                                 : score.kind == CsvScoreKind::Fraction && score.outOf > 0.0
                                     ? score.outOf
                                     : 0.0;
            if (score.kind == CsvScoreKind::Points || worth > 0.0) {
                proposal = any ? std::max(proposal, worth) : worth;
                any = true;
            } else if (score.kind == CsvScoreKind::Fraction && !any) {
                proposal = 100.0;
            }
        }
        return proposal;
    }

    CsvColumnChoice Choose(std::size_t column) const {
        const std::string& header = m_table.rows[0][column];
        CsvColumnChoice choice;
        if (const auto byHeader = UseOfHeader(m_sheet.kind, column, header))
            choice = {header, byHeader->use, byHeader->reason, {}, 0.0};
        else
            choice = ChooseByCells(column, header);
        if (m_choices != nullptr && column < m_choices->size()) {
            const CsvColumnChoice& chosen = (*m_choices)[column];
            if (chosen.use != choice.use)
                choice.reason = chosen.use == Role::Ignored
                                    ? Message(MessageId::ColumnIgnoredByTeacher)
                                    : Message();
            choice.use = chosen.use;
            if (chosen.points)
                choice.points = chosen.points;
        }
        if (choice.use == Role::Scores && !choice.points) {
            if (m_pointsRow != 0 && Score(m_pointsRow, column).kind == CsvScoreKind::Points)
                choice.points = Score(m_pointsRow, column).value;
            else
                choice.points = TitleOfHeader(m_sheet.kind, header).points;
        }
        choice.proposedPoints = choice.points.value_or(ProposedPoints(column));
        return choice;
    }

    bool ChooseColumns() {
        const std::vector<std::string>& header = m_table.rows[0];
        for (std::size_t column = 0; column < header.size(); ++column) {
            m_sheet.columns.push_back(Choose(column));
            const CsvColumnChoice& choice = m_sheet.columns.back();
            if (choice.use == Role::Ignored)
                m_sheet.ignoredColumns.push_back(header[column]);
            if (choice.use != Role::Scores)
                continue;
            if (m_columns.size() == static_cast<std::size_t>(kMaxAssignments)) {
                m_error = {MessageId::CsvTooManyAssignments,
                           {m_table.Place(std::size_t{0}, static_cast<int>(column)),
                            std::to_string(kMaxAssignments)}};
                return false;
            }
            if (m_pointsRow != 0 && choice.points == std::nullopt &&
                Score(m_pointsRow, column).kind == CsvScoreKind::Text)
                return NotAScore(m_pointsRow, column);
            const std::vector<CsvScore>& cells = Scores(column);
            for (std::size_t i = 0; i < cells.size(); ++i) {
                if (cells[i].kind == CsvScoreKind::Text)
                    return NotAScore(m_rows[i], column);
            }
            m_columns.push_back(column);
            CsvAssignmentColumn assignment;
            assignment.header = Text(0, column);
            assignment.title = TitleOfHeader(m_sheet.kind, assignment.header).title;
            if (m_descriptionRow != 0)
                assignment.description = Text(m_descriptionRow, column);
            if (m_categoryRow != 0)
                assignment.category = Text(m_categoryRow, column);
            assignment.pointsGiven = choice.points.has_value();
            assignment.pointsPossible = choice.proposedPoints;
            assignment.column = static_cast<int>(column);
            m_sheet.assignments.push_back(std::move(assignment));
        }
        KeepTitlesApart();
        return true;
    }

    // A title without its decorations that another column's header or title already has
    // ("A (1)" from "A (1) (2)" beside a column "A (1)") keeps its header, so that every
    // assignment can be told apart and matched again by its header.
    void KeepTitlesApart() {
        std::unordered_map<std::string, int> uses;
        for (const CsvAssignmentColumn& a : m_sheet.assignments) {
            ++uses[CsvMatchKey(a.header)];
            if (a.title != a.header)
                ++uses[CsvMatchKey(a.title)];
        }
        for (CsvAssignmentColumn& a : m_sheet.assignments) {
            if (a.title != a.header && uses[CsvMatchKey(a.title)] > 1)
                a.title = a.header;
        }
    }

    bool ReadStudents() {
        for (const CsvColumnChoice& choice : m_sheet.columns) {
            const Role role = choice.use;
            m_sheet.hasIds = m_sheet.hasIds || role == Role::Id;
            m_sheet.hasNames =
                m_sheet.hasNames || role == Role::Last || role == Role::First || role == Role::Full;
        }
        if (!m_sheet.hasIds && !m_sheet.hasNames) {
            m_error = Message(MessageId::CsvNoNameColumn);
            return false;
        }
        m_sheet.students.reserve(m_rows.size());
        std::size_t skipped = 0; // rows before this one that were no student
        for (const std::size_t row : m_rows) {
            CsvStudentRow student;
            student.line = m_table.lines[row];
            StudentFields& f = student.fields;
            for (std::size_t column = 0; column < m_sheet.columns.size(); ++column) {
                switch (m_sheet.columns[column].use) {
                case Role::Last:
                    f.lastName = Text(row, column);
                    break;
                case Role::First:
                    f.firstName = Text(row, column);
                    break;
                case Role::Full:
                    SplitFullName(Text(row, column), f.lastName, f.firstName);
                    break;
                case Role::Id:
                    f.studentId = Text(row, column);
                    break;
                case Role::Grade:
                    f.gradeLevel = Text(row, column);
                    break;
                case Role::Book:
                    f.bookNumber = Text(row, column);
                    break;
                case Role::Phone:
                    f.phone = Text(row, column);
                    break;
                case Role::Ignored:
                case Role::Scores:
                    break;
                }
            }
            student.scores.reserve(m_columns.size());
            for (const std::size_t column : m_columns)
                student.scores.push_back(Scores(column)[m_sheet.students.size() + skipped]);
            // A row with nothing in the columns used (only an e-mail address, say) is no student.
            const bool nothing =
                f.lastName.empty() && f.firstName.empty() && f.studentId.empty() &&
                f.gradeLevel.empty() && f.bookNumber.empty() && f.phone.empty() &&
                std::all_of(student.scores.begin(), student.scores.end(),
                            [](const CsvScore& score) { return score.kind == CsvScoreKind::None; });
            if (nothing)
                ++skipped;
            else
                m_sheet.students.push_back(std::move(student));
        }
        return true;
    }

    const CsvTable& m_table;
    CsvSheet& m_sheet;
    Message& m_error;
    const std::vector<CsvColumnChoice>* m_choices;
    std::size_t m_pointsRow = 0; // 0: none (row 0 is the header)
    std::size_t m_descriptionRow = 0;
    std::size_t m_categoryRow = 0;
    std::size_t m_firstStudentRow = 1;
    std::vector<std::size_t> m_rows;    // rows holding students
    std::vector<std::size_t> m_columns; // columns holding scores
    std::unordered_set<std::string> m_scoreTitles;
    mutable std::vector<std::vector<CsvScore>> m_cells; // by column, filled as asked for
};

} // namespace

std::string CsvMatchKey(std::string_view text) {
    const std::size_t begin = text.find_first_not_of(" \t");
    if (begin == std::string_view::npos)
        return {};
    const std::size_t end = text.find_last_not_of(" \t");
    std::string key(text.substr(begin, end - begin + 1));
    for (char& c : key) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return key;
}

bool ReadSheetCells(std::string_view bytes, CsvTable& table, std::string& error) {
    return InEnglish(error,
                     [&](Message& message) { return ReadSheetCells(bytes, table, message); });
}

bool ReadSheetCells(std::string_view bytes, CsvTable& table, Message& error) {
    // Room for the header, the detail rows and a full class; rosters from other programs
    // may carry many columns besides the scores.
    return ReadCsv(bytes, table, error, kMaxStudents + 3, 4 * (kMaxAssignments + 6));
}

bool ReadCsvSheet(std::string_view bytes, CsvSheet& sheet, std::string& error,
                  const std::vector<std::string>& scoreTitles,
                  const std::vector<CsvColumnChoice>* choices) {
    return InEnglish(error, [&](Message& message) {
        return ReadCsvSheet(bytes, sheet, message, scoreTitles, choices);
    });
}

bool ReadCsvSheet(std::string_view bytes, CsvSheet& sheet, Message& error,
                  const std::vector<std::string>& scoreTitles,
                  const std::vector<CsvColumnChoice>* choices) {
    sheet = CsvSheet{};
    CsvTable table;
    return ReadSheetCells(bytes, table, error) &&
           SheetFromCells(table, sheet, error, scoreTitles, choices);
}

bool SheetFromCells(const CsvTable& table, CsvSheet& sheet, std::string& error,
                    const std::vector<std::string>& scoreTitles,
                    const std::vector<CsvColumnChoice>* choices) {
    return InEnglish(error, [&](Message& message) {
        return SheetFromCells(table, sheet, message, scoreTitles, choices);
    });
}

bool SheetFromCells(const CsvTable& table, CsvSheet& sheet, Message& error,
                    const std::vector<std::string>& scoreTitles,
                    const std::vector<CsvColumnChoice>* choices) {
    sheet = CsvSheet{};
    if (!SheetReader(table, sheet, error, scoreTitles, choices).Read()) {
        sheet = CsvSheet{};
        return false;
    }
    return true;
}

bool SheetWithChoices(const CsvTable& table, CsvSheet& sheet, Message& error,
                      const std::vector<std::string>& scoreTitles,
                      const std::vector<CsvColumnChoice>& choices) {
    const bool sameUses = choices.size() == sheet.columns.size() &&
                          std::equal(choices.begin(), choices.end(), sheet.columns.begin(),
                                     [](const CsvColumnChoice& a, const CsvColumnChoice& b) {
                                         return a.use == b.use;
                                     });
    if (!sameUses)
        return SheetFromCells(table, sheet, error, scoreTitles, &choices);
    // Points the teacher gives replace the file's or the proposal, as reading them would.
    for (CsvAssignmentColumn& assignment : sheet.assignments) {
        CsvColumnChoice& column = sheet.columns[std::size_t(assignment.column)];
        const std::optional<double>& chosen = choices[std::size_t(assignment.column)].points;
        if (!chosen)
            continue;
        column.points = chosen;
        column.proposedPoints = *chosen;
        assignment.pointsGiven = true;
        assignment.pointsPossible = *chosen;
    }
    return true;
}

bool LoadCsvBytes(const std::string& path, std::string& bytes, std::string& error) {
    return InEnglish(error, [&](Message& message) { return LoadCsvBytes(path, bytes, message); });
}

bool LoadCsvBytes(const std::string& path, std::string& bytes, Message& error) {
    // A full class with long texts stays far below this.
    constexpr std::size_t kMaxCsvFileSize = 128u << 20;
    std::vector<unsigned char> data;
    if (!ReadFileBytes(path, kMaxCsvFileSize, Message(MessageId::KindCsv), data, error))
        return false;
    bytes.assign(data.begin(), data.end());
    return true;
}

bool LoadCsvSheet(const std::string& path, CsvSheet& sheet, std::string& error,
                  const std::vector<std::string>& scoreTitles) {
    std::string bytes;
    return LoadCsvBytes(path, bytes, error) && ReadCsvSheet(bytes, sheet, error, scoreTitles);
}

Message PointsNotGiven(const std::vector<CsvAssignmentColumn>& assignments) {
    for (const CsvAssignmentColumn& column : assignments) {
        if (!column.pointsGiven)
            return {MessageId::CsvNoPointsPossible,
                    {{MessageId::LineColumn, {"1", QuotedForMessage(column.header)}},
                     QuotedForMessage(column.title + " (N pts)")}};
    }
    return {};
}

void AcceptProposedPoints(std::vector<CsvAssignmentColumn>& assignments) {
    for (CsvAssignmentColumn& column : assignments)
        column.pointsGiven = true;
}

std::unique_ptr<CMarkwiseDoc> ClassFromSheet(const CsvSheet& sheet) {
    auto doc = std::make_unique<CMarkwiseDoc>();
    FillClassFromSheet(sheet, *doc);
    return doc;
}

namespace {

// The "Category" row's names, in order of first appearance, as a policy of equal weights
// without drops: the weights and drops travel through the command line's policy text.
void CategoriesFromSheet(const CsvSheet& sheet, CMarkwiseDoc& doc) {
    const bool any = std::any_of(sheet.assignments.begin(), sheet.assignments.end(),
                                 [](const CsvAssignmentColumn& a) { return !a.category.empty(); });
    if (!any)
        return;
    std::vector<GradeCategory>& categories = doc.m_policy.categories;
    for (std::size_t a = 0; a < sheet.assignments.size(); ++a) {
        const std::string& name = sheet.assignments[a].category;
        auto found = std::find_if(categories.begin(), categories.end(),
                                  [&name](const GradeCategory& c) { return c.name == name; });
        if (found == categories.end() && categories.size() < kMaxCategories) {
            categories.push_back({name, 1.0, 0});
            found = categories.end() - 1;
        }
        // Past the most categories a class holds, the rest join the first.
        doc.m_assignments[a].m_category =
            found == categories.end() ? 0 : static_cast<int>(found - categories.begin());
    }
}

} // namespace

void FillClassFromSheet(const CsvSheet& sheet, CMarkwiseDoc& doc) {
    // Back to new: the slots an earlier sheet filled.
    for (int s = 0; s < doc.StudentsInUse(); ++s)
        doc.PutStudent(s, {});
    for (int a = 0; a < doc.AssignmentsInUse(); ++a) {
        CAssignment& assignment = doc.m_assignments[a];
        std::fill_n(assignment.m_scores.begin(),
                    std::clamp(assignment.m_lastIndex + 1, 0, kMaxStudents), MISSING_SCORE);
        assignment.SetDetails({}, {}, 0.0);
        assignment.m_lastIndex = 0;
        assignment.m_category = 0;
        std::fill_n(assignment.m_marks.begin(), doc.StudentsInUse(), ScoreMark::None);
    }
    doc.m_policy = {};
    doc.m_unknownPolicyRecords.clear();
    doc.m_studentCount = 0;
    doc.m_assignmentCount = 0;
    doc.m_showNames = 1;
    doc.m_firstIncluded = 0;

    for (const CsvStudentRow& student : sheet.students) {
        // Straight into the slot: the dialogs' rule that ignores nameless students would
        // drop a row the file holds.
        doc.PutStudent(doc.m_studentCount++, student.fields);
    }
    for (std::size_t a = 0; a < sheet.assignments.size(); ++a) {
        const CsvAssignmentColumn& column = sheet.assignments[a];
        doc.NewAssignment(column.title, column.description, column.pointsPossible);
        CAssignment& assignment = doc.m_assignments[doc.m_assignmentCount - 1];
        for (std::size_t s = 0; s < sheet.students.size(); ++s) {
            const CsvScore& cell = sheet.students[s].scores[a];
            const double score = cell.Against(column.pointsPossible);
            if (score != MISSING_SCORE)
                assignment.SetScore(score, static_cast<int>(s));
            assignment.m_marks[s] = cell.Mark();
        }
    }
    CategoriesFromSheet(sheet, doc);
    doc.SetModifiedFlag(false);
}

std::unique_ptr<CMarkwiseDoc> ImportCsvClass(std::string_view bytes, CsvSheet& sheet,
                                             std::string& error) {
    if (!ReadCsvSheet(bytes, sheet, error))
        return nullptr;
    return ClassFromSheet(sheet);
}

bool ImportCsvClassInto(std::string_view bytes, CsvSheet& sheet, std::string& error,
                        CMarkwiseDoc& doc) {
    if (!ReadCsvSheet(bytes, sheet, error))
        return false;
    FillClassFromSheet(sheet, doc);
    return true;
}

} // namespace markwise
