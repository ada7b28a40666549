#pragma once

#include "markwise_doc.h"
#include "sort.h"

#include <cstddef>
#include <memory>
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
};

// The student dialogs' changes. Adding to a full class changes nothing but still counts
// as a change, as the dialog has been accepted.
std::unique_ptr<ClassEdit> AddStudentEdit(const StudentFields& fields);
std::unique_ptr<ClassEdit> EditStudentEdit(int student, const StudentFields& fields);
std::unique_ptr<ClassEdit> RemoveStudentEdit(int student);

std::unique_ptr<ClassEdit> NewAssignmentEdit(const std::string& title,
                                             const std::string& description,
                                             double pointsPossible);
std::unique_ptr<ClassEdit> RemoveAssignmentEdit(int assignment);
std::unique_ptr<ClassEdit> ExcludeEdit(int firstIncluded);

// What Edit Assignment stores on each Update: the details and, when student >= 0, one score.
struct AssignmentStore {
    int assignment = 0;
    std::string title;
    std::string description;
    double pointsPossible = 0.0;
    int student = -1;
    double score = MISSING_SCORE;
};

// Every store one opening of Edit Assignment makes, as one edit.
class AssignmentStoresEdit : public ClassEdit {
public:
    // Makes the store at once and keeps it with the others.
    void Store(CMarkwiseDoc& doc, const AssignmentStore& store);
    // Moves another edit's stores (made after these) into this one.
    void Absorb(AssignmentStoresEdit&& later);

    void Apply(CMarkwiseDoc& doc) override;
    void Revert(CMarkwiseDoc& doc) override;
    std::size_t Bytes() const override;

private:
    struct Details {
        std::string title;
        std::string description;
        double pointsPossible = 0.0;
    };
    // One store: the new values and the ones it overwrote. Details are kept only when the
    // store changed them, so a run of scores holds a few numbers each.
    struct Step {
        int assignment = 0;
        int student = -1;
        double oldScore = MISSING_SCORE;
        double newScore = MISSING_SCORE;
        std::unique_ptr<Details> oldDetails;
        std::unique_ptr<Details> newDetails;
    };
    void Make(CMarkwiseDoc& doc, Step& step);
    std::vector<Step> m_steps;
};

// A sort keeps the order it made; making it again replays that order, so a random
// shuffle redoes the same shuffle.
enum class SortKind { Name, Total, Assignment };
std::unique_ptr<ClassEdit> SortEdit(SortKind kind, int assignment = 0);
std::unique_ptr<ClassEdit> ShuffleEdit(unsigned int seed);

} // namespace markwise
