#pragma once

#include "csv_read.h"
#include "markwise_doc.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace markwise {

// What a CSV file turned out to be: one of the program's own layouts, recognised by its
// header, or a roster whose columns were recognised by their headers.
enum class CsvKind { Markwise, Canvas, Moodle, Roster };

// A column of scores; texts are Windows-1252 bytes.
struct CsvAssignmentColumn {
    std::string title;
    std::string description;
    double pointsPossible = 0.0; // the "Points Possible" row, else the highest score
};

// One student row; scores hold one entry per assignment column, MISSING_SCORE for blank.
struct CsvStudentRow {
    int line = 0;
    StudentFields fields;
    std::vector<double> scores;
};

// A CSV file read as a class: the students and assignments it holds.
struct CsvSheet {
    CsvKind kind = CsvKind::Roster;
    bool hasIds = false;   // a column holds student IDs
    bool hasNames = false; // columns hold last and first names (or one holds both)
    std::vector<CsvAssignmentColumn> assignments;
    std::vector<CsvStudentRow> students;
    std::vector<std::string> ignoredColumns; // neither details nor scores, left out (UTF-8)
};

// How names, IDs and titles compare when matching: case and surrounding spaces ignored.
std::string CsvMatchKey(std::string_view text);

// Reads the bytes of a CSV file as a class. On bad input returns false and sets error to
// one sentence saying where (`line 17, column "Quiz 3": "twelve" is not a number`).
// A roster column whose title is among scoreTitles (the class merged into) holds scores
// even when some cells are text; other columns with text in them are left out.
bool ReadCsvSheet(std::string_view bytes, CsvSheet& sheet, std::string& error,
                  const std::vector<std::string>& scoreTitles = {});

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

// Both steps; null with error set on bad input.
std::unique_ptr<CMarkwiseDoc> ImportCsvClass(std::string_view bytes, CsvSheet& sheet,
                                             std::string& error);
// Both steps into doc, as FillClassFromSheet fills it; false with error set on bad input.
bool ImportCsvClassInto(std::string_view bytes, CsvSheet& sheet, std::string& error,
                        CMarkwiseDoc& doc);

} // namespace markwise
