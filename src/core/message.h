#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace markwise {

// Every sentence the core builds for the user, by what it says. The English of each is in
// message.cpp; the desktop translates the same template and fills in the same arguments.
enum class MessageId {
    Text, // no template: the text itself (a file's cell, a path, the system's own words)
    // Where in a CSV file.
    Line,
    LineColumn,
    // Reading CSV cells.
    CsvTooManyColumns,
    CsvTooManyRows,
    CsvReaderNotStarted,
    CsvNoMemory,
    CsvQuoteNotClosed,
    CsvStrayQuote,
    CsvNoHeader,
    // Reading a CSV file as a class.
    CsvNotAScore,
    CsvDetailRowsMisplaced,
    CsvTooManyStudents,
    CsvTooManyAssignments,
    CsvNoNameColumn,
    CsvNoPointsPossible,
    // Why a column of a CSV file is ignored.
    ColumnWorkedOutByPlatform,
    ColumnHoldsText,
    ColumnEmptyUntitled,
    ColumnIgnoredByTeacher,
    ColumnPlatformUserNumber,
    ColumnLoginName,
    ColumnProfileField,
    ColumnSection,
    ColumnDownloadTime,
    ColumnPlatformTotal,
    // Merging a CSV file's scores into a class.
    MergeNoIdColumn,
    MergeNoNameColumn,
    MergeTwoAssignmentsTitled,
    MergeSameTitle,
    MergeIntoOneAssignment,
    MergeTooManyAssignments,
    MergeIdTwiceInFile,
    MergeNameTwiceInFile,
    MergeIdTwiceInClass,
    MergeNameTwiceInClass,
    // Pasting scores.
    PasteNoScoreCell,
    PasteTooLarge,
    PasteNotAScore,
    PasteWhere,
    PasteOneRowOneColumn,
    PasteOneRowColumns,
    PasteRowsOneColumn,
    PasteRowsColumns,
    // Reading a file.
    FileMissing,
    FileNoReadPermission,
    FileIsFolder,
    FileIsDevice,
    FileTooLarge,
    SystemReason,
    KindCsv,
    KindClassFile,
    KindWorkbook,
    // Opening and saving a class file.
    ClassCouldNotOpen,
    ClassFileEmpty,
    ClassFileDamaged,
    ClassTooLargeToSave,
    PolicyDamaged,
    // Writing a file.
    SaveCouldNotSave,
    SaveNoFolder,
    SaveNoWritePermission,
    SaveFolderInWay,
    SaveBrokenLink,
    SaveWriteProtected,
    // Writing a workbook.
    XlsxNoTemporaryFolder,
    XlsxNotStarted,
    XlsxNotWritten,
    // Reading and writing the settings.
    ProfileNotSaved,
    ProfileFolderNotCreated,
    ProfileCutoffNotWhole,
    ProfileUnreadable,
    ProfileNotRegular,
    ProfileTooLarge,
    ProfileNulBytes,
    ProfileDamaged,
    ProfileLeftAsIs,
    // What the class reader found in a damaged file.
    ClassEndsEarly,
    ClassDamagedText,
    ClassTooManyStudents,
    ClassTooManyAssignments,
    ClassPointsNotANumber,
    ClassPointsInfinite,
    ClassScoreNotANumber,
    ClassScoreInfinite,
    ClassTooManyScores,
    PolicyRecordEndsEarly,
    PolicyCategoryNameDamaged,
    PolicyCategoryCount,
    PolicyCategoryNameTooLong,
    PolicyWeightOutOfRange,
    PolicyCategoriesTooLong,
    PolicyCategoriesMismatch,
    PolicyAssignmentNoCategory,
    PolicyMarksMismatch,
    PolicyMarkOutside,
    PolicyRecordPastBlock,
    PolicyRecordTwice,
    PolicyCategoriesOrder,
    PolicyNoCategories,
    PolicyHeaderShort,
    PolicyNewerVersion,
    PolicyPastFile,
    PolicyChecksum,
};

// One sentence: what it says and its arguments, each a text or a sentence of its own.
struct Message {
    MessageId id = MessageId::Text;
    std::string text; // Text only (UTF-8)
    std::vector<Message> args;

    Message() = default;
    // A text shown as it is; a number is its digits, as the core writes them.
    Message(std::string shown) : text(std::move(shown)) {} // NOLINT: texts are arguments
    Message(const char* shown) : text(shown) {}            // NOLINT: texts are arguments
    Message(MessageId which, std::vector<Message> arguments)
        : id(which), args(std::move(arguments)) {}
    explicit Message(MessageId which) : id(which) {}

    bool empty() const { return id == MessageId::Text && text.empty(); }
    void clear() { *this = Message(); }
};

// The English template of a sentence, its arguments as %1, %2, ... ("" for Text).
std::string_view EnglishTemplate(MessageId id);
// The template with each %N replaced by args[N-1] in one pass, so that an argument's own
// "%2" stays as it is; a %N with no argument stays too.
std::string FillTemplate(std::string_view pattern, const std::vector<std::string>& args);
// The message in English, as markwise-cli prints it.
std::string English(const Message& message);

// Calls run(message) and, when it fails, sets error to the message in English: the plain
// text form of a function that reports a Message.
template <class Run> bool InEnglish(std::string& error, Run&& run) {
    Message message;
    const bool ok = run(message);
    if (!ok)
        error = English(message);
    return ok;
}

} // namespace markwise
