// Every sentence of the core rendered in English exactly as the program has always worded it.
#include "core/message.h"

#include <gtest/gtest.h>
#include <set>

using namespace markwise;

namespace {

using Id = MessageId;

const Message kPlace{Id::LineColumn, {"14", "\"Quiz 3\""}};
const Message kLine{Id::Line, {"7"}};

TEST(Message, EveryIdInEnglishAsTheProgramSaysIt) {
    const struct {
        Message message;
        const char* english;
    } cases[] = {
        {Message("as it is: %1"), "as it is: %1"},
        {kLine, "line 7"},
        {kPlace, "line 14, column \"Quiz 3\""},
        {{Id::CsvTooManyColumns, {kPlace, "1000"}},
         "line 14, column \"Quiz 3\": more than 1000 columns. Delete the columns the class does "
         "not need."},
        {{Id::CsvTooManyRows, {kLine}},
         "line 7: more rows than a class can hold (1000 students). Split the file into classes of "
         "at most 1000 students."},
        {Message(Id::CsvReaderNotStarted),
         "the CSV reader could not start. Close other programs, then try again."},
        {Message(Id::CsvNoMemory),
         "not enough memory to read the file. Close other programs, then try again."},
        {{Id::CsvQuoteNotClosed, {kPlace}},
         "line 14, column \"Quiz 3\": a quoted cell is not closed. Add the closing double quote."},
        {{Id::CsvStrayQuote, {kPlace}},
         "line 14, column \"Quiz 3\": a double quote in the wrong place. Quote the whole cell and "
         "double each quote inside it (\"say \"\"hi\"\"\"), or remove the stray quote."},
        {Message(Id::CsvNoHeader), "line 1: the file holds no header row. Start it with a line of "
                                   "column titles, such as \"Name,Quiz 1\"."},
        {{Id::CsvNotAScore, {kPlace, "\"abc\""}},
         "line 14, column \"Quiz 3\": \"abc\" is not a score. Change it, or mark the column "
         "ignored."},
        {{Id::CsvDetailRowsMisplaced, {kPlace, "4"}},
         "line 14, column \"Quiz 3\": the \"Points Possible\" and \"Description\" rows must "
         "follow the header. Move them to lines 2 and 4, as Markwise exports them."},
        {{Id::CsvTooManyStudents, {kLine, "1000"}},
         "line 7: more than 1000 students. Split the file into classes of at most 1000."},
        {{Id::CsvTooManyAssignments, {kPlace, "200"}},
         "line 14, column \"Quiz 3\": more than 200 assignments. Mark the columns the class does "
         "not need ignored, or split the file."},
        {Message(Id::CsvNoNameColumn),
         "line 1: no column holds names or student IDs. Title one \"Name\" or \"Student ID\", or "
         "make a column a name or ID in the import's preview."},
        {{Id::CsvNoPointsPossible, {kPlace, "\"Quiz 3 (N pts)\""}},
         "line 14, column \"Quiz 3\": the file gives no points possible. Add a \"Points "
         "Possible\" row, or the points to the title: \"Quiz 3 (N pts)\"."},
        {{Id::ColumnWorkedOutByPlatform, {"(read only)"}},
         "worked out by the platform (\"(read only)\" as points)"},
        {Message(Id::ColumnHoldsText), "holds text, not scores"},
        {Message(Id::ColumnEmptyUntitled), "empty and untitled"},
        {Message(Id::ColumnIgnoredByTeacher), "ignored by the teacher"},
        {Message(Id::ColumnPlatformUserNumber), "the platform's own user number"},
        {Message(Id::ColumnLoginName), "a login name, not a score"},
        {Message(Id::ColumnProfileField), "a profile field, not a score"},
        {Message(Id::ColumnSection), "the section, not a score"},
        {Message(Id::ColumnDownloadTime), "the time the file was downloaded"},
        {Message(Id::ColumnPlatformTotal), "a total the platform works out, not an assignment"},
        {Message(Id::MergeNoIdColumn),
         "line 1: no column holds student IDs. Title one \"Student ID\", or match by name."},
        {Message(Id::MergeNoNameColumn),
         "line 1: no column holds names. Title one \"Name\" (or \"Last Name\" and \"First "
         "Name\"), or match by student ID."},
        {{Id::MergeTwoAssignmentsTitled, {kPlace}},
         "line 14, column \"Quiz 3\": two assignments of the class have this title. Rename one "
         "of them, or choose the assignment it goes into in the preview."},
        {{Id::MergeSameTitle, {kPlace}},
         "line 14, column \"Quiz 3\": another column has the same title. Rename one of them, or "
         "mark one ignored."},
        {{Id::MergeIntoOneAssignment, {kPlace, "\"A\"", "\"B\"", "\"Quiz\""}},
         "line 14, column \"Quiz 3\": the columns \"A\" and \"B\" both go into \"Quiz\". Mark "
         "one of them ignored."},
        {{Id::MergeTooManyAssignments, {kPlace, "200"}},
         "line 14, column \"Quiz 3\": the class would have more than 200 assignments. Mark the "
         "columns it does not need ignored."},
        {{Id::MergeIdTwiceInFile, {kPlace, "\"S1\"", "3"}},
         "line 14, column \"Quiz 3\": student ID \"S1\" also appears on line 3. Correct one of "
         "the two rows, or delete one."},
        {{Id::MergeNameTwiceInFile, {kLine, "\"Lee, Ann\"", "3"}},
         "line 7: name \"Lee, Ann\" also appears on line 3. Correct one of the two rows, or "
         "delete one."},
        {{Id::MergeIdTwiceInClass, {kPlace, "\"S1\""}},
         "line 14, column \"Quiz 3\": student ID \"S1\" belongs to two students in the class. "
         "Tell them apart in the class, or match by name."},
        {{Id::MergeNameTwiceInClass, {kLine, "\"Lee, Ann\""}},
         "line 7: name \"Lee, Ann\" belongs to two students in the class. Tell them apart in the "
         "class, or match by student ID."},
        {Message(Id::PasteNoScoreCell), "Choose the score cell the pasted scores begin at."},
        {{Id::PasteTooLarge,
          {{Id::PasteRowsColumns, {"3", "2"}},
           {Id::PasteWhere, {"\"Quiz\"", "Lee, Ann"}},
           {Id::PasteOneRowOneColumn, {"1", "1"}}}},
         "The pasted scores are 3 rows by 2 columns; from \"Quiz\" for Lee, Ann the class has "
         "room for 1 row by 1 column. Nothing was pasted."},
        {{Id::PasteNotAScore, {"\"x\"", "2", "1", {Id::PasteWhere, {"\"Quiz\"", "Lee, Ann"}}}},
         "\"x\" (row 2, column 1 of the pasted cells, \"Quiz\" for Lee, Ann) is not a score. "
         "Nothing was pasted."},
        {{Id::PasteWhere, {"\"Quiz\"", "Lee, Ann"}}, "\"Quiz\" for Lee, Ann"},
        {{Id::PasteOneRowOneColumn, {"1", "1"}}, "1 row by 1 column"},
        {{Id::PasteOneRowColumns, {"1", "4"}}, "1 row by 4 columns"},
        {{Id::PasteRowsOneColumn, {"5", "1"}}, "5 rows by 1 column"},
        {{Id::PasteRowsColumns, {"5", "4"}}, "5 rows by 4 columns"},
        {Message(Id::FileMissing), "The file does not exist."},
        {Message(Id::FileNoReadPermission), "You do not have permission to read it."},
        {Message(Id::FileIsFolder), "It is a folder, not a file."},
        {Message(Id::FileIsDevice), "It is a device or a pipe, not a file."},
        {{Id::FileTooLarge, {"130", Message(Id::KindCsv)}},
         "At 130 MB it is far larger than the CSV of any class."},
        {{Id::SystemReason, {"Input/output error"}}, "Input/output error."},
        {Message(Id::KindCsv), "the CSV of any class"},
        {Message(Id::KindClassFile), "any class file"},
        {Message(Id::KindWorkbook), "a workbook"},
        {{Id::ClassCouldNotOpen, {"/a/b.mkw", Message(Id::FileMissing)}},
         "Could not open \"/a/b.mkw\". The file does not exist."},
        {{Id::ClassFileEmpty, {"b.mkw"}}, "b.mkw is empty: it holds no class."},
        {{Id::ClassFileDamaged, {"b.mkw", "it ends before the class is complete"}},
         "b.mkw is not a Markwise class file, or it is damaged: it ends before the class is "
         "complete."},
        {{Id::ClassTooLargeToSave, {"/a/b.mkw", "64"}},
         "Could not save \"/a/b.mkw\". The class would take more than the 64 MB a class file may "
         "hold."},
        {{Id::PolicyDamaged, {"its checksum does not match"}},
         "The grading policy stored with this class is damaged (its checksum does not match), so "
         "the class opened without its policy and score marks. Saving it now writes the class "
         "without them."},
        {{Id::SaveCouldNotSave, {"/a/b.mkw", Message(Id::SaveNoFolder)}},
         "Could not save \"/a/b.mkw\". The folder does not exist."},
        {Message(Id::SaveNoFolder), "The folder does not exist."},
        {Message(Id::SaveNoWritePermission), "You do not have permission to write there."},
        {Message(Id::SaveFolderInWay), "A folder of that name is in the way."},
        {{Id::SaveBrokenLink, {"gone.mkw"}}, "It is a link to \"gone.mkw\", which does not exist."},
        {Message(Id::SaveWriteProtected), "The file is write-protected."},
        {Message(Id::XlsxNoTemporaryFolder), "no temporary folder could be made for the workbook"},
        {Message(Id::XlsxNotStarted), "the workbook could not be started"},
        {{Id::XlsxNotWritten, {"Memory error"}}, "the workbook could not be written: Memory error"},
        {Message(Id::ProfileNotSaved), "Could not save the settings."},
        {{Id::ProfileFolderNotCreated,
          {"/h/.config", {Id::SystemReason, {"Read-only file system"}}}},
         "Could not create the settings folder \"/h/.config\". Read-only file system."},
        {{Id::ProfileCutoffNotWhole, {"B+", "8x", "87"}},
         "The grade cutoff B+ in the settings (\"8x\") is not a whole number; the default 87 is "
         "used."},
        {{Id::ProfileUnreadable, {"/h/M.ini", {Id::SystemReason, {"Permission denied"}}}},
         "The settings file \"/h/M.ini\" could not be read. Permission denied."},
        {{Id::ProfileNotRegular, {"/h/M.ini"}},
         "The settings file \"/h/M.ini\" is not a regular file and was ignored."},
        {{Id::ProfileTooLarge, {"/h/M.ini"}},
         "The settings file \"/h/M.ini\" is larger than 1 MiB and was ignored."},
        {{Id::ProfileNulBytes, {"/h/M.ini"}},
         "The settings file \"/h/M.ini\" contains NUL bytes; they were read as spaces."},
        {{Id::ProfileDamaged, {"/h/M.ini"}}, "The settings file \"/h/M.ini\" is damaged."},
        {{Id::ProfileLeftAsIs, {{Id::ProfileDamaged, {"/h/M.ini"}}}},
         "The settings file \"/h/M.ini\" is damaged. It was left as it is."},
        {{Id::ClassFileDamaged, {"b.mkw", {Id::ClassScoreInfinite, {"2"}}}},
         "b.mkw is not a Markwise class file, or it is damaged: Assignment 2: a score is "
         "infinite."}, // one full stop
        {Message(Id::ClassEndsEarly), "it ends before the class is complete"},
        {Message(Id::ClassDamagedText), "it holds a damaged text field"},
        {{Id::ClassTooManyStudents, {"1001", "1000"}},
         "it says it holds 1001 students (at most 1000)"},
        {{Id::ClassTooManyAssignments, {"201", "200"}},
         "it says it holds 201 assignments (at most 200)"},
        {{Id::ClassPointsNotANumber, {"3"}}, "Assignment 3: the points possible are not a number"},
        {{Id::ClassPointsInfinite, {"3"}}, "Assignment 3: the points possible are infinite"},
        {{Id::ClassScoreNotANumber, {"2"}}, "Assignment 2: a score is not a number"},
        {{Id::ClassScoreInfinite, {"2"}}, "Assignment 2: a score is infinite"},
        {{Id::ClassTooManyScores, {"4", "1001", "1000"}},
         "its assignment 4 has 1001 score entries (at most 1000)"},
        {Message(Id::PolicyRecordEndsEarly), "a record ends early"},
        {Message(Id::PolicyCategoryNameDamaged), "a category name is damaged"},
        {{Id::PolicyCategoryCount, {"0", "10"}}, "it holds 0 categories (1 to 10)"},
        {{Id::PolicyCategoryNameTooLong, {"40"}}, "a category name is longer than 40 characters"},
        {Message(Id::PolicyWeightOutOfRange), "a category's weight or drop count is out of range"},
        {Message(Id::PolicyCategoriesTooLong), "a categories record is longer than it holds"},
        {Message(Id::PolicyCategoriesMismatch),
         "its assignment categories do not match the assignments"},
        {{Id::PolicyAssignmentNoCategory, {"5"}}, "assignment 5 is in no category"},
        {Message(Id::PolicyMarksMismatch), "its marks record does not hold what it counts"},
        {Message(Id::PolicyMarkOutside), "it marks a score the class does not hold"},
        {Message(Id::PolicyRecordPastBlock), "a record runs past the block"},
        {Message(Id::PolicyRecordTwice), "a record appears twice"},
        {Message(Id::PolicyCategoriesOrder),
         "its assignment categories come before the categories"},
        {Message(Id::PolicyNoCategories), "it gives the assignments no categories"},
        {Message(Id::PolicyHeaderShort), "it ends inside its header"},
        {{Id::PolicyNewerVersion, {"9"}}, "it is of version 9, newer than this program"},
        {Message(Id::PolicyPastFile), "it runs past the end of the file"},
        {Message(Id::PolicyChecksum), "its checksum does not match"},
    };
    std::set<Id> seen;
    for (const auto& c : cases) {
        EXPECT_EQ(English(c.message), c.english) << static_cast<int>(c.message.id);
        seen.insert(c.message.id);
    }
    // Every sentence has its case: a new id without one fails here.
    for (int id = 0; !EnglishTemplate(static_cast<Id>(id)).empty() || id == 0; ++id)
        EXPECT_TRUE(seen.contains(static_cast<Id>(id))) << "no case for id " << id;
    EXPECT_EQ(seen.size(), static_cast<std::size_t>(Id::PolicyChecksum) + 1);
}

// Filling in is one pass: an argument's own "%2" or "%" stays, as does a place with no
// argument; an empty message is only the default one.
TEST(Message, FillingKeepsWhatTheArgumentsHold) {
    const struct {
        const char* pattern;
        std::vector<std::string> args;
        const char* filled;
    } cases[] = {
        {"%1 and %2", {"a%2", "b"}, "a%2 and b"},
        {"%2 before %1", {"x", "y"}, "y before x"},
        {"%1 twice %1", {"z"}, "z twice z"},
        {"%1 of %3", {"a"}, "a of %3"},
        {"100% sure, %0 and %", {"a"}, "100% sure, %0 and %"},
        {"%1%1", {"%1"}, "%1%1"},
        {"", {"a"}, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FillTemplate(c.pattern, c.args), c.filled) << c.pattern;

    Message empty;
    EXPECT_TRUE(empty.empty());
    EXPECT_FALSE(Message(Id::CsvNoHeader).empty());
    EXPECT_FALSE(Message("x").empty());
    Message filled{Id::Line, {"3"}};
    filled.clear();
    EXPECT_TRUE(filled.empty());
    EXPECT_EQ(English(filled), "");
}

} // namespace
