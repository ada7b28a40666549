#include "csv_merge.h"

#include "capacity.h"
#include "markwise_doc.h"

#include <unordered_map>

namespace markwise {

namespace {

constexpr int kAmbiguous = -1;

std::string Key(std::string_view text) {
    return CsvMatchKey(text);
}

// Empty when the student has nothing to be matched by.
std::string StudentKey(MergeMatch match, const std::string& last, const std::string& first,
                       const std::string& id) {
    if (match == MergeMatch::Id)
        return Key(id);
    std::string lastKey = Key(last);
    std::string firstKey = Key(first);
    if (lastKey.empty() && firstKey.empty())
        return {};
    // Length-prefixed, since a name may hold any byte.
    return std::to_string(lastKey.size()) + ':' + lastKey + firstKey;
}

std::string Quoted(const std::string& text) {
    return QuotedForMessage(text);
}

// Index of each key in the class, kAmbiguous for a key two entries share.
template <typename KeyOf> std::unordered_map<std::string, int> IndexOf(int count, KeyOf keyOf) {
    std::unordered_map<std::string, int> index;
    index.reserve(static_cast<std::size_t>(count) * 2);
    for (int i = 0; i < count; ++i) {
        std::string key = keyOf(i);
        if (key.empty())
            continue;
        const auto [it, inserted] = index.emplace(std::move(key), i);
        if (!inserted)
            it->second = kAmbiguous;
    }
    return index;
}

class MergePlanner {
public:
    MergePlanner(const CMarkwiseDoc& doc, const CsvSheet& sheet, MergeMatch match, MergePlan& plan,
                 Message& error, const std::vector<int>* targets)
        : m_doc(doc), m_sheet(sheet), m_match(match), m_plan(plan), m_error(error),
          m_targets(targets) {}

    bool Plan() {
        if (m_match == MergeMatch::Id && !m_sheet.hasIds)
            return Fail(Message(MessageId::MergeNoIdColumn));
        if (m_match == MergeMatch::Name && !m_sheet.hasNames)
            return Fail(Message(MessageId::MergeNoNameColumn));
        return MatchAssignments() && MatchStudents();
    }

private:
    bool Fail(Message message) {
        m_error = std::move(message);
        return false;
    }

    // `line 1, column "Quiz"`: where a column's title is.
    static Message HeaderPlace(const CsvAssignmentColumn& column) {
        return {MessageId::LineColumn,
                {"1", column.header.empty() ? std::to_string(column.column + 1)
                                            : Quoted(column.header)}};
    }

    // `line 7, column "Student ID"`: the column the rows are matched by.
    Message KeyPlace(int line) const {
        for (std::size_t c = 0; c < m_sheet.columns.size(); ++c) {
            const CsvColumnUse use = m_sheet.columns[c].use;
            const bool key = m_match == MergeMatch::Id
                                 ? use == CsvColumnUse::Id
                                 : use == CsvColumnUse::Last || use == CsvColumnUse::Full;
            if (key)
                return {MessageId::LineColumn,
                        {std::to_string(line), m_sheet.columns[c].header.empty()
                                                   ? std::to_string(c + 1)
                                                   : Quoted(m_sheet.columns[c].header)}};
        }
        return {MessageId::Line, {std::to_string(line)}};
    }

    std::string RowName(const CsvStudentRow& row) const {
        const StudentFields& f = row.fields;
        if (m_sheet.hasNames)
            return f.lastName + ", " + f.firstName;
        return f.studentId;
    }

    // The class assignment a column goes into by its title, kNewAssignment for none.
    bool TargetByTitle(const CsvAssignmentColumn& column, int& target, bool& loose) {
        const auto exact = m_classTitles.find("=" + Key(column.header));
        const auto byLoose = m_looseTitles.find(LooseTitleKey(column.header));
        loose = exact == m_classTitles.end() && byLoose != m_looseTitles.end();
        const auto found = loose ? byLoose : exact;
        target = kNewAssignment;
        if (found == (loose ? m_looseTitles.end() : m_classTitles.end()))
            return true;
        if (found->second == kAmbiguous)
            return Fail({MessageId::MergeTwoAssignmentsTitled, {HeaderPlace(column)}});
        target = found->second;
        return true;
    }

    bool MatchAssignments() {
        // Titles are matched even when empty: an untitled column meets an untitled assignment.
        m_classTitles = IndexOf(m_doc.AssignmentsInUse(), [this](int a) {
            return "=" + Key(m_doc.m_assignments[a].m_title);
        });
        m_looseTitles = IndexOf(m_doc.AssignmentsInUse(), [this](int a) {
            const std::string key = LooseTitleKey(m_doc.m_assignments[a].m_title);
            return key.empty() ? std::string("=") : key;
        });
        std::unordered_map<std::string, int> csvTitles;
        std::unordered_map<int, std::string> taken;
        std::vector<CsvAssignmentColumn> added;
        for (std::size_t c = 0; c < m_sheet.assignments.size(); ++c) {
            const CsvAssignmentColumn& column = m_sheet.assignments[c];
            if (!csvTitles.emplace("=" + Key(column.header), static_cast<int>(c)).second)
                return Fail({MessageId::MergeSameTitle, {HeaderPlace(column)}});
            MergeColumnMatch matched{column.header, kNewAssignment, false};
            if (m_targets != nullptr && c < m_targets->size()) {
                matched.target = (*m_targets)[c];
                if (matched.target < kNewAssignment || matched.target >= m_doc.AssignmentsInUse())
                    matched.target = kNewAssignment;
            } else if (!TargetByTitle(column, matched.target, matched.loose)) {
                return false;
            }
            if (matched.target == kNewAssignment) {
                m_target.push_back(m_doc.AssignmentsInUse() + static_cast<int>(added.size()));
                added.push_back(column);
            } else {
                const auto [other, first] = taken.emplace(matched.target, column.header);
                if (!first)
                    return Fail({MessageId::MergeIntoOneAssignment,
                                 {HeaderPlace(column), Quoted(other->second), Quoted(column.header),
                                  Quoted(m_doc.m_assignments[matched.target].m_title)}});
                m_target.push_back(matched.target);
            }
            m_plan.columns.push_back(std::move(matched));
        }
        if (const int room = kMaxAssignments - m_doc.AssignmentsInUse();
            static_cast<int>(added.size()) > room)
            return Fail({MessageId::MergeTooManyAssignments,
                         {HeaderPlace(added[static_cast<std::size_t>(room)]),
                          std::to_string(kMaxAssignments)}});
        if (Message missing = PointsNotGiven(added); !missing.empty())
            return Fail(std::move(missing));
        m_plan.added = std::move(added);
        return true;
    }

    bool MatchStudents() {
        const auto classKeys = IndexOf(m_doc.StudentsInUse(), [this](int s) {
            return StudentKey(m_match, m_doc.m_lastName[s], m_doc.m_firstName[s],
                              m_doc.m_studentId[s]);
        });
        std::unordered_map<std::string, int> csvLines;
        for (const CsvStudentRow& row : m_sheet.students) {
            const StudentFields& f = row.fields;
            const std::string key = StudentKey(m_match, f.lastName, f.firstName, f.studentId);
            const std::string shown = m_match == MergeMatch::Id ? f.studentId : RowName(row);
            if (!key.empty()) {
                const auto [seen, first] = csvLines.emplace(key, row.line);
                if (!first)
                    return Fail(
                        {m_match == MergeMatch::Id ? MessageId::MergeIdTwiceInFile
                                                   : MessageId::MergeNameTwiceInFile,
                         {KeyPlace(row.line), Quoted(shown), std::to_string(seen->second)}});
            }
            const auto found = key.empty() ? classKeys.end() : classKeys.find(key);
            if (found == classKeys.end()) {
                m_plan.skipped.push_back({row.line, RowName(row)});
                continue;
            }
            if (found->second == kAmbiguous)
                return Fail({m_match == MergeMatch::Id ? MessageId::MergeIdTwiceInClass
                                                       : MessageId::MergeNameTwiceInClass,
                             {KeyPlace(row.line), Quoted(shown)}});
            ++m_plan.matched;
            AddChanges(found->second, row);
        }
        return true;
    }

    void AddChanges(int student, const CsvStudentRow& row) {
        for (std::size_t c = 0; c < row.scores.size(); ++c) {
            if (row.scores[c].kind == CsvScoreKind::None)
                continue; // a blank cell keeps the score
            const int a = m_target[c];
            const bool ours = a < m_doc.AssignmentsInUse();
            const double points = ours ? m_doc.m_assignments[a].m_pointsPossible
                                       : m_sheet.assignments[c].pointsPossible;
            const double score = row.scores[c].Against(points);
            const ScoreMark mark = row.scores[c].Mark();
            if (!ours) {
                if (score != MISSING_SCORE || mark != ScoreMark::None)
                    m_plan.changes.push_back(
                        {student, a, MISSING_SCORE, score, ScoreMark::None, mark});
            } else if (auto change = ScoreChange(m_doc, student, a, score, mark)) {
                m_plan.changes.push_back(*change);
            }
        }
    }

    const CMarkwiseDoc& m_doc;
    const CsvSheet& m_sheet;
    MergeMatch m_match;
    MergePlan& m_plan;
    Message& m_error;
    const std::vector<int>* m_targets;
    std::vector<int> m_target; // the class assignment each CSV column merges into
    std::unordered_map<std::string, int> m_classTitles;
    std::unordered_map<std::string, int> m_looseTitles;
};

} // namespace

std::optional<MergeScoreChange> ScoreChange(const CMarkwiseDoc& doc, int student, int assignment,
                                            double score, ScoreMark mark) {
    const CAssignment& slot = doc.m_assignments[assignment];
    const double old = slot.m_scores[student];
    if (old == score && doc.GetMark(assignment, student) == mark)
        return std::nullopt;
    return MergeScoreChange{student, assignment, old, score, slot.m_marks[student], mark};
}

std::vector<std::string> AssignmentTitles(const CMarkwiseDoc& doc) {
    std::vector<std::string> titles;
    for (int a = 0; a < doc.AssignmentsInUse(); ++a)
        titles.push_back(doc.m_assignments[a].m_title);
    return titles;
}

std::string MergePlan::SummaryText() const {
    return "matched=" + std::to_string(matched) + "\nskipped=" + std::to_string(skipped.size()) +
           "\nassignments added=" + std::to_string(added.size()) +
           "\nscores changed=" + std::to_string(changes.size()) + "\n";
}

bool PlanMerge(const CMarkwiseDoc& doc, const CsvSheet& sheet, MergeMatch match, MergePlan& plan,
               std::string& error, const std::vector<int>* targets) {
    return InEnglish(error, [&](Message& message) {
        return PlanMerge(doc, sheet, match, plan, message, targets);
    });
}

bool PlanMerge(const CMarkwiseDoc& doc, const CsvSheet& sheet, MergeMatch match, MergePlan& plan,
               Message& error, const std::vector<int>* targets) {
    plan = MergePlan{};
    if (!MergePlanner(doc, sheet, match, plan, error, targets).Plan()) {
        plan = MergePlan{};
        return false;
    }
    plan.leftOut = sheet.ignoredColumns;
    return true;
}

void ApplyMergePlan(CMarkwiseDoc& doc, const MergePlan& plan) {
    for (const CsvAssignmentColumn& column : plan.added)
        doc.NewAssignment(column.title, column.description, column.pointsPossible);
    for (const MergeScoreChange& change : plan.changes) {
        CAssignment& slot = doc.m_assignments[change.assignment];
        slot.SetScore(change.newScore, change.student);
        slot.m_marks[change.student] = change.newMark;
    }
    if (!plan.added.empty() || !plan.changes.empty())
        doc.SetModifiedFlag(true);
}

} // namespace markwise
