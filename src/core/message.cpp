#include "message.h"

#include <array>
#include <utility>

// The desktop's translation tools find each template by this mark; the core itself has no
// translator and takes the English as it stands.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(context, text) text
#endif

namespace markwise {

namespace {

using Id = MessageId;

constexpr std::array<std::pair<Id, const char*>, 103> kEnglish = {{
    {Id::Text, ""},
    {Id::Line, QT_TRANSLATE_NOOP("CoreMessage", "line %1")},
    {Id::LineColumn, QT_TRANSLATE_NOOP("CoreMessage", "line %1, column %2")},
    {Id::CsvTooManyColumns,
     QT_TRANSLATE_NOOP("CoreMessage",
                       "%1: more than %2 columns. Delete the columns the class does not need.")},
    {Id::CsvTooManyRows,
     QT_TRANSLATE_NOOP("CoreMessage", "%1: more rows than a class can hold (1000 students). Split "
                                      "the file into classes of at most 1000 students.")},
    {Id::CsvReaderNotStarted,
     QT_TRANSLATE_NOOP("CoreMessage",
                       "the CSV reader could not start. Close other programs, then try again.")},
    {Id::CsvNoMemory,
     QT_TRANSLATE_NOOP(
         "CoreMessage",
         "not enough memory to read the file. Close other programs, then try again.")},
    {Id::CsvQuoteNotClosed,
     QT_TRANSLATE_NOOP("CoreMessage",
                       "%1: a quoted cell is not closed. Add the closing double quote.")},
    {Id::CsvStrayQuote,
     QT_TRANSLATE_NOOP("CoreMessage",
                       "%1: a double quote in the wrong place. Quote the whole cell and double "
                       "each quote inside it (\"say \"\"hi\"\"\"), or remove the stray quote.")},
    {Id::CsvNoHeader,
     QT_TRANSLATE_NOOP("CoreMessage", "line 1: the file holds no header row. Start it with a line "
                                      "of column titles, such as \"Name,Quiz 1\".")},
    {Id::CsvNotAScore,
     QT_TRANSLATE_NOOP("CoreMessage",
                       "%1: %2 is not a score. Change it, or mark the column ignored.")},
    {Id::CsvDetailRowsMisplaced,
     QT_TRANSLATE_NOOP("CoreMessage",
                       "%1: the \"Points Possible\" and \"Description\" rows must follow the "
                       "header. Move them to lines 2 and %2, as Markwise exports them.")},
    {Id::CsvTooManyStudents,
     QT_TRANSLATE_NOOP("CoreMessage", "%1: more than %2 students. Split the file into classes of "
                                      "at most %2.")},
    {Id::CsvTooManyAssignments,
     QT_TRANSLATE_NOOP("CoreMessage", "%1: more than %2 assignments. Mark the columns the class "
                                      "does not need ignored, or split the file.")},
    {Id::CsvNoNameColumn,
     QT_TRANSLATE_NOOP("CoreMessage",
                       "line 1: no column holds names or student IDs. Title one \"Name\" or "
                       "\"Student ID\", or make a column a name or ID in the import's preview.")},
    {Id::CsvNoPointsPossible,
     QT_TRANSLATE_NOOP("CoreMessage", "%1: the file gives no points possible. Add a \"Points "
                                      "Possible\" row, or the points to the title: %2.")},
    {Id::ColumnWorkedOutByPlatform,
     QT_TRANSLATE_NOOP("CoreMessage", "worked out by the platform (\"%1\" as points)")},
    {Id::ColumnHoldsText, QT_TRANSLATE_NOOP("CoreMessage", "holds text, not scores")},
    {Id::ColumnEmptyUntitled, QT_TRANSLATE_NOOP("CoreMessage", "empty and untitled")},
    {Id::ColumnIgnoredByTeacher, QT_TRANSLATE_NOOP("CoreMessage", "ignored by the teacher")},
    {Id::ColumnPlatformUserNumber,
     QT_TRANSLATE_NOOP("CoreMessage", "the platform's own user number")},
    {Id::ColumnLoginName, QT_TRANSLATE_NOOP("CoreMessage", "a login name, not a score")},
    {Id::ColumnProfileField, QT_TRANSLATE_NOOP("CoreMessage", "a profile field, not a score")},
    {Id::ColumnSection, QT_TRANSLATE_NOOP("CoreMessage", "the section, not a score")},
    {Id::ColumnDownloadTime, QT_TRANSLATE_NOOP("CoreMessage", "the time the file was downloaded")},
    {Id::ColumnPlatformTotal,
     QT_TRANSLATE_NOOP("CoreMessage", "a total the platform works out, not an assignment")},
    {Id::MergeNoIdColumn,
     QT_TRANSLATE_NOOP("CoreMessage", "line 1: no column holds student IDs. Title one \"Student "
                                      "ID\", or match by name.")},
    {Id::MergeNoNameColumn,
     QT_TRANSLATE_NOOP("CoreMessage",
                       "line 1: no column holds names. Title one \"Name\" (or \"Last Name\" and "
                       "\"First Name\"), or match by student ID.")},
    {Id::MergeTwoAssignmentsTitled,
     QT_TRANSLATE_NOOP("CoreMessage",
                       "%1: two assignments of the class have this title. Rename one of them, or "
                       "choose the assignment it goes into in the preview.")},
    {Id::MergeSameTitle,
     QT_TRANSLATE_NOOP("CoreMessage", "%1: another column has the same title. Rename one of them, "
                                      "or mark one ignored.")},
    {Id::MergeIntoOneAssignment,
     QT_TRANSLATE_NOOP("CoreMessage",
                       "%1: the columns %2 and %3 both go into %4. Mark one of them ignored.")},
    {Id::MergeTooManyAssignments,
     QT_TRANSLATE_NOOP("CoreMessage", "%1: the class would have more than %2 assignments. Mark "
                                      "the columns it does not need ignored.")},
    {Id::MergeIdTwiceInFile,
     QT_TRANSLATE_NOOP("CoreMessage", "%1: student ID %2 also appears on line %3. Correct one of "
                                      "the two rows, or delete one.")},
    {Id::MergeNameTwiceInFile,
     QT_TRANSLATE_NOOP("CoreMessage", "%1: name %2 also appears on line %3. Correct one of the "
                                      "two rows, or delete one.")},
    {Id::MergeIdTwiceInClass,
     QT_TRANSLATE_NOOP("CoreMessage", "%1: student ID %2 belongs to two students in the class. "
                                      "Tell them apart in the class, or match by name.")},
    {Id::MergeNameTwiceInClass,
     QT_TRANSLATE_NOOP("CoreMessage", "%1: name %2 belongs to two students in the class. Tell "
                                      "them apart in the class, or match by student ID.")},
    {Id::PasteNoScoreCell,
     QT_TRANSLATE_NOOP("CoreMessage", "Choose the score cell the pasted scores begin at.")},
    {Id::PasteTooLarge,
     QT_TRANSLATE_NOOP("CoreMessage", "The pasted scores are %1; from %2 the class has room for "
                                      "%3. Nothing was pasted.")},
    {Id::PasteNotAScore,
     QT_TRANSLATE_NOOP("CoreMessage", "%1 (row %2, column %3 of the pasted cells, %4) is not a "
                                      "score. Nothing was pasted.")},
    {Id::PasteWhere, QT_TRANSLATE_NOOP("CoreMessage", "%1 for %2")},
    {Id::PasteOneRowOneColumn, QT_TRANSLATE_NOOP("CoreMessage", "%1 row by %2 column")},
    {Id::PasteOneRowColumns, QT_TRANSLATE_NOOP("CoreMessage", "%1 row by %2 columns")},
    {Id::PasteRowsOneColumn, QT_TRANSLATE_NOOP("CoreMessage", "%1 rows by %2 column")},
    {Id::PasteRowsColumns, QT_TRANSLATE_NOOP("CoreMessage", "%1 rows by %2 columns")},
    {Id::FileMissing, QT_TRANSLATE_NOOP("CoreMessage", "The file does not exist.")},
    {Id::FileNoReadPermission,
     QT_TRANSLATE_NOOP("CoreMessage", "You do not have permission to read it.")},
    {Id::FileIsFolder, QT_TRANSLATE_NOOP("CoreMessage", "It is a folder, not a file.")},
    {Id::FileIsDevice, QT_TRANSLATE_NOOP("CoreMessage", "It is a device or a pipe, not a file.")},
    {Id::FileTooLarge, QT_TRANSLATE_NOOP("CoreMessage", "At %1 MB it is far larger than %2.")},
    {Id::SystemReason, QT_TRANSLATE_NOOP("CoreMessage", "%1.")},
    {Id::KindCsv, QT_TRANSLATE_NOOP("CoreMessage", "the CSV of any class")},
    {Id::KindClassFile, QT_TRANSLATE_NOOP("CoreMessage", "any class file")},
    {Id::KindWorkbook, QT_TRANSLATE_NOOP("CoreMessage", "a workbook")},
    {Id::ClassCouldNotOpen, QT_TRANSLATE_NOOP("CoreMessage", "Could not open \"%1\". %2")},
    {Id::ClassFileEmpty, QT_TRANSLATE_NOOP("CoreMessage", "%1 is empty: it holds no class.")},
    {Id::ClassFileDamaged,
     QT_TRANSLATE_NOOP("CoreMessage", "%1 is not a Markwise class file, or it is damaged: %2.")},
    {Id::ClassTooLargeToSave,
     QT_TRANSLATE_NOOP("CoreMessage", "Could not save \"%1\". The class would take more than the "
                                      "%2 MB a class file may hold.")},
    {Id::PolicyDamaged,
     QT_TRANSLATE_NOOP("CoreMessage",
                       "The grading policy stored with this class is damaged (%1), so the class "
                       "opened without its policy and score marks. Saving it now writes the class "
                       "without them.")},
    {Id::SaveCouldNotSave, QT_TRANSLATE_NOOP("CoreMessage", "Could not save \"%1\". %2")},
    {Id::SaveNoFolder, QT_TRANSLATE_NOOP("CoreMessage", "The folder does not exist.")},
    {Id::SaveNoWritePermission,
     QT_TRANSLATE_NOOP("CoreMessage", "You do not have permission to write there.")},
    {Id::SaveFolderInWay, QT_TRANSLATE_NOOP("CoreMessage", "A folder of that name is in the way.")},
    {Id::SaveBrokenLink,
     QT_TRANSLATE_NOOP("CoreMessage", "It is a link to \"%1\", which does not exist.")},
    {Id::SaveWriteProtected, QT_TRANSLATE_NOOP("CoreMessage", "The file is write-protected.")},
    {Id::XlsxNoTemporaryFolder,
     QT_TRANSLATE_NOOP("CoreMessage", "no temporary folder could be made for the workbook")},
    {Id::XlsxNotStarted, QT_TRANSLATE_NOOP("CoreMessage", "the workbook could not be started")},
    {Id::XlsxNotWritten, QT_TRANSLATE_NOOP("CoreMessage", "the workbook could not be written: %1")},
    {Id::ProfileNotSaved, QT_TRANSLATE_NOOP("CoreMessage", "Could not save the settings.")},
    {Id::ProfileFolderNotCreated,
     QT_TRANSLATE_NOOP("CoreMessage", "Could not create the settings folder \"%1\". %2")},
    {Id::ProfileCutoffNotWhole,
     QT_TRANSLATE_NOOP("CoreMessage", "The grade cutoff %1 in the settings (\"%2\") is not a "
                                      "whole number; the default %3 is used.")},
    {Id::ProfileUnreadable,
     QT_TRANSLATE_NOOP("CoreMessage", "The settings file \"%1\" could not be read. %2")},
    {Id::ProfileNotRegular,
     QT_TRANSLATE_NOOP("CoreMessage",
                       "The settings file \"%1\" is not a regular file and was ignored.")},
    {Id::ProfileTooLarge,
     QT_TRANSLATE_NOOP("CoreMessage",
                       "The settings file \"%1\" is larger than 1 MiB and was ignored.")},
    {Id::ProfileNulBytes,
     QT_TRANSLATE_NOOP("CoreMessage",
                       "The settings file \"%1\" contains NUL bytes; they were read as spaces.")},
    {Id::ProfileDamaged, QT_TRANSLATE_NOOP("CoreMessage", "The settings file \"%1\" is damaged.")},
    {Id::ProfileLeftAsIs, QT_TRANSLATE_NOOP("CoreMessage", "%1 It was left as it is.")},
    {Id::ClassEndsEarly, QT_TRANSLATE_NOOP("CoreMessage", "it ends before the class is complete")},
    {Id::ClassDamagedText, QT_TRANSLATE_NOOP("CoreMessage", "it holds a damaged text field")},
    {Id::ClassTooManyStudents,
     QT_TRANSLATE_NOOP("CoreMessage", "it says it holds %1 students (at most %2)")},
    {Id::ClassTooManyAssignments,
     QT_TRANSLATE_NOOP("CoreMessage", "it says it holds %1 assignments (at most %2)")},
    {Id::ClassPointsNotANumber,
     QT_TRANSLATE_NOOP("CoreMessage", "Assignment %1: the points possible are not a number")},
    {Id::ClassPointsInfinite,
     QT_TRANSLATE_NOOP("CoreMessage", "Assignment %1: the points possible are infinite")},
    {Id::ClassScoreNotANumber,
     QT_TRANSLATE_NOOP("CoreMessage", "Assignment %1: a score is not a number")},
    {Id::ClassScoreInfinite,
     QT_TRANSLATE_NOOP("CoreMessage", "Assignment %1: a score is infinite")},
    {Id::ClassTooManyScores,
     QT_TRANSLATE_NOOP("CoreMessage", "its assignment %1 has %2 score entries (at most %3)")},
    {Id::PolicyRecordEndsEarly, QT_TRANSLATE_NOOP("CoreMessage", "a record ends early")},
    {Id::PolicyCategoryNameDamaged, QT_TRANSLATE_NOOP("CoreMessage", "a category name is damaged")},
    {Id::PolicyCategoryCount, QT_TRANSLATE_NOOP("CoreMessage", "it holds %1 categories (1 to %2)")},
    {Id::PolicyCategoryNameTooLong,
     QT_TRANSLATE_NOOP("CoreMessage", "a category name is longer than %1 characters")},
    {Id::PolicyWeightOutOfRange,
     QT_TRANSLATE_NOOP("CoreMessage", "a category's weight or drop count is out of range")},
    {Id::PolicyCategoriesTooLong,
     QT_TRANSLATE_NOOP("CoreMessage", "a categories record is longer than it holds")},
    {Id::PolicyCategoriesMismatch,
     QT_TRANSLATE_NOOP("CoreMessage", "its assignment categories do not match the assignments")},
    {Id::PolicyAssignmentNoCategory,
     QT_TRANSLATE_NOOP("CoreMessage", "assignment %1 is in no category")},
    {Id::PolicyMarksMismatch,
     QT_TRANSLATE_NOOP("CoreMessage", "its marks record does not hold what it counts")},
    {Id::PolicyMarkOutside,
     QT_TRANSLATE_NOOP("CoreMessage", "it marks a score the class does not hold")},
    {Id::PolicyRecordPastBlock, QT_TRANSLATE_NOOP("CoreMessage", "a record runs past the block")},
    {Id::PolicyRecordTwice, QT_TRANSLATE_NOOP("CoreMessage", "a record appears twice")},
    {Id::PolicyCategoriesOrder,
     QT_TRANSLATE_NOOP("CoreMessage", "its assignment categories come before the categories")},
    {Id::PolicyNoCategories,
     QT_TRANSLATE_NOOP("CoreMessage", "it gives the assignments no categories")},
    {Id::PolicyHeaderShort, QT_TRANSLATE_NOOP("CoreMessage", "it ends inside its header")},
    {Id::PolicyNewerVersion,
     QT_TRANSLATE_NOOP("CoreMessage", "it is of version %1, newer than this program")},
    {Id::PolicyPastFile, QT_TRANSLATE_NOOP("CoreMessage", "it runs past the end of the file")},
    {Id::PolicyChecksum, QT_TRANSLATE_NOOP("CoreMessage", "its checksum does not match")},
}};

// The table lists every id once, in the enum's order, so that an id is its own index.
constexpr bool InOrder() {
    for (std::size_t i = 0; i < kEnglish.size(); ++i) {
        if (static_cast<std::size_t>(kEnglish[i].first) != i)
            return false;
    }
    return static_cast<std::size_t>(Id::PolicyChecksum) + 1 == kEnglish.size();
}
static_assert(InOrder(), "every message has one English template, in the order of MessageId");

} // namespace

std::string_view EnglishTemplate(MessageId id) {
    const auto index = static_cast<std::size_t>(id);
    return index < kEnglish.size() ? kEnglish[index].second : "";
}

std::string FillTemplate(std::string_view pattern, const std::vector<std::string>& args) {
    std::string out;
    out.reserve(pattern.size());
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        const auto number = static_cast<std::size_t>(next - '0');
        if (pattern[i] == '%' && next >= '1' && next <= '9' && number <= args.size()) {
            out += args[number - 1];
            ++i;
        } else {
            out += pattern[i];
        }
    }
    return out;
}

std::string English(const Message& message) {
    if (message.id == MessageId::Text)
        return message.text;
    std::vector<std::string> args;
    args.reserve(message.args.size());
    for (const Message& arg : message.args)
        args.push_back(English(arg));
    return FillTemplate(EnglishTemplate(message.id), args);
}

} // namespace markwise
