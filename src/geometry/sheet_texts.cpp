#include "geometry/sheet_texts.h"

#include "core/number_text.h"
#include "geometry/draw_text.h"

namespace markwise {

std::string NumberedText(int assignment, std::string_view text) {
    std::string out = std::to_string(assignment + 1);
    out += ": ";
    out += LineText(text);
    return out;
}

std::string_view ListedNameHeading(const CMarkwiseDoc& doc) {
    return doc.ListsNames() ? "Name" : "ID";
}

std::string ScoreText(const CAssignment& assignment, int student) {
    return assignment.m_scores[student] == MISSING_SCORE ? std::string(kMissingScoreText)
                                                         : assignment.GetScoreText(student);
}

StudentTotalTexts TotalTexts(const CMarkwiseDoc& doc, int student, const CGradeCutoffs& cutoffs) {
    // The document's text forms are FormatG of these same queries; taking the
    // percent once spares recomputing the totals for the letter grade.
    const double percent = doc.GetPercent(student);
    return {FormatG(doc.GetTotalReceived(student)), FormatPercentG(percent),
            std::string(LetterFromPercent(percent, cutoffs))};
}

} // namespace markwise
