#include "geometry/sheet_texts.h"

#include "core/number_text.h"
#include "core/policy_grade.h"
#include "geometry/draw_text.h"

#include <algorithm>

namespace markwise {

std::string NumberedText(int assignment, std::string_view text) {
    std::string out = std::to_string(assignment + 1);
    out += ": ";
    out += LineText(text);
    return out;
}

std::string NotAScoreMessage(const CMarkwiseDoc& doc, int assignment, int student,
                             std::string_view typed) {
    const bool inUse = assignment >= 0 && assignment < doc.AssignmentsInUse();
    std::string out = inUse ? LineText(doc.m_assignments[assignment].m_title) : std::string();
    if (out.empty()) // an untitled assignment by its number
        out = std::to_string(assignment + 1);
    out += ", " + LineText(doc.GetListedName(student)) + ": \"" + LineText(typed) +
           "\" is not a score.";
    return out;
}

namespace {

bool ContainsAnyCase(std::string_view text, std::string_view part) {
    const auto lower = [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    };
    const auto it = std::search(text.begin(), text.end(), part.begin(), part.end(),
                                [&](char a, char b) { return lower(a) == lower(b); });
    return it != text.end();
}

} // namespace

int FindStudent(const CMarkwiseDoc& doc, std::string_view text, int from) {
    const int n = doc.StudentsInUse();
    if (text.empty() || n == 0)
        return -1;
    const int start = from >= 0 && from < n ? from : 0;
    for (int k = 0; k < n; ++k) {
        const int s = (start + k) % n;
        if (ContainsAnyCase(LineText(doc.GetFullName(s)), text) ||
            ContainsAnyCase(LineText(doc.m_studentId[s]), text))
            return s;
    }
    return -1;
}

std::string_view ListedNameHeading(const CMarkwiseDoc& doc) {
    return doc.ListsNames() ? "Name" : "ID";
}

std::string ScoreText(const CMarkwiseDoc& doc, int assignment, int student) {
    return ScoreCellText(doc, assignment, student);
}

StudentTotalTexts TotalTexts(const CMarkwiseDoc& doc, int student, const CGradeCutoffs& cutoffs) {
    // The document's text forms are FormatG of the grade's figures; grading the student
    // once gives the received points, the percent and the letter grade together.
    const StudentGrade grade = GradeStudent(doc, student);
    return {FormatG(grade.received), FormatPercentG(grade.percent),
            std::string(LetterFromPercent(grade.percent, cutoffs))};
}

} // namespace markwise
