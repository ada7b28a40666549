#pragma once

#include <array>
#include <string>
#include <string_view>

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
};

const ReportTexts& EnglishReportTexts();

// pattern with each "%1" replaced by first and each "%2" by second.
std::string FillInReportText(std::string_view pattern, std::string_view first,
                             std::string_view second = {});

} // namespace markwise
