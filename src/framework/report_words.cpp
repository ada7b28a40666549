#include "report_words.h"

#include "ui_language.h"

#include <QCoreApplication>

namespace markwise {

ReportTexts TranslatedReportTexts() {
    const auto t = [](const char* english) {
        return QCoreApplication::translate("Reports", english).toStdString();
    };
    ReportTexts texts;
    //: A student report's heading; %1 is the student's name.
    texts.studentReportFor = t(QT_TRANSLATE_NOOP("Reports", "Student report for %1"));
    texts.studentReportHeaders = {
        t(QT_TRANSLATE_NOOP("Reports", "Title")), t(QT_TRANSLATE_NOOP("Reports", "Received")),
        t(QT_TRANSLATE_NOOP("Reports", "Possible")), t(QT_TRANSLATE_NOOP("Reports", "Percent")),
        t(QT_TRANSLATE_NOOP("Reports", "Grade"))};
    texts.rosterFor = t(QT_TRANSLATE_NOOP("Reports", "Class roster for %1"));
    texts.rosterHeaders = {
        t(QT_TRANSLATE_NOOP("Reports", "Name")), t(QT_TRANSLATE_NOOP("Reports", "ID")),
        //: The roster's column of grade levels (school years).
        t(QT_TRANSLATE_NOOP("Reports", "Grade level")), t(QT_TRANSLATE_NOOP("Reports", "Book#")),
        t(QT_TRANSLATE_NOOP("Reports", "Phone#"))};
    //: %1 is the class's title, %2 the cut-off percentage.
    texts.progressFor =
        t(QT_TRANSLATE_NOOP("Reports", "Progress Report List for %1   Cut-off = %2"));
    texts.progressHeaders = {t(QT_TRANSLATE_NOOP("Reports", "Names")),
                             texts.studentReportHeaders[3], texts.studentReportHeaders[4],
                             t(QT_TRANSLATE_NOOP("Reports", "Comment"))};
    texts.progressIds = t(QT_TRANSLATE_NOOP("Reports", "IDs"));
    // English keeps the roster's own short header.
    if (texts.rosterHeaders[2] == "Grade level")
        texts.rosterHeaders[2] = "Grade";
    //: Over the grading policy's categories on a student report.
    texts.byCategory = t(QT_TRANSLATE_NOOP("Reports", "By category:"));
    //: A category's weight in the grade; %1 is the number.
    texts.categoryWeight = t(QT_TRANSLATE_NOOP("Reports", "weight %1"));
    //: The assignments a category dropped from the grade; %1 lists their numbers.
    texts.categoryDropped = t(QT_TRANSLATE_NOOP("Reports", "dropped: %1"));
    //: One category's line: %1 is its name and weight, %2 its percent.
    texts.categoryLine = t(QT_TRANSLATE_NOOP("Reports", "%1: %2"));
    //: Beside a score the grading policy dropped as one of the lowest.
    texts.droppedMark = t(QT_TRANSLATE_NOOP("Reports", "(dropped)"));
    const NumberForm numbers;
    texts.decimalPoint = numbers.point();
    if (!numbers.plain())
        texts.shownNumber = [numbers](std::string_view text) { return numbers.shown(text); };
    return texts;
}

} // namespace markwise
