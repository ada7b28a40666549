#include "geometry/sheet_copy.h"

#include "geometry/sheet_texts.h"

namespace markwise {

std::string SheetTableText(const CMarkwiseDoc& doc, const CGradeCutoffs& cutoffs, int row,
                           int column) {
    const int students = doc.StudentsInUse();
    const int assignments = doc.AssignmentsInUse();
    if (row < 0 || row > students || column < 0 || column > assignments + 3)
        return {};
    const int a = column - 1;
    if (row == 0) {
        if (column == 0)
            return std::string(ListedNameHeading(doc));
        if (a < assignments)
            return NumberedText(a, doc.m_assignments[a].m_title);
        static constexpr const char* kTotals[] = {"Total", "Percent", "Grade"};
        return kTotals[a - assignments];
    }
    const int s = row - 1;
    if (column == 0)
        return doc.GetListedName(s);
    if (a < assignments)
        return ScoreText(doc, a, s);
    StudentTotalTexts totals = TotalTexts(doc, s, cutoffs);
    const int which = a - assignments;
    return which == 0 ? totals.received : which == 1 ? totals.percent : totals.letter;
}

std::vector<std::vector<std::string>> SheetTable(const CMarkwiseDoc& doc,
                                                 const CGradeCutoffs& cutoffs) {
    const int students = doc.StudentsInUse();
    const int assignments = doc.AssignmentsInUse();
    std::vector<std::vector<std::string>> table;
    table.reserve(static_cast<size_t>(students) + 1);

    std::vector<std::string> heading{std::string(ListedNameHeading(doc))};
    for (int a = 0; a < assignments; ++a)
        heading.push_back(NumberedText(a, doc.m_assignments[a].m_title));
    heading.insert(heading.end(), {"Total", "Percent", "Grade"});
    table.push_back(std::move(heading));

    for (int s = 0; s < students; ++s) {
        std::vector<std::string> row{doc.GetListedName(s)};
        row.reserve(static_cast<size_t>(assignments) + 4);
        for (int a = 0; a < assignments; ++a)
            row.push_back(ScoreText(doc, a, s));
        StudentTotalTexts totals = TotalTexts(doc, s, cutoffs);
        row.push_back(std::move(totals.received));
        row.push_back(std::move(totals.percent));
        row.push_back(std::move(totals.letter));
        table.push_back(std::move(row));
    }
    return table;
}

std::string TableAsTabText(const std::vector<std::vector<std::string>>& table) {
    std::string out;
    for (const auto& row : table) {
        for (size_t i = 0; i < row.size(); ++i) {
            if (i > 0)
                out += '\t';
            for (char c : row[i])
                out += (c == '\t' || c == '\r' || c == '\n') ? ' ' : c;
        }
        out += "\r\n";
    }
    return out;
}

std::string TableAsHtml(const std::vector<std::vector<std::string>>& table) {
    std::string out = "<table>\n";
    for (size_t r = 0; r < table.size(); ++r) {
        const char* cell = r == 0 ? "th" : "td";
        out += "<tr>";
        for (const std::string& text : table[r]) {
            out += std::string("<") + cell + ">";
            for (char c : text) {
                switch (c) {
                case '&':
                    out += "&amp;";
                    break;
                case '<':
                    out += "&lt;";
                    break;
                case '>':
                    out += "&gt;";
                    break;
                case '"':
                    out += "&quot;";
                    break;
                default:
                    out += c;
                }
            }
            out += std::string("</") + cell + ">";
        }
        out += "</tr>\n";
    }
    return out + "</table>\n";
}

} // namespace markwise
