#include "csv_sheet.h"

#include "capacity.h"
#include "csv_write.h"
#include "file_bytes.h"
#include "number_text.h"

#include <algorithm>
#include <array>
#include <initializer_list>
#include <unordered_set>

namespace markwise {

namespace {

// What a column holds. Candidate: not a detail; scores if its cells are numbers.
enum class Role { Ignored, Last, First, Full, Id, Grade, Book, Phone, Candidate };

// Header texts compare with case and spacing ignored.
std::string Normalized(std::string_view text) {
    std::string out;
    for (const char c : text) {
        if (c == ' ' || c == '\t' || c == '_')
            continue;
        out += c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    }
    return out;
}

Role RosterRole(const std::string& name) {
    static const std::array<std::pair<std::string_view, Role>, 19> kNames = {{
        {"lastname", Role::Last},
        {"surname", Role::Last},
        {"familyname", Role::Last},
        {"firstname", Role::First},
        {"givenname", Role::First},
        {"name", Role::Full},
        {"student", Role::Full},
        {"studentname", Role::Full},
        {"fullname", Role::Full},
        {"studentid", Role::Id},
        {"idnumber", Role::Id},
        {"sisuserid", Role::Id},
        {"id", Role::Id},
        {"gradelevel", Role::Grade},
        {"grade", Role::Grade},
        {"book", Role::Book},
        {"booknumber", Role::Book},
        {"phone", Role::Phone},
        {"phonenumber", Role::Phone},
    }};
    for (const auto& [text, role] : kNames) {
        if (name == text)
            return role;
    }
    return Role::Candidate;
}

bool HeaderStartsWith(const std::vector<std::string>& header,
                      std::initializer_list<std::string_view> names) {
    if (header.size() < names.size())
        return false;
    std::size_t c = 0;
    for (const std::string_view name : names) {
        if (Normalized(header[c++]) != name)
            return false;
    }
    return true;
}

CsvKind DetectKind(const std::vector<std::string>& header) {
    if (HeaderStartsWith(
            header, {"lastname", "firstname", "studentid", "gradelevel", "booknumber", "phone"}))
        return CsvKind::Markwise;
    if (HeaderStartsWith(header, {"student", "id", "sisuserid", "sisloginid", "section"}))
        return CsvKind::Canvas;
    if (HeaderStartsWith(header, {"firstname", "lastname", "idnumber"}))
        return CsvKind::Moodle;
    return CsvKind::Roster;
}

std::vector<Role> ColumnRoles(CsvKind kind, const std::vector<std::string>& header) {
    std::vector<Role> roles;
    for (const std::string& text : header)
        roles.push_back(RosterRole(Normalized(text)));
    auto fix = [&roles](std::initializer_list<Role> fixed) {
        std::size_t c = 0;
        for (const Role role : fixed)
            roles[c++] = role;
        for (; c < roles.size(); ++c)
            roles[c] = Role::Candidate; // the program's layouts hold scores after the details
    };
    switch (kind) {
    case CsvKind::Markwise:
        fix({Role::Last, Role::First, Role::Id, Role::Grade, Role::Book, Role::Phone});
        break;
    case CsvKind::Canvas:
        fix({Role::Full, Role::Ignored, Role::Id, Role::Ignored, Role::Ignored});
        break;
    case CsvKind::Moodle:
        fix({Role::First, Role::Last, Role::Id});
        break;
    case CsvKind::Roster:
        break;
    }
    return roles;
}

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

bool IsBlank(const std::string& cell) {
    return cell.find_first_not_of(" \t") == std::string::npos;
}

class SheetReader {
public:
    SheetReader(const CsvTable& table, CsvSheet& sheet, std::string& error,
                const std::vector<std::string>& scoreTitles)
        : m_table(table), m_sheet(sheet), m_error(error) {
        for (const std::string& title : scoreTitles)
            m_scoreTitles.insert(CsvMatchKey(title));
    }

    bool Read() {
        const std::vector<std::string>& header = m_table.rows[0];
        m_sheet.kind = DetectKind(header);
        m_roles = ColumnRoles(m_sheet.kind, header);
        return ReadDetailRows() && CollectStudentRows() && ChooseAssignments() && ReadStudents();
    }

private:
    bool Ours() const { return m_sheet.kind != CsvKind::Roster; }

    const std::string& Cell(std::size_t row, std::size_t column) const {
        static const std::string kEmpty;
        const auto& cells = m_table.rows[row];
        return column < cells.size() ? cells[column] : kEmpty;
    }

    // The program's own layouts put an apostrophe before text a spreadsheet would take
    // for a formula; exactly that apostrophe goes again.
    std::string Text(std::size_t row, std::size_t column) const {
        const std::string& cell = Cell(row, column);
        if (Ours() && cell.starts_with('\'') && NeedsFormulaGuard(std::string_view(cell).substr(1)))
            return cell.substr(1);
        return cell;
    }

    // Semicolon files may write decimal commas.
    bool Number(const std::string& cell, double& value) const {
        if (m_table.separator != ';' || cell.find(',') == std::string::npos)
            return ParseNumber(cell, value);
        std::string dotted = cell;
        for (char& c : dotted) {
            if (c == ',')
                c = '.';
        }
        return ParseNumber(dotted, value);
    }

    bool Fail(std::size_t row, std::size_t column, const std::string& what) {
        m_error = m_table.Place(row, static_cast<int>(column)) + ": " + what;
        return false;
    }

    bool NotANumber(std::size_t row, std::size_t column) {
        return Fail(row, column, QuotedForMessage(Cell(row, column)) + " is not a number");
    }

    bool RowLabelIs(std::size_t row, std::string_view label) const {
        return row < m_table.rows.size() && Normalized(Cell(row, 0)) == label;
    }

    bool ReadDetailRows() {
        std::size_t row = 1;
        if (RowLabelIs(row, "pointspossible"))
            m_pointsRow = row++;
        if (RowLabelIs(row, "description"))
            m_descriptionRow = row++;
        if (m_sheet.kind == CsvKind::Markwise && (m_pointsRow != 1 || m_descriptionRow != 2)) {
            m_error = "line " +
                      std::to_string(m_table.rows.size() > row ? m_table.lines[row]
                                                               : m_table.lines.back() + 1) +
                      ": the \"Points Possible\" and \"Description\" rows must follow the header";
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
                m_error = "line " + std::to_string(m_table.lines[row]) + ": more than " +
                          std::to_string(kMaxStudents) + " students";
                return false;
            }
            m_rows.push_back(row);
        }
        return true;
    }

    // Whether a candidate column holds scores; false (with error empty) when left out.
    bool IsScoreColumn(std::size_t column, bool& refused) {
        refused = false;
        const bool known = m_scoreTitles.contains(CsvMatchKey(m_table.rows[0][column]));
        double value;
        bool pointsIsText = false;
        if (m_pointsRow != 0 && !IsBlank(Cell(m_pointsRow, column)) &&
            !Number(Cell(m_pointsRow, column), value)) {
            if (m_sheet.kind == CsvKind::Markwise) {
                refused = true;
                return NotANumber(m_pointsRow, column);
            }
            pointsIsText = true; // a platform's computed column, "(read only)"
        }
        std::size_t numbers = 0;
        std::size_t firstText = 0;
        for (const std::size_t row : m_rows) {
            const std::string& cell = Cell(row, column);
            if (IsBlank(cell))
                continue;
            if (Number(cell, value))
                ++numbers;
            else if (firstText == 0)
                firstText = row;
        }
        if (pointsIsText && !known)
            return false;
        if (firstText != 0 && (m_sheet.kind == CsvKind::Markwise || numbers > 0 || known)) {
            refused = true; // a score column with a typo in it
            return NotANumber(firstText, column);
        }
        if (firstText != 0)
            return false; // a text column such as e-mail addresses
        // An untitled, empty column in a roster is only a trailing separator.
        return Ours() || !m_table.rows[0][column].empty() || numbers > 0;
    }

    bool ChooseAssignments() {
        const std::vector<std::string>& header = m_table.rows[0];
        for (std::size_t column = 0; column < header.size(); ++column) {
            if (m_roles[column] != Role::Candidate)
                continue;
            bool refused = false;
            if (!IsScoreColumn(column, refused)) {
                if (refused)
                    return false;
                m_sheet.ignoredColumns.push_back(header[column]);
                continue;
            }
            if (m_columns.size() == static_cast<std::size_t>(kMaxAssignments))
                return Fail(0, column,
                            "more than " + std::to_string(kMaxAssignments) + " assignments");
            m_columns.push_back(column);
            CsvAssignmentColumn assignment;
            assignment.title = Text(0, column);
            if (m_descriptionRow != 0)
                assignment.description = Text(m_descriptionRow, column);
            double points = 0.0;
            if (m_pointsRow != 0 && Number(Cell(m_pointsRow, column), points)) {
                assignment.pointsPossible = points;
            } else {
                bool any = false;
                for (const std::size_t row : m_rows) {
                    double score;
                    if (Number(Cell(row, column), score) && (!any || score > points)) {
                        points = score;
                        any = true;
                    }
                }
                assignment.pointsPossible = points;
            }
            m_sheet.assignments.push_back(std::move(assignment));
        }
        return true;
    }

    bool ReadStudents() {
        for (std::size_t column = 0; column < m_roles.size(); ++column) {
            const Role role = m_roles[column];
            m_sheet.hasIds = m_sheet.hasIds || role == Role::Id;
            m_sheet.hasNames =
                m_sheet.hasNames || role == Role::Last || role == Role::First || role == Role::Full;
        }
        if (!m_sheet.hasIds && !m_sheet.hasNames) {
            m_error = "line 1: no column holds names or student IDs";
            return false;
        }
        m_sheet.students.reserve(m_rows.size());
        for (const std::size_t row : m_rows) {
            CsvStudentRow student;
            student.line = m_table.lines[row];
            StudentFields& f = student.fields;
            for (std::size_t column = 0; column < m_roles.size(); ++column) {
                switch (m_roles[column]) {
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
                case Role::Candidate:
                    break;
                }
            }
            student.scores.reserve(m_columns.size());
            for (const std::size_t column : m_columns) {
                double score = MISSING_SCORE;
                if (!IsBlank(Cell(row, column)))
                    Number(Cell(row, column), score); // checked while choosing the columns
                student.scores.push_back(score);
            }
            // A row with nothing in the columns used (only an e-mail address, say) is no student.
            const bool nothing = f.lastName.empty() && f.firstName.empty() && f.studentId.empty() &&
                                 f.gradeLevel.empty() && f.bookNumber.empty() && f.phone.empty() &&
                                 std::all_of(student.scores.begin(), student.scores.end(),
                                             [](double score) { return score == MISSING_SCORE; });
            if (!nothing)
                m_sheet.students.push_back(std::move(student));
        }
        return true;
    }

    const CsvTable& m_table;
    CsvSheet& m_sheet;
    std::string& m_error;
    std::vector<Role> m_roles;
    std::size_t m_pointsRow = 0; // 0: none (row 0 is the header)
    std::size_t m_descriptionRow = 0;
    std::size_t m_firstStudentRow = 1;
    std::vector<std::size_t> m_rows;    // rows holding students
    std::vector<std::size_t> m_columns; // columns holding scores
    std::unordered_set<std::string> m_scoreTitles;
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

bool ReadCsvSheet(std::string_view bytes, CsvSheet& sheet, std::string& error,
                  const std::vector<std::string>& scoreTitles) {
    sheet = CsvSheet{};
    CsvTable table;
    // Room for the header, the detail rows and a full class; rosters from other programs
    // may carry many columns besides the scores.
    if (!ReadCsv(bytes, table, error, kMaxStudents + 3, 4 * (kMaxAssignments + 6)))
        return false;
    if (!SheetReader(table, sheet, error, scoreTitles).Read()) {
        sheet = CsvSheet{};
        return false;
    }
    return true;
}

bool LoadCsvSheet(const std::string& path, CsvSheet& sheet, std::string& error,
                  const std::vector<std::string>& scoreTitles) {
    // A full class with long texts stays far below this.
    constexpr std::size_t kMaxCsvFileSize = 128u << 20;
    std::vector<unsigned char> bytes;
    if (!ReadFileBytes(path, kMaxCsvFileSize, "the CSV of any class", bytes, error))
        return false;
    return ReadCsvSheet({reinterpret_cast<const char*>(bytes.data()), bytes.size()}, sheet, error,
                        scoreTitles);
}

std::unique_ptr<CMarkwiseDoc> ClassFromSheet(const CsvSheet& sheet) {
    auto doc = std::make_unique<CMarkwiseDoc>();
    FillClassFromSheet(sheet, *doc);
    return doc;
}

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
    }
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
            if (sheet.students[s].scores[a] != MISSING_SCORE)
                assignment.SetScore(sheet.students[s].scores[a], static_cast<int>(s));
        }
    }
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
