#include "csv_write.h"

#include "number_text.h"
#include "shown_text.h"

namespace markwise {

namespace {

// Whether the field needs quotes: separators (comma, and semicolon so that the reader's
// separator detection never miscounts), quotes, line breaks, or spaces at either end that
// a reader trimming unquoted fields would lose.
bool NeedsQuotes(std::string_view text) {
    if (text.find_first_of(",;\"\r\n") != std::string_view::npos)
        return true;
    if (text.empty())
        return false;
    const auto edge = [](char c) { return c == ' ' || c == '\t'; };
    return edge(text.front()) || edge(text.back());
}

} // namespace

bool NeedsFormulaGuard(std::string_view text) {
    const std::size_t first = text.find_first_not_of('\'');
    if (first == std::string_view::npos)
        return false;
    const char c = text[first];
    return c == '=' || c == '+' || c == '-' || c == '@' || c == '\t' || c == '\r';
}

void CsvWriter::Separate() {
    if (m_rowStarted)
        m_out += ',';
    m_rowStarted = true;
}

void CsvWriter::AppendField(std::string_view text) {
    if (!NeedsQuotes(text)) {
        m_out += text;
        return;
    }
    m_out += '"';
    for (const char c : text) {
        if (c == '"')
            m_out += '"';
        m_out += c;
    }
    m_out += '"';
}

void CsvWriter::Text(std::string_view utf8) {
    Separate();
    std::string cell = NeedsFormulaGuard(utf8) ? "'" : "";
    cell += ShownText(utf8, LineBreaks::Keep);
    AppendField(cell);
}

void CsvWriter::Number(std::string_view text) {
    Separate();
    AppendField(text);
}

void CsvWriter::Number(double value) {
    Separate();
    char buffer[kShortestBufferSize];
    m_out.append(buffer, FormatShortest(value, buffer)); // digits, sign, point, 'e': no quotes
}

void CsvWriter::EndRow() {
    m_out += '\n';
    m_rowStarted = false;
}

} // namespace markwise
