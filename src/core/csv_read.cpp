#include "csv_read.h"

#include "encoding.h"
#include "shown_text.h"

#include <algorithm>
#include <csv.h>

namespace markwise {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// libcsv trims spaces and tabs from unquoted fields by default; a class's texts keep them.
int NoSpaces(unsigned char) {
    return 0;
}

// Counts commas and semicolons outside quotes in the first row; semicolon wins only
// with a majority, so a plain file with no separator at all reads as comma-separated.
char DetectSeparator(std::string_view bytes) {
    int commas = 0;
    int semicolons = 0;
    bool quoted = false;
    for (const char c : bytes) {
        if (c == '"')
            quoted = !quoted;
        else if (!quoted && (c == '\n' || c == '\r'))
            break;
        else if (!quoted && c == ',')
            ++commas;
        else if (!quoted && c == ';')
            ++semicolons;
    }
    return semicolons > commas ? ';' : ',';
}

// Line breaks: CR LF, LF, or a CR on its own.
std::size_t LineBreaks(std::string_view text) {
    std::size_t count = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' || (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n')))
            ++count;
    }
    return count;
}

// Collects libcsv's callbacks into rows, remembering where each row starts.
struct Collector {
    CsvTable& table;
    std::size_t maxRows;
    std::size_t maxColumns;
    std::vector<std::string> row;
    int line = 1;         // line being fed to the parser
    int rowStartLine = 1; // line the current row started on
    int lastRowEnd = 0;   // line the last complete row ended on
    Message limitError;

    void Field(const char* data, std::size_t size) {
        if (!limitError.empty())
            return;
        std::string_view cell(data == nullptr ? "" : data, size);
        if (row.empty())
            rowStartLine = line - static_cast<int>(LineBreaks(cell));
        if (row.size() == maxColumns) {
            limitError = {MessageId::CsvTooManyColumns,
                          {{MessageId::LineColumn,
                            {std::to_string(rowStartLine), std::to_string(maxColumns + 1)}},
                           std::to_string(maxColumns)}};
            return;
        }
        row.emplace_back(cell);
    }

    void EndRow() {
        if (!limitError.empty())
            return;
        if (table.rows.size() == maxRows) {
            limitError = {MessageId::CsvTooManyRows,
                          {{MessageId::Line, {std::to_string(rowStartLine)}}}};
            return;
        }
        const std::size_t width = row.size();
        table.rows.push_back(std::move(row));
        table.lines.push_back(rowStartLine);
        row.clear();
        row.reserve(width); // rows are mostly as wide as the one before
        lastRowEnd = line;
    }

    static void OnField(void* data, std::size_t size, void* self) {
        static_cast<Collector*>(self)->Field(static_cast<const char*>(data), size);
    }
    static void OnRow(int, void* self) { static_cast<Collector*>(self)->EndRow(); }
};

// The cells of a file that is not UTF-8, read as Windows-1252, to UTF-8.
void ConvertFromCp1252(CsvTable& table) {
    for (auto& cells : table.rows) {
        for (std::string& cell : cells)
            cell = Cp1252ToUtf8(cell);
    }
}

} // namespace

std::string QuotedForMessage(std::string_view utf8) {
    constexpr int kShown = 40;
    const std::string shown = ShownText(utf8);
    std::string out = "\"";
    int characters = 0;
    for (const char c : shown) {
        const bool lead = (static_cast<unsigned char>(c) & 0xC0) != 0x80;
        if (lead && ++characters > kShown)
            return out + "...\"";
        out += c;
    }
    return out + "\"";
}

Message CsvTable::Place(int line, int column) const {
    const bool titled = !rows.empty() && column >= 0 && column < static_cast<int>(rows[0].size()) &&
                        !rows[0][column].empty();
    return {MessageId::LineColumn,
            {std::to_string(line),
             titled ? QuotedForMessage(rows[0][column]) : std::to_string(column + 1)}};
}

bool ReadCsv(std::string_view bytes, CsvTable& table, std::string& error, std::size_t maxRows,
             std::size_t maxColumns) {
    return InEnglish(error, [&](Message& message) {
        return ReadCsv(bytes, table, message, maxRows, maxColumns);
    });
}

bool ReadCsv(std::string_view bytes, CsvTable& table, Message& error, std::size_t maxRows,
             std::size_t maxColumns) {
    table = CsvTable{};
    if (bytes.starts_with(kByteOrderMark))
        bytes.remove_prefix(kByteOrderMark.size());
    table.utf8 = IsValidUtf8(bytes);
    table.separator = DetectSeparator(bytes);

    csv_parser parser;
    if (csv_init(&parser, CSV_STRICT | CSV_STRICT_FINI) != 0) {
        error = Message(MessageId::CsvReaderNotStarted);
        return false;
    }
    csv_set_delim(&parser, static_cast<unsigned char>(table.separator));
    // The reader grows its cell buffer by one fixed block at a time: with the default 128 bytes a
    // cell of megabytes costs hundreds of thousands of regrowths, each a copy where realloc
    // cannot grow in place. A block of 1/64 of the input bounds that to a few dozen.
    csv_set_blk_size(&parser,
                     std::clamp<std::size_t>(bytes.size() / 64, 128, std::size_t{4} << 20));
    csv_set_space_func(&parser, NoSpaces);

    Collector collector{table, maxRows, maxColumns, {}, 1, 1, 0, {}};
    // Fed a line at a time, so every callback knows the line it is on.
    std::size_t start = 0;
    bool failed = false;
    while (start < bytes.size() && !failed && collector.limitError.empty()) {
        std::size_t end = start;
        while (end < bytes.size() && bytes[end] != '\n' &&
               !(bytes[end] == '\r' && (end + 1 == bytes.size() || bytes[end + 1] != '\n')))
            ++end;
        end = std::min(end + 1, bytes.size());
        const std::size_t length = end - start;
        failed = csv_parse(&parser, bytes.data() + start, length, Collector::OnField,
                           Collector::OnRow, &collector) != length;
        if (!failed) {
            start = end;
            ++collector.line;
        }
    }
    bool unclosed = false;
    if (!failed && collector.limitError.empty()) {
        --collector.line; // csv_fini reports on the last line fed
        unclosed = csv_fini(&parser, Collector::OnField, Collector::OnRow, &collector) != 0 ||
                   csv_error(&parser) != CSV_SUCCESS;
        failed = unclosed;
    }
    const int parseError = csv_error(&parser);
    csv_free(&parser);

    if (!collector.limitError.empty()) {
        error = collector.limitError;
        return false;
    }
    if (failed) {
        if (!table.utf8)
            ConvertFromCp1252(table); // the header names the column
        const int column = static_cast<int>(collector.row.size());
        if (parseError != CSV_EPARSE)
            error = Message(MessageId::CsvNoMemory);
        else if (unclosed) // the open quote is somewhere after the last complete row
            error = {MessageId::CsvQuoteNotClosed, {table.Place(collector.lastRowEnd + 1, column)}};
        else
            error = {MessageId::CsvStrayQuote, {table.Place(collector.line, column)}};
        return false;
    }
    if (table.rows.empty()) {
        error = Message(MessageId::CsvNoHeader);
        return false;
    }
    if (!table.utf8)
        ConvertFromCp1252(table);
    return true;
}

} // namespace markwise
