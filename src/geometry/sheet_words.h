#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace markwise {

// The words the grade sheet writes of its own, on screen and on paper: English here, as
// the command line and its PDFs show them; the desktop hands in its translation.
struct SheetWords {
    std::string totals = "Totals"; // over the totals block
    // After an assignment that does not count in totals: its heading's tooltip, its line
    // of the student report.
    std::string notCounted = "(not counted)";
    // How the desktop shows a figure ("88,5 %" in German); unset, as the core writes it. The
    // printed sheet makes its columns room for that form.
    std::function<std::string(std::string_view)> shownNumber;
};

const SheetWords& EnglishSheetWords();

// The histogram's legend beside its square, by how many students a square stands for.
// %1 stands for the number.
struct HistogramWords {
    std::string noStudents = "1 square = 0 students";
    std::string oneStudent = "1 square = 1 student";
    std::string students = "1 square = %1 students";     // two or more
    std::string studentPart = "1 square = 1/%1 student"; // %1 squares to a student
};

const HistogramWords& EnglishHistogramWords();

} // namespace markwise
