#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace markwise {

// The words the report layouts write around the class's own data, on screen and on paper:
// English here, as the command line and its PDFs show them; the desktop hands in its
// translation. %1 and %2 stand for the name or title and the cut-off.
struct ReportTexts {
    std::string studentReportFor = "Student report for %1";
    std::array<std::string, 5> studentReportHeaders{"Title", "Received", "Possible", "Percent",
                                                    "Grade"};
    std::string rosterFor = "Class roster for %1";
    std::array<std::string, 5> rosterHeaders{"Name", "ID", "Grade", "Book#", "Phone#"};
    std::string progressFor = "Progress Report List for %1   Cut-off = %2";
    // The first header while students are listed by name; progressIds replaces it by ID.
    std::array<std::string, 4> progressHeaders{"Names", "Percent", "Grade", "Comment"};
    std::string progressIds = "IDs";
    // Under a grading policy: the heading over the categories, a category's weight and the
    // scores it dropped (%1 is the number or the list), the one-line form of a category
    // (%1 its name and weight, %2 its percent) and the mark beside a dropped score.
    std::string byCategory = "By category:";
    std::string categoryWeight = "weight %1";
    std::string categoryDropped = "dropped: %1";
    std::string categoryLine = "%1: %2";
    std::string droppedMark = "(dropped)";
    // The decimal separator of a number inside these words ("weight 22.5").
    std::string decimalPoint = ".";
    // How the desktop shows a figure of the columns ("88,5 %" in German); unset, as the core
    // writes it ("88.5%"). The layouts apply it before fitting the columns, so that a longer
    // form gets its room on paper.
    std::function<std::string(std::string_view)> shownNumber;
};

// row with each cell in texts.shownNumber's form.
std::vector<std::string> ShownNumbers(const ReportTexts& texts, std::vector<std::string> row);

const ReportTexts& EnglishReportTexts();

// pattern with each "%1" replaced by first and each "%2" by second.
std::string FillInReportText(std::string_view pattern, std::string_view first,
                             std::string_view second = {});

} // namespace markwise
