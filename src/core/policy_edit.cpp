#include "policy_edit.h"

#include <array>
#include <utility>

namespace markwise {

namespace {

using Categories = std::array<int, kMaxAssignments>;

// Every slot's category, leftovers included, so taking an edit back restores them all.
Categories TakeCategories(const CMarkwiseDoc& doc) {
    Categories categories{};
    for (int a = 0; a < kMaxAssignments; ++a)
        categories[a] = doc.m_assignments[a].m_category;
    return categories;
}

void PutCategories(CMarkwiseDoc& doc, const Categories& categories) {
    for (int a = 0; a < kMaxAssignments; ++a)
        doc.m_assignments[a].m_category = categories[a];
}

class Policy : public ClassEdit {
public:
    Policy(GradingPolicy policy, std::vector<int> categoryOf)
        : m_new(std::move(policy)), m_categoryOf(std::move(categoryOf)) {}

    void Apply(CMarkwiseDoc& doc) override {
        m_old = doc.m_policy;
        m_oldCategories = TakeCategories(doc);
        doc.m_policy = m_new;
        const int count = static_cast<int>(m_new.categories.size());
        for (int a = 0; a < doc.AssignmentsInUse(); ++a) {
            const int c = a < static_cast<int>(m_categoryOf.size()) ? m_categoryOf[a] : 0;
            doc.m_assignments[a].m_category = c >= 0 && c < count ? c : 0;
        }
        doc.SetModifiedFlag(true);
    }
    void Revert(CMarkwiseDoc& doc) override {
        doc.m_policy = m_old;
        PutCategories(doc, m_oldCategories);
    }
    std::size_t Bytes() const override {
        std::size_t bytes = sizeof(*this) + m_categoryOf.capacity() * sizeof(int);
        for (const GradingPolicy* policy : {&m_new, &m_old}) {
            bytes += policy->categories.capacity() * sizeof(GradeCategory);
            for (const GradeCategory& category : policy->categories)
                bytes += category.name.capacity();
        }
        return bytes;
    }

private:
    GradingPolicy m_new;
    std::vector<int> m_categoryOf;
    GradingPolicy m_old;
    Categories m_oldCategories{};
};

class AssignmentCategory : public ClassEdit {
public:
    AssignmentCategory(int assignment, int category)
        : m_assignment(assignment), m_category(category) {}

    void Apply(CMarkwiseDoc& doc) override {
        m_stored = m_assignment >= 0 && m_assignment < doc.AssignmentsInUse() && m_category >= 0 &&
                   m_category < static_cast<int>(doc.m_policy.categories.size());
        if (!m_stored)
            return;
        int& category = doc.m_assignments[m_assignment].m_category;
        m_old = category;
        category = m_category;
        doc.SetModifiedFlag(true);
    }
    void Revert(CMarkwiseDoc& doc) override {
        if (m_stored)
            doc.m_assignments[m_assignment].m_category = m_old;
    }
    std::size_t Bytes() const override { return sizeof(*this); }

private:
    int m_assignment;
    int m_category;
    int m_old = 0;
    bool m_stored = false;
};

} // namespace

std::unique_ptr<ClassEdit> PolicyEdit(GradingPolicy policy, std::vector<int> categoryOfAssignment) {
    return std::make_unique<Policy>(std::move(policy), std::move(categoryOfAssignment));
}

std::unique_ptr<ClassEdit> AssignmentCategoryEdit(int assignment, int category) {
    return std::make_unique<AssignmentCategory>(assignment, category);
}

} // namespace markwise
