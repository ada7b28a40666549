#include "translated_sheet_words.h"

#include "ui_language.h"

#include <QCoreApplication>

namespace markwise {

namespace {

std::string Translated(const char* context, const char* english) {
    return QCoreApplication::translate(context, english).toStdString();
}

} // namespace

SheetWords TranslatedSheetWords() {
    SheetWords words;
    //: Heading over each student's points received, percent and letter grade.
    words.totals = Translated("SheetWords", QT_TRANSLATE_NOOP("SheetWords", "Totals"));
    //: After the title of an assignment that does not count in the totals.
    words.notCounted = Translated("SheetWords", QT_TRANSLATE_NOOP("SheetWords", "(not counted)"));
    if (const NumberForm numbers; !numbers.plain())
        words.shownNumber = [numbers](std::string_view text) { return numbers.shown(text); };
    return words;
}

HistogramWords TranslatedHistogramWords() {
    const auto t = [](const char* english) { return Translated("HistogramWords", english); };
    HistogramWords words;
    //: The histogram's legend: one red square of a bar stands for this many students.
    words.noStudents = t(QT_TRANSLATE_NOOP("HistogramWords", "1 square = 0 students"));
    words.oneStudent = t(QT_TRANSLATE_NOOP("HistogramWords", "1 square = 1 student"));
    //: %1 is a whole number, 2 or more.
    words.students = t(QT_TRANSLATE_NOOP("HistogramWords", "1 square = %1 students"));
    //: %1 squares stand for one student: each square is 1/%1 of a student.
    words.studentPart = t(QT_TRANSLATE_NOOP("HistogramWords", "1 square = 1/%1 student"));
    return words;
}

} // namespace markwise
