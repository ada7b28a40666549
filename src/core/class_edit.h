#pragma once

#include "markwise_doc.h"
#include "sort.h"

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace markwise {

// One change to a class that can be taken back. Apply makes the change and keeps what
// reversing it needs (the values it overwrites, a removed row, an order), never a copy of
// the whole class; Revert puts those back, so that the class, leftover slots included,
// is exactly as it was. Apply after Revert makes the same change again.
class ClassEdit {
public:
    virtual ~ClassEdit() = default;
    virtual void Apply(CMarkwiseDoc& doc) = 0;
    virtual void Revert(CMarkwiseDoc& doc) = 0;
    // Memory the edit holds, for bounding the history.
    virtual std::size_t Bytes() const = 0;
    // False for changes the class file does not hold or that leave the flag alone
    // (sort by name, excluded assignments).
    virtual bool MarksModified() const { return true; }
    // The one score the edit changes, so that undo and redo can show it; none for others.
    struct Cell {
        int assignment = 0;
        int student = 0;
        bool operator==(const Cell&) const = default;
    };
    virtual std::optional<Cell> ChangedCell() const { return std::nullopt; }
};

// The student dialogs' changes. Adding to a full class changes nothing but still counts
// as a change, as the dialog has been accepted.
std::unique_ptr<ClassEdit> AddStudentEdit(const StudentFields& fields);
std::unique_ptr<ClassEdit> EditStudentEdit(int student, const StudentFields& fields);
std::unique_ptr<ClassEdit> RemoveStudentEdit(int student);

std::unique_ptr<ClassEdit> NewAssignmentEdit(const std::string& title,
                                             const std::string& description, double pointsPossible);
std::unique_ptr<ClassEdit> RemoveAssignmentEdit(int assignment);
std::unique_ptr<ClassEdit> ExcludeEdit(int firstIncluded);

// One score stored straight into its entry, as the grade sheet takes a typed score: the
// assignment's stored length (m_lastIndex) stays as it is. An assignment or a student not
// in use changes nothing.
std::unique_ptr<ClassEdit> SetScoreEdit(int assignment, int student, double score);
// An assignment's title, description and points possible; its scores stay as they are.
std::unique_ptr<ClassEdit> AssignmentDetailsEdit(int assignment, const std::string& title,
                                                 const std::string& description,
                                                 double pointsPossible);

// Edits made and taken back as one: applied in the order added, reverted in reverse.
class EditGroup : public ClassEdit {
public:
    void Add(std::unique_ptr<ClassEdit> edit);
    // Takes over the edits of a group applied after this one.
    void Absorb(EditGroup&& later);

    void Apply(CMarkwiseDoc& doc) override;
    void Revert(CMarkwiseDoc& doc) override;
    std::size_t Bytes() const override;
    // An empty group is an accepted dialog that changed nothing, which still counts.
    bool MarksModified() const override;
    // The cell of the latest edit that has one.
    std::optional<Cell> ChangedCell() const override;

private:
    std::vector<std::unique_ptr<ClassEdit>> m_edits;
};

// What one Update of Edit Assignment stores: the details and, when student >= 0, one score.
struct AssignmentStore {
    int assignment = 0;
    std::string title;
    std::string description;
    double pointsPossible = 0.0;
    int student = -1;
    double score = MISSING_SCORE;
    ScoreMark mark = ScoreMark::None; // with the score, as SetMarkedScoreEdit takes it
};
// The store as an edit of doc as it stands: the details only where they differ from the
// class's, so a run of Fast Edit scores is a run of SetScoreEdit, a few numbers each.
std::unique_ptr<ClassEdit> AssignmentStoreEdit(const CMarkwiseDoc& doc,
                                               const AssignmentStore& store);

// A sort keeps the order it made; making it again replays that order, so a random
// shuffle redoes the same shuffle.
enum class SortKind { Name, Total, Assignment };
std::unique_ptr<ClassEdit> SortEdit(SortKind kind, int assignment = 0);
std::unique_ptr<ClassEdit> ShuffleEdit(unsigned int seed);

} // namespace markwise
