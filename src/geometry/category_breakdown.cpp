#include "geometry/category_breakdown.h"

#include "core/number_text.h"
#include "core/policy_grade.h"
#include "geometry/draw_text.h"

#include <algorithm>

namespace markwise {

std::vector<CategoryBreakdownLine> CategoryBreakdown(const CMarkwiseDoc& doc, int student) {
    std::vector<CategoryBreakdownLine> lines;
    if (!doc.HasPolicy() || student < 0 || student >= doc.StudentsInUse())
        return lines;
    const StudentGrade grade = GradeStudent(doc, student);
    for (const CategoryResult& result : grade.categories) {
        const GradeCategory& category = doc.m_policy.categories[result.category];
        CategoryBreakdownLine line;
        line.name = LineText(category.name);
        line.weight = FormatG(category.weight);
        line.received = FormatG(result.received);
        line.possible = FormatG(result.possible);
        line.percent =
            result.counted ? FormatPercentG(result.percent) : std::string(kMissingScoreText);
        for (const int a : result.dropped) {
            if (!line.dropped.empty())
                line.dropped += ", ";
            line.dropped += std::to_string(a + 1);
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

std::string BreakdownWeightText(const CategoryBreakdownLine& line, const ReportTexts& texts) {
    std::string weight = line.weight;
    const std::size_t point = weight.find('.');
    if (point != std::string::npos)
        weight.replace(point, 1, texts.decimalPoint);
    return FillInReportText(texts.categoryWeight, weight);
}

std::string BreakdownListText(const CategoryBreakdownLine& line, const ReportTexts& texts) {
    std::string out = FillInReportText(
        texts.categoryLine, line.name + ", " + BreakdownWeightText(line, texts), line.percent);
    if (!line.dropped.empty())
        out += ", " + FillInReportText(texts.categoryDropped, line.dropped);
    return out;
}

bool IsDroppedScore(const CMarkwiseDoc& doc, int a, int student) {
    if (!doc.HasPolicy() || a < 0 || a >= doc.AssignmentsInUse() || student < 0 ||
        student >= doc.StudentsInUse())
        return false;
    const StudentGrade grade = GradeStudent(doc, student);
    const int category = doc.m_assignments[a].m_category;
    return std::any_of(grade.categories.begin(), grade.categories.end(),
                       [&](const CategoryResult& result) {
                           return result.category == category &&
                                  std::find(result.dropped.begin(), result.dropped.end(), a) !=
                                      result.dropped.end();
                       });
}

} // namespace markwise
