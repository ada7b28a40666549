#include "paste_scores.h"

#include "csv_read.h"
#include "encoding.h"
#include "markwise_doc.h"
#include "number_text.h"

namespace markwise {

namespace {

std::vector<std::string_view> Split(std::string_view text, char at) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find(at, start)) != std::string_view::npos; start = end + 1)
        parts.push_back(text.substr(start, end - start));
    parts.push_back(text.substr(start));
    return parts;
}

std::vector<std::string_view> Lines(std::string_view text) {
    std::vector<std::string_view> lines = Split(text, '\n');
    for (std::string_view& line : lines) {
        if (line.ends_with('\r'))
            line.remove_suffix(1);
    }
    if (lines.size() > 1 && lines.back().empty())
        lines.pop_back(); // the line break a copied block ends with
    return lines;
}

// Spaces, tabs and no-break spaces around a cell, as spreadsheets pad numbers.
std::string_view Trimmed(std::string_view cell) {
    constexpr std::string_view kNoBreak = "\xC2\xA0";
    for (bool more = true; more;) {
        more = false;
        for (const std::string_view blank : {std::string_view(" "), kNoBreak}) {
            if (cell.starts_with(blank)) {
                cell.remove_prefix(blank.size());
                more = true;
            }
            if (cell.ends_with(blank)) {
                cell.remove_suffix(blank.size());
                more = true;
            }
        }
    }
    return cell;
}

Message Where(const CMarkwiseDoc& doc, int student, int assignment) {
    return {MessageId::PasteWhere,
            {QuotedForMessage(doc.m_assignments[assignment].m_title), doc.GetFullName(student)}};
}

Message Size(std::size_t rows, std::size_t columns) {
    const MessageId id =
        rows == 1 ? (columns == 1 ? MessageId::PasteOneRowOneColumn : MessageId::PasteOneRowColumns)
                  : (columns == 1 ? MessageId::PasteRowsOneColumn : MessageId::PasteRowsColumns);
    return {id, {std::to_string(rows), std::to_string(columns)}};
}

void AddChange(const CMarkwiseDoc& doc, int student, int assignment, TypedScore score,
               std::vector<MergeScoreChange>& changes) {
    if (auto change = ScoreChange(doc, student, assignment, score.score, score.mark))
        changes.push_back(*change);
}

} // namespace

bool PlanPaste(const CMarkwiseDoc& doc, int student, int assignment, std::string_view text,
               char decimalPoint, std::vector<MergeScoreChange>& changes, std::string& error) {
    return InEnglish(error, [&](Message& message) {
        return PlanPaste(doc, student, assignment, text, decimalPoint, changes, message);
    });
}

bool PlanPaste(const CMarkwiseDoc& doc, int student, int assignment, std::string_view text,
               char decimalPoint, std::vector<MergeScoreChange>& changes, Message& error) {
    changes.clear();
    if (!doc.HoldsScore(assignment, student)) {
        error = Message(MessageId::PasteNoScoreCell);
        return false;
    }
    const char separator = text.find('\t') != std::string_view::npos ? '\t'
                           : decimalPoint == ','                     ? ';'
                                                                     : ',';
    std::vector<std::vector<std::string_view>> rows;
    std::size_t columns = 0;
    for (const std::string_view line : Lines(text)) {
        rows.push_back(Split(line, separator));
        columns = std::max(columns, rows.back().size());
    }
    const std::size_t roomRows = static_cast<std::size_t>(doc.StudentsInUse() - student);
    const std::size_t roomColumns = static_cast<std::size_t>(doc.AssignmentsInUse() - assignment);
    if (rows.size() > roomRows || columns > roomColumns) {
        error = {MessageId::PasteTooLarge,
                 {Size(rows.size(), columns), Where(doc, student, assignment),
                  Size(std::min(rows.size(), roomRows), std::min(columns, roomColumns))}};
        return false;
    }
    for (std::size_t r = 0; r < rows.size(); ++r) {
        for (std::size_t c = 0; c < rows[r].size(); ++c) {
            std::string cell(Trimmed(rows[r][c]));
            if (decimalPoint == ',') {
                for (char& ch : cell) {
                    if (ch == ',')
                        ch = '.';
                }
            }
            const int s = student + static_cast<int>(r);
            const int a = assignment + static_cast<int>(c);
            const std::optional<TypedScore> score = ParseTypedMarkedScore(cell);
            if (!score) {
                changes.clear();
                error = {MessageId::PasteNotAScore,
                         {QuotedForMessage(rows[r][c]), std::to_string(r + 1),
                          std::to_string(c + 1), Where(doc, s, a)}};
                return false;
            }
            AddChange(doc, s, a, *score, changes);
        }
    }
    return true;
}

std::vector<MergeScoreChange> PlanFillDown(const CMarkwiseDoc& doc, ScoreBlock block) {
    std::vector<MergeScoreChange> changes;
    if (block.Rows() == 1 && block.firstStudent > 0)
        --block.firstStudent;
    for (int a = block.firstAssignment; a <= block.lastAssignment; ++a) {
        if (!doc.HoldsScore(a, block.firstStudent))
            continue;
        const TypedScore top{doc.m_assignments[a].m_scores[block.firstStudent],
                             doc.GetMark(a, block.firstStudent)};
        for (int s = block.firstStudent + 1; s <= block.lastStudent; ++s) {
            if (doc.HoldsScore(a, s))
                AddChange(doc, s, a, top, changes);
        }
    }
    return changes;
}

std::string BlockAsTabText(const CMarkwiseDoc& doc, const ScoreBlock& block) {
    std::string text;
    for (int s = block.firstStudent; s <= block.lastStudent; ++s) {
        for (int a = block.firstAssignment; a <= block.lastAssignment; ++a) {
            if (a > block.firstAssignment)
                text += '\t';
            const double score =
                doc.HoldsScore(a, s) ? doc.m_assignments[a].m_scores[s] : MISSING_SCORE;
            if (const std::string_view mark = MarkText(doc.GetMark(a, s)); !mark.empty())
                text += mark;
            else if (score == MISSING_SCORE)
                text += kMissingScoreText;
            else
                text += FormatShortest(score);
        }
        text += '\n';
    }
    return text;
}

} // namespace markwise
