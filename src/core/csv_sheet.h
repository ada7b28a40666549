#pragma once

#include "csv_platforms.h"
#include "csv_read.h"
#include "markwise_doc.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace markwise {

// What one column of the file became, and why when it is ignored; the import preview shows
// these and hands changed ones back to ReadCsvSheet.
struct CsvColumnChoice {
    std::string header; // as the file holds it
    CsvColumnUse use = CsvColumnUse::Ignored;
    Message reason;               // why it is ignored, empty otherwise
    std::optional<double> points; // points possible, when the file or the teacher gives them
    double proposedPoints = 0.0;  // the highest score (or a fraction's whole), only a proposal
};

// A column of scores.
struct CsvAssignmentColumn {
    std::string title; // the header without a platform's decorations
    std::string header;
    std::string description;
    std::string category;        // the program's own layout: the "Category" row's cell
    double pointsPossible = 0.0; // the proposal when !pointsGiven
    bool pointsGiven = true;     // false: neither the file nor the teacher gave them
    int column = 0;              // 0-based, in the file
};

// One student row; scores hold one entry per assignment column.
struct CsvStudentRow {
    int line = 0;
    StudentFields fields;
    std::vector<CsvScore> scores;
};

// A CSV file read as a class: the students and assignments it holds.
struct CsvSheet {
    CsvKind kind = CsvKind::Roster;
    bool hasIds = false;                  // a column holds student IDs
    bool hasNames = false;                // columns hold last and first names (or one holds both)
    std::vector<CsvColumnChoice> columns; // every column of the file, in file order
    std::vector<CsvAssignmentColumn> assignments;
    std::vector<CsvStudentRow> students;
    std::vector<std::string> ignoredColumns; // neither details nor scores, left out (UTF-8)
};

// Empty when every assignment has its points possible; else one sentence naming the first
// that has none and saying what to do.
Message PointsNotGiven(const std::vector<CsvAssignmentColumn>& assignments);
// Takes each proposal as the points possible: what a teacher asks for explicitly.
void AcceptProposedPoints(std::vector<CsvAssignmentColumn>& assignments);

// How names, IDs and titles compare when matching: case and surrounding spaces ignored.
std::string CsvMatchKey(std::string_view text);

// Reads the bytes of a CSV file as a class. On bad input returns false and sets error to
// one sentence saying where and what to do (`line 17, column "Quiz 3": "twelve" is not a
// score. Change it, or mark the column ignored.`). A roster column whose title is among
// scoreTitles (the class merged into) holds scores even when some cells are text; other
// columns with text in them are left out. choices, when given, are the columns as the
// teacher set them in the preview (one per column of the same file).
bool ReadCsvSheet(std::string_view bytes, CsvSheet& sheet, std::string& error,
                  const std::vector<std::string>& scoreTitles = {},
                  const std::vector<CsvColumnChoice>* choices = nullptr);
bool ReadCsvSheet(std::string_view bytes, CsvSheet& sheet, Message& error,
                  const std::vector<std::string>& scoreTitles = {},
                  const std::vector<CsvColumnChoice>* choices = nullptr);

// A new class holding the sheet's students and assignments in file order.
std::unique_ptr<CMarkwiseDoc> ClassFromSheet(const CsvSheet& sheet);
// The same into doc, which must be new or filled by this before: only the slots an
// earlier sheet filled are cleared, so that callers importing many files in a row (the
// fuzzer) need not build a class of 2 MB each time.
void FillClassFromSheet(const CsvSheet& sheet, CMarkwiseDoc& doc);

// Reads a whole CSV file as a class; error ("line 3: ..." or "The file does not exist.")
// does not name the file.
bool LoadCsvSheet(const std::string& path, CsvSheet& sheet, std::string& error,
                  const std::vector<std::string>& scoreTitles = {});
// ReadCsvSheet in its two steps, so that a preview reads the file's cells once and builds
// the sheet again from them with the teacher's choices.
bool ReadSheetCells(std::string_view bytes, CsvTable& table, std::string& error);
bool ReadSheetCells(std::string_view bytes, CsvTable& table, Message& error);
bool SheetFromCells(const CsvTable& table, CsvSheet& sheet, std::string& error,
                    const std::vector<std::string>& scoreTitles = {},
                    const std::vector<CsvColumnChoice>* choices = nullptr);
bool SheetFromCells(const CsvTable& table, CsvSheet& sheet, Message& error,
                    const std::vector<std::string>& scoreTitles = {},
                    const std::vector<CsvColumnChoice>* choices = nullptr);
// The sheet built again with the teacher's choices, as SheetFromCells(table, sheet, error,
// scoreTitles, &choices) would build it; sheet must be what SheetFromCells made of table
// with the same scoreTitles. Where every column keeps its use, only points change, so the
// file's cells are not read again.
bool SheetWithChoices(const CsvTable& table, CsvSheet& sheet, Message& error,
                      const std::vector<std::string>& scoreTitles,
                      const std::vector<CsvColumnChoice>& choices);
// The bytes LoadCsvSheet reads.
bool LoadCsvBytes(const std::string& path, std::string& bytes, std::string& error);
bool LoadCsvBytes(const std::string& path, std::string& bytes, Message& error);

// Both steps; null with error set on bad input.
std::unique_ptr<CMarkwiseDoc> ImportCsvClass(std::string_view bytes, CsvSheet& sheet,
                                             std::string& error);
// Both steps into doc, as FillClassFromSheet fills it; false with error set on bad input.
bool ImportCsvClassInto(std::string_view bytes, CsvSheet& sheet, std::string& error,
                        CMarkwiseDoc& doc);

} // namespace markwise
