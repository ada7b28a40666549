#pragma once

#include "grading_policy.h"
#include "message.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace markwise {

// What a CSV file turned out to be: one of the program's own layouts or a learning
// platform's export, recognised by its header, or a roster whose columns were recognised
// by their headers.
enum class CsvKind { Markwise, Canvas, Moodle, Roster };

// What one column of a file becomes: a student field, scores, or nothing.
enum class CsvColumnUse { Ignored, Last, First, Full, Id, Grade, Book, Phone, Scores };

// Header texts compare with case, spaces, tabs and underscores ignored.
std::string NormalizedHeader(std::string_view text);

CsvKind DetectCsvKind(const std::vector<std::string>& header);

// The use a column's header alone decides, with the reason when it is ignored (UTF-8):
// identity columns become student fields; a platform's profile, total and time columns
// are ignored; any other column is nullopt, scores if its cells are numbers.
struct HeaderUse {
    CsvColumnUse use = CsvColumnUse::Scores;
    Message reason;
};
std::optional<HeaderUse> UseOfHeader(CsvKind kind, std::size_t column, std::string_view header);

// Rows under the header that hold no student: what each is for.
enum class CsvDetailRow { None, Points, Category, Description, PlatformSetting };
CsvDetailRow DetailRowOf(std::string_view firstCell);

// The title an assignment gets from its header: a "(10 pts)" points suffix goes; so do a
// platform's id suffix "(88101)" (Canvas), its "Assignment: " kind prefix and "(Real)"
// display suffix (Moodle). Points come out of the header when it gives them.
struct HeaderTitle {
    std::string title;
    std::optional<double> points;
};
HeaderTitle TitleOfHeader(CsvKind kind, std::string_view header);
// The key a title is matched by when no title matches exactly: any platform's suffixes and
// kind prefix dropped, case and surrounding spaces ignored.
std::string LooseTitleKey(std::string_view title);

// A score cell as a platform writes it: "-", "", "N/A" are no score, "EX" excused; "85%"
// and "17/20" are fractions of the points possible, anything else a number or text.
// MissingWork ("M", worth 0) only in the program's own layout.
enum class CsvScoreKind { None, Excused, Points, Fraction, Text, MissingWork };
struct CsvScore {
    CsvScoreKind kind = CsvScoreKind::None;
    double value = 0.0; // the points, or the fraction (0.85)
    double outOf = 0.0; // a fraction's whole: 20 for "17/20"

    // The score it is worth against the points possible; MISSING_SCORE when none (an
    // excused score is kept as no score).
    double Against(double pointsPossible) const;
    // The mark the cell sets with its score: "EX" excused, "M" missing work, else none.
    ScoreMark Mark() const {
        return kind == CsvScoreKind::Excused       ? ScoreMark::Excused
               : kind == CsvScoreKind::MissingWork ? ScoreMark::MissingWork
                                                   : ScoreMark::None;
    }
    bool operator==(const CsvScore&) const = default;
};
// decimalComma: the file separates with semicolons and may write "17,5".
CsvScore ClassifyScoreCell(std::string_view cell, bool decimalComma);

} // namespace markwise
