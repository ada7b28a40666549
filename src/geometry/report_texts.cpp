#include "report_texts.h"

namespace markwise {

const ReportTexts& EnglishReportTexts() {
    static const ReportTexts english;
    return english;
}

std::string FillInReportText(std::string_view pattern, std::string_view first,
                             std::string_view second) {
    std::string out;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == '%' && i + 1 < pattern.size() &&
            (pattern[i + 1] == '1' || pattern[i + 1] == '2')) {
            out += pattern[i + 1] == '1' ? first : second;
            ++i;
        } else {
            out += pattern[i];
        }
    }
    return out;
}

std::vector<std::string> ShownNumbers(const ReportTexts& texts, std::vector<std::string> row) {
    if (texts.shownNumber) {
        for (std::string& cell : row)
            cell = texts.shownNumber(cell);
    }
    return row;
}

} // namespace markwise
