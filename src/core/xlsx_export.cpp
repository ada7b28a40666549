#include "xlsx_export.h"

#include "atomic_file.h"
#include "csv_layout.h"
#include "encoding.h"
#include "file_bytes.h"
#include "markwise_doc.h"
#include "shown_text.h"

#include <array>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <system_error>
#include <xlsxwriter.h>

namespace markwise {

namespace {

constexpr int kMaxSheetName = 31; // characters

// Excel compares sheet names without case.
std::string NameKey(const std::string& name) {
    std::string key = name;
    for (char& c : key) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return key;
}

// The first `characters` characters of a UTF-8 text.
std::string FirstCharacters(const std::string& utf8, int characters) {
    std::size_t end = 0;
    for (int n = 0; end < utf8.size(); ++end) {
        const bool lead = (static_cast<unsigned char>(utf8[end]) & 0xC0) != 0x80;
        if (lead && ++n > characters)
            break;
    }
    return utf8.substr(0, end);
}

} // namespace

std::vector<std::string> WorkbookSheetNames(const std::vector<std::string>& classNames) {
    std::vector<std::string> names;
    std::set<std::string> used;
    for (const std::string& given : classNames) {
        // File names on Linux need not be UTF-8; the workbook's XML must be.
        std::string base = given.empty()        ? std::string("Class")
                           : IsValidUtf8(given) ? given
                                                : Cp1252ToUtf8(given);
        for (char& c : base) {
            if (std::string_view("[]:*?/\\").find(c) != std::string_view::npos ||
                static_cast<unsigned char>(c) < 0x20)
                c = '_';
        }
        if (base.front() == '\'')
            base.front() = '_'; // Excel refuses a name that starts or ends with an apostrophe
        if (base.back() == '\'')
            base.back() = '_';
        std::string name = FirstCharacters(base, kMaxSheetName);
        for (int n = 2; !used.insert(NameKey(name)).second; ++n) {
            const std::string suffix = " " + std::to_string(n);
            name = FirstCharacters(base, kMaxSheetName - static_cast<int>(suffix.size())) + suffix;
        }
        names.push_back(std::move(name));
    }
    return names;
}

namespace {

constexpr int kStudentFields = 6; // the columns before the scores

class SheetWriter {
public:
    explicit SheetWriter(lxw_worksheet* sheet) : m_sheet(sheet) {}

    void Text(const std::string& text) {
        const std::string utf8 = ShownText(text, LineBreaks::Keep);
        if (!utf8.empty())
            Check(worksheet_write_string(m_sheet, m_row, m_column, utf8.c_str(), nullptr));
        ++m_column;
    }
    void Number(double value) {
        Check(worksheet_write_number(m_sheet, m_row, m_column++, value, nullptr));
    }
    void Empty() { ++m_column; }
    void EndRow() {
        ++m_row;
        m_column = 0;
    }
    lxw_error Result() const { return m_result; }

private:
    void Check(lxw_error result) {
        if (m_result == LXW_NO_ERROR)
            m_result = result;
    }

    lxw_worksheet* m_sheet;
    lxw_row_t m_row = 0;
    lxw_col_t m_column = 0;
    lxw_error m_result = LXW_NO_ERROR;
};

// A row under the header: its label, the student fields' cells empty, one cell per assignment.
template <typename Cell>
void WriteDetailRow(SheetWriter& out, const char* label, const CMarkwiseDoc& doc, Cell cell) {
    out.Text(label);
    for (int c = 1; c < kStudentFields; ++c)
        out.Empty();
    for (int a = 0; a < doc.AssignmentsInUse(); ++a)
        cell(doc.m_assignments[a]);
    out.EndRow();
}

void WriteClass(SheetWriter& out, const CMarkwiseDoc& doc) {
    static constexpr std::array<const char*, kStudentFields> kHeader = {
        "Last Name", "First Name", "Student ID", "Grade Level", "Book Number", "Phone"};
    for (const char* title : kHeader)
        out.Text(title);
    const int assignments = doc.AssignmentsInUse();
    for (int a = 0; a < assignments; ++a)
        out.Text(doc.m_assignments[a].m_title);
    out.EndRow();
    WriteDetailRow(out, "Points Possible", doc,
                   [&out](const CAssignment& a) { out.Number(a.m_pointsPossible); });
    if (doc.HasPolicy()) {
        int a = 0;
        WriteDetailRow(out, "Category", doc, [&out, &doc, &a](const CAssignment&) {
            out.Text(CategoryCellText(doc, a++));
        });
    }
    WriteDetailRow(out, "Description", doc,
                   [&out](const CAssignment& a) { out.Text(a.m_description); });
    for (int s = 0; s < doc.StudentsInUse(); ++s) {
        for (const auto* field : {&doc.m_lastName, &doc.m_firstName, &doc.m_studentId,
                                  &doc.m_gradeLevel, &doc.m_bookNumber, &doc.m_phone})
            out.Text((*field)[s]);
        for (int a = 0; a < assignments; ++a) {
            const double score = doc.m_assignments[a].m_scores[s];
            // Marks as the markwise CSV writes them, so the two read back alike.
            if (const std::string_view mark = MarkCellText(doc, a, s); !mark.empty())
                out.Text(std::string(mark));
            else if (score == MISSING_SCORE)
                out.Empty();
            else
                out.Number(score);
        }
        out.EndRow();
    }
}

// The workbook is built in a folder of its own, then copied over the target in one save.
struct TempFolder {
    std::filesystem::path path;
    TempFolder() {
        std::error_code ec;
        std::string pattern = (std::filesystem::temp_directory_path(ec) / "markwise-xlsx-XXXXXX");
        if (!ec && mkdtemp(pattern.data()) != nullptr)
            path = pattern;
    }
    ~TempFolder() {
        std::error_code ec;
        if (!path.empty())
            std::filesystem::remove_all(path, ec);
    }
};

} // namespace

bool ExportXlsx(const std::vector<XlsxClass>& classes, const std::string& path,
                std::string& error) {
    return InEnglish(error, [&](Message& message) { return ExportXlsx(classes, path, message); });
}

bool ExportXlsx(const std::vector<XlsxClass>& classes, const std::string& path, Message& error) {
    const TempFolder folder;
    if (folder.path.empty()) {
        error = Message(MessageId::XlsxNoTemporaryFolder);
        return false;
    }
    const std::string built = (folder.path / "book.xlsx").string();
    lxw_workbook_options options{};
    options.tmpdir = const_cast<char*>(folder.path.c_str());
    lxw_workbook* book = workbook_new_opt(built.c_str(), &options);
    if (book == nullptr) {
        error = Message(MessageId::XlsxNotStarted);
        return false;
    }
    std::vector<std::string> names;
    for (const XlsxClass& entry : classes)
        names.push_back(entry.name);
    names = WorkbookSheetNames(names);
    lxw_error result = LXW_NO_ERROR;
    for (std::size_t c = 0; c < classes.size(); ++c) {
        const XlsxClass& entry = classes[c];
        lxw_worksheet* sheet = workbook_add_worksheet(book, names[c].c_str());
        if (sheet == nullptr) {
            result = LXW_ERROR_MEMORY_MALLOC_FAILED;
            break;
        }
        SheetWriter writer(sheet);
        WriteClass(writer, *entry.doc);
        if ((result = writer.Result()) != LXW_NO_ERROR)
            break;
    }
    const lxw_error closed = workbook_close(book); // frees the workbook whatever happened
    if (result == LXW_NO_ERROR)
        result = closed;
    if (result != LXW_NO_ERROR) {
        error = {MessageId::XlsxNotWritten, {lxw_strerror(result)}};
        return false;
    }
    std::vector<unsigned char> bytes;
    if (!ReadFileBytes(built, std::size_t{1} << 30, Message(MessageId::KindWorkbook), bytes, error))
        return false;
    return WriteFileAtomically(path, bytes.data(), bytes.size(), error);
}

} // namespace markwise
