#include "csv_platforms.h"

#include "csv_sheet.h"
#include "markwise_doc.h"
#include "number_text.h"

#include <algorithm>
#include <array>
#include <initializer_list>

namespace markwise {

namespace {

using Use = CsvColumnUse;

struct NamedUse {
    std::string_view name; // normalized
    Use use;
    MessageId reason; // Text: not ignored
};

constexpr MessageId kProfile = MessageId::ColumnProfileField;

constexpr std::array<NamedUse, 19> kRosterNames = {{
    {"lastname", Use::Last, {}},
    {"surname", Use::Last, {}},
    {"familyname", Use::Last, {}},
    {"firstname", Use::First, {}},
    {"givenname", Use::First, {}},
    {"name", Use::Full, {}},
    {"student", Use::Full, {}},
    {"studentname", Use::Full, {}},
    {"fullname", Use::Full, {}},
    {"studentid", Use::Id, {}},
    {"idnumber", Use::Id, {}},
    {"sisuserid", Use::Id, {}},
    {"id", Use::Id, {}},
    {"gradelevel", Use::Grade, {}},
    {"grade", Use::Grade, {}},
    {"book", Use::Book, {}},
    {"booknumber", Use::Book, {}},
    {"phone", Use::Phone, {}},
    {"phonenumber", Use::Phone, {}},
}};

constexpr std::array<NamedUse, 7> kCanvasNames = {{
    {"student", Use::Full, {}},
    {"id", Use::Ignored, MessageId::ColumnPlatformUserNumber},
    {"sisuserid", Use::Id, {}},
    {"sisloginid", Use::Ignored, MessageId::ColumnLoginName},
    {"integrationid", Use::Ignored, MessageId::ColumnPlatformUserNumber},
    {"rootaccount", Use::Ignored, kProfile},
    {"section", Use::Ignored, MessageId::ColumnSection},
}};

constexpr std::array<NamedUse, 11> kMoodleNames = {{
    {"firstname", Use::First, {}},
    {"lastname", Use::Last, {}},
    {"surname", Use::Last, {}},
    {"idnumber", Use::Id, {}},
    {"institution", Use::Ignored, kProfile},
    {"department", Use::Ignored, kProfile},
    {"emailaddress", Use::Ignored, kProfile},
    {"username", Use::Ignored, kProfile},
    {"phone", Use::Ignored, kProfile},
    {"city/town", Use::Ignored, kProfile},
    {"lastdownloadedfromthiscourse", Use::Ignored, MessageId::ColumnDownloadTime},
}};

constexpr MessageId kTotal = MessageId::ColumnPlatformTotal;

// Canvas's computed columns: "Current Score", "Unposted Final Grade", "Quizzes Current
// Points", "Override Score", ...
constexpr std::array<std::string_view, 8> kCanvasTotalEnds = {
    "currentscore",  "finalscore",  "currentgrade",  "finalgrade",
    "currentpoints", "finalpoints", "overridescore", "overridegrade"};

// Moodle's "Assignment: Essay 1 (Real)": the activity kinds before the title.
constexpr std::array<std::string_view, 12> kMoodleKinds = {
    "Assignment", "Quiz",     "Forum", "Workshop",      "Lesson", "SCORM package",
    "Database",   "Glossary", "H5P",   "External tool", "Lti",    "Attendance"};
constexpr std::array<std::string_view, 3> kMoodleDisplays = {"(Real)", "(Percentage)", "(Letter)"};

std::optional<HeaderUse> Named(std::string_view normalized, const auto& table) {
    for (const NamedUse& entry : table) {
        if (entry.name == normalized)
            return HeaderUse{entry.use,
                             entry.reason == MessageId::Text ? Message() : Message(entry.reason)};
    }
    return std::nullopt;
}

bool HeaderStartsWith(const std::vector<std::string>& header,
                      std::initializer_list<std::string_view> names) {
    if (header.size() < names.size())
        return false;
    std::size_t c = 0;
    for (const std::string_view name : names) {
        if (NormalizedHeader(header[c++]) != name)
            return false;
    }
    return true;
}

bool HasHeader(const std::vector<std::string>& header, std::string_view name) {
    for (const std::string& text : header) {
        if (NormalizedHeader(text) == name)
            return true;
    }
    return false;
}

// By hand: find_first_not_of calls memchr once per character, which every score cell of
// a large import pays for.
std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

bool IsDigits(std::string_view text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

// Drops a trailing " (...)" whose inside passes test; returns the inside, or nothing.
template <typename Test>
std::optional<std::string_view> DropSuffix(std::string_view& title, Test test) {
    const std::string_view trimmed = Trimmed(title);
    if (!trimmed.ends_with(')'))
        return std::nullopt;
    const std::size_t open = trimmed.rfind('(');
    if (open == std::string_view::npos || open == 0)
        return std::nullopt;
    const std::string_view inside = trimmed.substr(open + 1, trimmed.size() - open - 2);
    if (!test(inside))
        return std::nullopt;
    title = Trimmed(trimmed.substr(0, open));
    return inside;
}

bool DropCanvasId(std::string_view& title) {
    return DropSuffix(title, IsDigits).has_value();
}

void DropMoodleDecoration(std::string_view& title) {
    DropSuffix(title, [](std::string_view inside) {
        for (const std::string_view display : kMoodleDisplays) {
            if (display.substr(1, display.size() - 2) == inside)
                return true;
        }
        return false;
    });
    for (const std::string_view kind : kMoodleKinds) {
        if (title.size() > kind.size() + 1 && title.starts_with(kind) &&
            title[kind.size()] == ':') {
            title = Trimmed(title.substr(kind.size() + 1));
            return;
        }
    }
}

// "(10 pts)", "(10 points)", "(1 pt)": the points possible.
std::optional<double> DropPoints(std::string_view& title) {
    double points = 0.0;
    const auto inside = DropSuffix(title, [&points](std::string_view text) {
        for (const std::string_view unit : {"pts", "points", "pt", "point"}) {
            if (text.size() > unit.size() && text.ends_with(unit) &&
                ParseNumber(text.substr(0, text.size() - unit.size()), points))
                return points >= 0.0;
        }
        return false;
    });
    return inside ? std::optional<double>(points) : std::nullopt;
}

bool ParseCellNumber(std::string_view text, bool decimalComma, double& value) {
    if (!decimalComma || text.find(',') == std::string_view::npos)
        return ParseNumber(text, value);
    std::string copy(text);
    std::replace(copy.begin(), copy.end(), ',', '.');
    return ParseNumber(copy, value);
}

bool SameLetters(std::string_view text, std::string_view lower) {
    if (text.size() != lower.size())
        return false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i] >= 'A' && text[i] <= 'Z' ? static_cast<char>(text[i] + 32) : text[i];
        if (c != lower[i])
            return false;
    }
    return true;
}

} // namespace

std::string NormalizedHeader(std::string_view text) {
    std::string out;
    for (const char c : text) {
        if (c == ' ' || c == '\t' || c == '_')
            continue;
        out += c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    }
    return out;
}

CsvKind DetectCsvKind(const std::vector<std::string>& header) {
    if (HeaderStartsWith(
            header, {"lastname", "firstname", "studentid", "gradelevel", "booknumber", "phone"}))
        return CsvKind::Markwise;
    if (!header.empty() && NormalizedHeader(header[0]) == "student" &&
        (HasHeader(header, "sisuserid") || HasHeader(header, "sisloginid")))
        return CsvKind::Canvas;
    const bool moodleNames = HasHeader(header, "firstname") &&
                             (HasHeader(header, "lastname") || HasHeader(header, "surname"));
    if (moodleNames && (HasHeader(header, "idnumber") || HasHeader(header, "emailaddress") ||
                        HasHeader(header, "lastdownloadedfromthiscourse")))
        return CsvKind::Moodle;
    return CsvKind::Roster;
}

std::optional<HeaderUse> UseOfHeader(CsvKind kind, std::size_t column, std::string_view header) {
    const std::string name = NormalizedHeader(header);
    switch (kind) {
    case CsvKind::Markwise: {
        static constexpr std::array<Use, 6> kFixed = {Use::Last,  Use::First, Use::Id,
                                                      Use::Grade, Use::Book,  Use::Phone};
        if (column < kFixed.size())
            return HeaderUse{kFixed[column], {}};
        return std::nullopt; // the program's own layout holds scores after the details
    }
    case CsvKind::Canvas:
        for (const std::string_view end : kCanvasTotalEnds) {
            if (name.ends_with(end))
                return HeaderUse{Use::Ignored, Message(kTotal)};
        }
        return Named(name, kCanvasNames);
    case CsvKind::Moodle: {
        if (auto use = Named(name, kMoodleNames))
            return use;
        std::string_view title(header);
        DropMoodleDecoration(title);
        if (NormalizedHeader(title).ends_with("total"))
            return HeaderUse{Use::Ignored, Message(kTotal)};
        return std::nullopt;
    }
    case CsvKind::Roster:
        return Named(name, kRosterNames);
    }
    return std::nullopt;
}

CsvDetailRow DetailRowOf(std::string_view firstCell) {
    const std::string label = NormalizedHeader(firstCell);
    if (label == "pointspossible")
        return CsvDetailRow::Points;
    if (label == "description")
        return CsvDetailRow::Description;
    if (label == "category")
        return CsvDetailRow::Category;
    if (label == "muted" || label == "manualposting")
        return CsvDetailRow::PlatformSetting;
    return CsvDetailRow::None;
}

HeaderTitle TitleOfHeader(CsvKind kind, std::string_view header) {
    if (kind == CsvKind::Markwise)
        return {std::string(header), std::nullopt};
    std::string_view title = header;
    if (kind == CsvKind::Canvas)
        DropCanvasId(title);
    if (kind == CsvKind::Moodle)
        DropMoodleDecoration(title);
    std::string_view withoutPoints = title;
    const std::optional<double> points = DropPoints(withoutPoints);
    if (points && !withoutPoints.empty())
        title = withoutPoints;
    // A header of only decorations keeps its text rather than becoming untitled.
    return {std::string(title.empty() ? header : title),
            withoutPoints.empty() ? std::nullopt : points};
}

std::string LooseTitleKey(std::string_view title) {
    std::string_view key = title;
    DropCanvasId(key);
    DropMoodleDecoration(key);
    DropPoints(key);
    return CsvMatchKey(key);
}

double CsvScore::Against(double pointsPossible) const {
    switch (kind) {
    case CsvScoreKind::Points:
        return value;
    case CsvScoreKind::Fraction:
        return value * pointsPossible;
    case CsvScoreKind::MissingWork:
        return 0.0;
    case CsvScoreKind::None:
    case CsvScoreKind::Excused:
    case CsvScoreKind::Text:
        break;
    }
    return MISSING_SCORE;
}

CsvScore ClassifyScoreCell(std::string_view cell, bool decimalComma) {
    const std::string_view text = Trimmed(cell);
    if (text.empty() || text == "-" || SameLetters(text, "n/a"))
        return {CsvScoreKind::None};
    if (SameLetters(text, "ex"))
        return {CsvScoreKind::Excused};
    double value = 0.0;
    // Most cells are plain numbers, and a text that reads as one holds neither '/' nor a
    // closing '%': tried first, it gives what the longer ways below would.
    if (!text.ends_with('%') && ParseCellNumber(text, decimalComma, value))
        return {CsvScoreKind::Points, value};
    if (text.ends_with('%') &&
        ParseCellNumber(text.substr(0, text.size() - 1), decimalComma, value))
        return {CsvScoreKind::Fraction, value / 100.0};
    const std::size_t slash = text.find('/');
    double whole = 0.0;
    if (slash != std::string_view::npos &&
        ParseCellNumber(text.substr(0, slash), decimalComma, value) &&
        ParseCellNumber(text.substr(slash + 1), decimalComma, whole) && whole > 0.0)
        return {CsvScoreKind::Fraction, value / whole, whole};
    return {CsvScoreKind::Text};
}

} // namespace markwise
