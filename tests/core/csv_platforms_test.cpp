#include "core/class_file.h"
#include "core/csv_layout.h"
#include "core/csv_merge.h"
#include "core/csv_sheet.h"
#include "support/class_builder.h"

#include <functional>
#include <gtest/gtest.h>

namespace markwise {
namespace {

using Use = CsvColumnUse;
using test::AddAssignment;
using test::AddStudent;
using test::NewClass;

std::string Fixture(const std::string& name) {
    return std::string(MARKWISE_TEST_DATA) + "/" + name;
}

// "header=use" for every column, with the reason of an ignored one: what the preview lists.
std::vector<std::string> Uses(const CsvSheet& sheet) {
    static const char* const kNames[] = {"ignored", "last", "first", "full",  "id",
                                         "grade",   "book", "phone", "scores"};
    std::vector<std::string> out;
    for (const CsvColumnChoice& c : sheet.columns)
        out.push_back(c.header + "=" + kNames[static_cast<int>(c.use)] +
                      (c.reason.empty() ? "" : ": " + English(c.reason)));
    return out;
}

std::vector<double> Scores(const CMarkwiseDoc& doc, int a) {
    return {doc.m_assignments[a].m_scores.begin(),
            doc.m_assignments[a].m_scores.begin() + doc.StudentsInUse()};
}

constexpr double kNone = MISSING_SCORE;
const std::string kTotal = "ignored: a total the platform works out, not an assignment";

TEST(CsvPlatforms, CanvasExportBecomesItsStudentsAndAssignmentsOnly) {
    CsvSheet sheet;
    std::string error;
    ASSERT_TRUE(LoadCsvSheet(Fixture("canvas_gradebook.csv"), sheet, error)) << error;
    EXPECT_EQ(sheet.kind, CsvKind::Canvas);
    std::vector<std::string> expected = {"Student=full",
                                         "ID=ignored: the platform's own user number",
                                         "SIS User ID=id",
                                         "SIS Login ID=ignored: a login name, not a score",
                                         "Section=ignored: the section, not a score",
                                         "Quiz 1 (88101)=scores",
                                         "Essay (88102)=scores",
                                         "Project (88103)=scores",
                                         "Participation (88104)=scores"};
    for (const char* total : {"Assignments Current Score", "Assignments Final Score",
                              "Current Score", "Unposted Current Score", "Final Score",
                              "Unposted Final Score", "Current Grade", "Final Grade"})
        expected.push_back(total + ("=" + kTotal));
    EXPECT_EQ(Uses(sheet), expected);
    EXPECT_TRUE(PointsNotGiven(sheet.assignments).empty());

    const auto doc = ClassFromSheet(sheet);
    ASSERT_EQ(doc->AssignmentsInUse(), 4);
    ASSERT_EQ(doc->StudentsInUse(), 3);
    const std::pair<const char*, double> assignments[] = {
        {"Quiz 1", 10}, {"Essay", 20}, {"Project", 40}, {"Participation", 5}};
    for (int a = 0; a < 4; ++a) {
        EXPECT_EQ(doc->m_assignments[a].m_title, assignments[a].first);
        EXPECT_EQ(doc->m_assignments[a].m_pointsPossible, assignments[a].second);
    }
    // EX and N/A are no score, 85% of 40 is 34, 17/20 of 20 is 17, "-" is no score.
    EXPECT_EQ(Scores(*doc, 0), (std::vector<double>{9, 7.5, kNone}));
    EXPECT_EQ(Scores(*doc, 1), (std::vector<double>{kNone, 17, 15}));
    EXPECT_EQ(Scores(*doc, 2), (std::vector<double>{34, kNone, 36}));
    EXPECT_EQ(Scores(*doc, 3), (std::vector<double>{5, 4, kNone}));
    EXPECT_EQ(sheet.students[0].scores[1].kind, CsvScoreKind::Excused);
    EXPECT_EQ(doc->m_lastName[0], "Alvarez");
    EXPECT_EQ(doc->m_firstName[0], "Maria");
    EXPECT_EQ(doc->m_studentId[2], "S1003");
}

TEST(CsvPlatforms, MoodleExportAsksForPointsUntilTheTeacherGivesThem) {
    CsvSheet sheet;
    std::string error;
    ASSERT_TRUE(LoadCsvSheet(Fixture("moodle_grades.csv"), sheet, error)) << error;
    EXPECT_EQ(sheet.kind, CsvKind::Moodle);
    const std::string profile = "ignored: a profile field, not a score";
    EXPECT_EQ(Uses(sheet),
              (std::vector<std::string>{
                  "First name=first", "Surname=last", "ID number=id", "Institution=" + profile,
                  "Department=" + profile, "Email address=" + profile,
                  "Assignment: Essay 1 (Real)=scores", "Quiz: Unit quiz (Real)=scores",
                  "Assignment: Project (Real)=scores", "Course total (Real)=" + kTotal,
                  "Last downloaded from this course=ignored: the time the file was "
                  "downloaded"}));
    // No points anywhere: the highest score is only proposed, and a class is refused.
    ASSERT_EQ(sheet.assignments.size(), 3u);
    std::vector<double> proposals;
    for (const CsvAssignmentColumn& a : sheet.assignments) {
        EXPECT_FALSE(a.pointsGiven);
        proposals.push_back(a.pointsPossible);
    }
    EXPECT_EQ(proposals, (std::vector<double>{20, 8.5, 39}));
    EXPECT_EQ(sheet.assignments[0].title, "Essay 1");
    EXPECT_EQ(English(PointsNotGiven(sheet.assignments)),
              "line 1, column \"Assignment: Essay 1 (Real)\": the file gives no points possible. "
              "Add a \"Points Possible\" row, or the points to the title: \"Essay 1 (N pts)\".");

    // The teacher's points, and the e-mail column taken as IDs instead.
    std::vector<CsvColumnChoice> choices = sheet.columns;
    choices[6].points = 20;
    choices[7].points = 10;
    choices[8].points = 40;
    choices[2].use = Use::Ignored;
    choices[5].use = Use::Id;
    std::string bytes;
    ASSERT_TRUE(LoadCsvBytes(Fixture("moodle_grades.csv"), bytes, error));
    ASSERT_TRUE(ReadCsvSheet(bytes, sheet, error, {}, &choices)) << error;
    EXPECT_EQ(English(PointsNotGiven(sheet.assignments)), "");
    EXPECT_EQ(English(sheet.columns[2].reason), "ignored by the teacher");
    const auto doc = ClassFromSheet(sheet);
    ASSERT_EQ(doc->AssignmentsInUse(), 3);
    EXPECT_EQ(doc->m_assignments[2].m_pointsPossible, 40);
    EXPECT_EQ(doc->m_studentId[1], "tbrown@school.example");
    EXPECT_EQ(Scores(*doc, 0), (std::vector<double>{18, kNone, 20}));
    EXPECT_EQ(Scores(*doc, 1), (std::vector<double>{8.5, 7, kNone}));
    EXPECT_EQ(Scores(*doc, 2), (std::vector<double>{39, 31, kNone}));
}

TEST(CsvPlatforms, CellsTitlesAndDetailRows) {
    const std::tuple<const char*, bool, CsvScoreKind, double, double> cells[] = {
        {"", false, CsvScoreKind::None, 0, kNone},
        {" - ", false, CsvScoreKind::None, 0, kNone},
        {"n/A", false, CsvScoreKind::None, 0, kNone},
        {"EX", false, CsvScoreKind::Excused, 0, kNone},
        {"ex ", false, CsvScoreKind::Excused, 0, kNone},
        {"85%", false, CsvScoreKind::Fraction, 0.85, 34},
        {"85.00 %", false, CsvScoreKind::Fraction, 0.85, 34},
        {"17/20", false, CsvScoreKind::Fraction, 0.85, 34},
        {"17,5", true, CsvScoreKind::Points, 17.5, 17.5},
        {"12,5%", true, CsvScoreKind::Fraction, 0.125, 5},
        {"-3", false, CsvScoreKind::Points, -3, -3},
        {" +7\t", false, CsvScoreKind::Points, 7, 7},
        {"1e1", true, CsvScoreKind::Points, 10, 10},
        {"inf", false, CsvScoreKind::Text, 0, kNone},
        {"1e999", false, CsvScoreKind::Text, 0, kNone},
        {"17/0", false, CsvScoreKind::Text, 0, kNone},
        {"17,5", false, CsvScoreKind::Text, 0, kNone},
        {"abc", false, CsvScoreKind::Text, 0, kNone},
        {"%", false, CsvScoreKind::Text, 0, kNone},
    };
    for (const auto& [cell, comma, kind, value, worth] : cells) {
        SCOPED_TRACE(cell);
        const CsvScore score = ClassifyScoreCell(cell, comma);
        EXPECT_EQ(score.kind, kind);
        EXPECT_DOUBLE_EQ(score.value, value);
        EXPECT_DOUBLE_EQ(score.Against(40), worth);
    }

    const std::tuple<CsvKind, const char*, const char*, double> titles[] = {
        {CsvKind::Canvas, "Quiz 1 (88101)", "Quiz 1", -1},
        {CsvKind::Canvas, "Lab (10 pts) (88102)", "Lab", 10},
        {CsvKind::Roster, "Quiz 1 (88101)", "Quiz 1 (88101)", -1},
        {CsvKind::Roster, "Test (12.5 points)", "Test", 12.5},
        {CsvKind::Roster, "(10 pts)", "(10 pts)", -1},
        {CsvKind::Moodle, "Assignment: Essay (Real)", "Essay", -1},
        {CsvKind::Moodle, "Unit 3: Fractions", "Unit 3: Fractions", -1},
        {CsvKind::Markwise, "Quiz (10 pts)", "Quiz (10 pts)", -1},
    };
    for (const auto& [kind, header, title, points] : titles) {
        SCOPED_TRACE(header);
        const HeaderTitle got = TitleOfHeader(kind, header);
        EXPECT_EQ(got.title, title);
        EXPECT_EQ(got.points.value_or(-1), points);
    }
    EXPECT_EQ(LooseTitleKey(" Quiz 1 (88101)"), "quiz 1");
    EXPECT_EQ(LooseTitleKey("Assignment: QUIZ 1 (Real)"), "quiz 1");
    EXPECT_EQ(LooseTitleKey("Quiz 1 (a)"), "quiz 1 (a)");

    const std::pair<const char*, CsvDetailRow> rows[] = {
        {"    Points Possible", CsvDetailRow::Points},
        {"Description", CsvDetailRow::Description},
        {"Muted", CsvDetailRow::PlatformSetting},
        {"Manual Posting", CsvDetailRow::PlatformSetting},
        {"Lee, Ann", CsvDetailRow::None}};
    for (const auto& [label, row] : rows)
        EXPECT_EQ(DetailRowOf(label), row) << label;

    // Recognised by their headers wherever the columns stand.
    const std::pair<std::vector<std::string>, CsvKind> headers[] = {
        {{"Student", "ID", "SIS User ID", "SIS Login ID", "Integration ID", "Section"},
         CsvKind::Canvas},
        {{"Student", "SIS Login ID"}, CsvKind::Canvas},
        {{"Student", "ID"}, CsvKind::Roster},
        {{"Surname", "First name", "Email address"}, CsvKind::Moodle},
        {{"First name", "Last name", "ID number"}, CsvKind::Moodle},
        {{"First name", "Last name"}, CsvKind::Roster},
    };
    for (const auto& [header, kind] : headers)
        EXPECT_EQ(DetectCsvKind(header), kind) << header[0] << "," << header[1];
}

TEST(CsvPlatforms, RefusalsSayWhereAndWhatToDoUntilTheColumnIsIgnored) {
    CsvSheet sheet;
    std::string error;
    const std::string path = Fixture("canvas_bad_score.csv");
    EXPECT_FALSE(LoadCsvSheet(path, sheet, error));
    EXPECT_EQ(error, "line 4, column \"Essay (88102)\": \"abc\" is not a score. Change it, or "
                     "mark the column ignored.");
    EXPECT_TRUE(sheet.columns.empty() && sheet.students.empty());
    const std::pair<std::string, std::string> cases[] = {
        {"Name,Quiz\nAnn,9\nBob,x9\n",
         "line 3, column \"Quiz\": \"x9\" is not a score. Change it, or mark the column ignored."},
        {"Last Name,First Name,Student ID,Grade Level,Book Number,Phone,Lab\n"
         "Points Possible,,,,,,ten\nDescription,,,,,,\n",
         "line 2, column \"Lab\": \"ten\" is not a score. Change it, or mark the column ignored."},
    };
    for (const auto& [csv, message] : cases) {
        EXPECT_FALSE(ReadCsvSheet(csv, sheet, error));
        EXPECT_EQ(error, message);
    }

    // Ignored, the column goes; the "Manual Posting" row is no student.
    std::string bytes;
    ASSERT_TRUE(LoadCsvBytes(path, bytes, error));
    std::vector<CsvColumnChoice> choices(8);
    for (int c = 0; c < 8; ++c)
        choices[c].use = c == 0   ? Use::Full
                         : c == 2 ? Use::Id
                         : c == 5 ? Use::Scores
                                  : Use::Ignored;
    ASSERT_TRUE(ReadCsvSheet(bytes, sheet, error, {}, &choices)) << error;
    ASSERT_EQ(sheet.assignments.size(), 1u);
    ASSERT_EQ(sheet.students.size(), 2u);
    EXPECT_EQ(sheet.students[0].line, 4);
    EXPECT_EQ(sheet.students[0].scores[0].value, 10);
    EXPECT_EQ(sheet.assignments[0].pointsPossible, 10);
}

// Lee, Ann (7) and Smith, Bob (8): Quiz 1 of 10 (9, 6), Essay of 25 (none, 20).
std::unique_ptr<CMarkwiseDoc> MergeClass() {
    auto doc = NewClass();
    AddStudent(*doc, "Lee", "Ann", "7");
    AddStudent(*doc, "Smith", "Bob", "8");
    AddAssignment(*doc, 10, {9, 6}, "Quiz 1");
    AddAssignment(*doc, 25, {kNone, 20}, "Essay");
    return doc;
}

TEST(CsvPlatforms, MergeMatchesPlatformTitlesAndKeepsTheClassPoints) {
    auto doc = MergeClass();
    const std::string csv = "Student,SIS User ID,Quiz 1 (88101),Essay (88102),Project (88103)\n"
                            "Points Possible,,20,20,40\n"
                            "\"Lee, Ann\",7,10,17/20,-\n\"Smith, Bob\",8,-,EX,85%\n";
    CsvSheet sheet;
    MergePlan plan;
    std::string error;
    ASSERT_TRUE(ReadCsvSheet(csv, sheet, error, AssignmentTitles(*doc)));
    ASSERT_TRUE(PlanMerge(*doc, sheet, MergeMatch::Id, plan, error)) << error;
    ASSERT_EQ(plan.columns.size(), 3u);
    EXPECT_EQ(plan.columns[0].target, 0);
    EXPECT_TRUE(plan.columns[0].loose);
    EXPECT_EQ(plan.columns[1].target, 1);
    EXPECT_EQ(plan.columns[2].target, kNewAssignment);
    ASSERT_EQ(plan.added.size(), 1u);
    EXPECT_EQ(plan.added[0].title, "Project");
    ApplyMergePlan(*doc, plan);
    ASSERT_EQ(doc->AssignmentsInUse(), 3);
    // The class keeps 10 and 25 points; 17/20 of 25 is 21.25; EX leaves no score.
    EXPECT_EQ(doc->m_assignments[0].m_pointsPossible, 10);
    EXPECT_EQ(doc->m_assignments[1].m_pointsPossible, 25);
    EXPECT_EQ(Scores(*doc, 0), (std::vector<double>{10, 6}));
    EXPECT_EQ(Scores(*doc, 1), (std::vector<double>{21.25, kNone}));
    EXPECT_EQ(Scores(*doc, 2), (std::vector<double>{kNone, 34}));

    // The teacher's matches: Project into Quiz 1 while the quiz column goes in new.
    doc = MergeClass();
    const std::vector<int> targets = {kNewAssignment, 1, 0};
    ASSERT_TRUE(PlanMerge(*doc, sheet, MergeMatch::Id, plan, error, &targets)) << error;
    ASSERT_EQ(plan.added.size(), 1u);
    EXPECT_EQ(plan.added[0].title, "Quiz 1");
    EXPECT_EQ(plan.added[0].pointsPossible, 20);
    EXPECT_FALSE(plan.columns[2].loose);

    // Refused with the class unchanged: two columns into one assignment, new columns without
    // points, and an exact title wins over a loose one.
    const auto before = WriteClass(*doc);
    const std::vector<int> twice = {0, 0, kNewAssignment};
    EXPECT_FALSE(PlanMerge(*doc, sheet, MergeMatch::Id, plan, error, &twice));
    EXPECT_EQ(error, "line 1, column \"Essay (88102)\": the columns \"Quiz 1 (88101)\" and \"Essay "
                     "(88102)\" both go into "
                     "\"Quiz 1\". Mark one of them ignored.");
    ASSERT_TRUE(
        ReadCsvSheet("ID number,Quiz 1 (Real),Lab\n7,5,3\n", sheet, error, AssignmentTitles(*doc)));
    EXPECT_FALSE(PlanMerge(*doc, sheet, MergeMatch::Id, plan, error));
    EXPECT_EQ(error, "line 1, column \"Lab\": the file gives no points possible. Add a \"Points "
                     "Possible\" row, or the points to the title: \"Lab (N pts)\".");
    EXPECT_EQ(WriteClass(*doc), before);
    AcceptProposedPoints(sheet.assignments);
    ASSERT_TRUE(PlanMerge(*doc, sheet, MergeMatch::Id, plan, error)) << error;
    EXPECT_EQ(plan.added[0].pointsPossible, 3);
    // A class imported from a file whose cleaned titles would meet keeps them apart, and
    // the same file merges back into it changing nothing.
    ASSERT_TRUE(
        ReadCsvSheet("Student,SIS User ID,A (1),A (1) (2),a (3)\nLee,7,1,2,3\n", sheet, error));
    std::vector<std::string> titles;
    for (const CsvAssignmentColumn& a : sheet.assignments)
        titles.push_back(a.title);
    EXPECT_EQ(titles, (std::vector<std::string>{"A (1)", "A (1) (2)", "a (3)"}));
    auto imported = ClassFromSheet(sheet);
    ASSERT_TRUE(PlanMerge(*imported, sheet, MergeMatch::Id, plan, error)) << error;
    EXPECT_TRUE(plan.added.empty() && plan.changes.empty());
    ASSERT_TRUE(ReadCsvSheet("Student,SIS User ID,A (1),B (1) (2)\nLee,7,1,2\n", sheet, error));
    EXPECT_EQ(sheet.assignments[1].title, "B (1)");
    AddAssignment(*doc, 5, {}, "Quiz 1 (88101)");
    ASSERT_TRUE(ReadCsvSheet("ID number,Quiz 1 (88101)\n7,5\n", sheet, error));
    ASSERT_TRUE(PlanMerge(*doc, sheet, MergeMatch::Id, plan, error)) << error;
    EXPECT_EQ(plan.columns[0].target, 2);
    EXPECT_FALSE(plan.columns[0].loose);
}

// Everything a sheet holds, for comparing two ways of building it.
std::string Digest(const CsvSheet& sheet) {
    std::string out = std::to_string(int(sheet.kind)) + (sheet.hasIds ? "i" : "") +
                      (sheet.hasNames ? "n" : "") + "\n";
    for (const CsvColumnChoice& c : sheet.columns)
        out += c.header + "|" + std::to_string(int(c.use)) + "|" + English(c.reason) + "|" +
               (c.points ? std::to_string(*c.points) : "-") + "|" +
               std::to_string(c.proposedPoints) + "\n";
    for (const CsvAssignmentColumn& a : sheet.assignments)
        out += a.title + "|" + a.header + "|" + a.description + "|" + a.category + "|" +
               std::to_string(a.pointsPossible) + (a.pointsGiven ? "g" : "") + "|" +
               std::to_string(a.column) + "\n";
    for (const CsvStudentRow& r : sheet.students) {
        out += std::to_string(r.line) + "|" + r.fields.lastName + "|" + r.fields.firstName + "|" +
               r.fields.studentId;
        for (const CsvScore& score : r.scores)
            out += "|" + std::to_string(int(score.kind)) + ":" + std::to_string(score.value) + "/" +
                   std::to_string(score.outOf);
        out += "\n";
    }
    for (const std::string& ignored : sheet.ignoredColumns)
        out += ignored + ";";
    return out;
}

// The teacher's choices applied to the sheet already read give what reading the cells again
// with them gives: points confirmed, changed or left to the class, and uses changed.
TEST(CsvPlatforms, ChoicesAppliedInPlaceMatchAFreshRead) {
    for (const char* name : {"canvas_gradebook.csv", "moodle_grades.csv"}) {
        std::string bytes, error;
        CsvTable cells;
        CsvSheet read;
        ASSERT_TRUE(LoadCsvBytes(Fixture(name), bytes, error) &&
                    ReadSheetCells(bytes, cells, error) && SheetFromCells(cells, read, error))
            << error;
        const auto firstScores = static_cast<std::size_t>(read.assignments.at(0).column);
        const auto lastScores = static_cast<std::size_t>(read.assignments.back().column);
        using Change = std::function<void(std::vector<CsvColumnChoice>&)>;
        const Change kChanges[] = {
            [](auto&) {}, // OK pressed on the proposal
            [&](auto& c) { c[firstScores].points = 7.5; },
            [&](auto& c) { c[lastScores].points.reset(); }, // goes into the class's own
            [&](auto& c) { c[firstScores].use = Use::Ignored; },
            [&](auto& c) { c[0].use = Use::Scores; }, // a name column made scores: refused
        };
        for (std::size_t k = 0; k < std::size(kChanges); ++k) {
            std::vector<CsvColumnChoice> choices = read.columns;
            for (CsvColumnChoice& choice : choices) // as the preview hands them back
                if (choice.use == Use::Scores)
                    choice.points = choice.points.value_or(choice.proposedPoints);
            kChanges[k](choices);
            CsvSheet fresh, inPlace = read;
            Message freshError, inPlaceError;
            const bool freshRead = SheetFromCells(cells, fresh, freshError, {}, &choices);
            EXPECT_EQ(SheetWithChoices(cells, inPlace, inPlaceError, {}, choices), freshRead)
                << name << " change " << k;
            EXPECT_EQ(English(inPlaceError), English(freshError)) << name << " change " << k;
            EXPECT_EQ(Digest(inPlace), Digest(fresh)) << name << " change " << k;
            if (k == 1 || k == 3) { // a real change, so the comparison can tell
                EXPECT_NE(Digest(inPlace), Digest(read)) << name << " change " << k;
            }
        }
    }
}

} // namespace
} // namespace markwise
