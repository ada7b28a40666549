#include "policy_ini.h"

#include "encoding.h"
#include "markwise_doc.h"
#include "number_text.h"

// As in profile.cpp: bytes as given, and the header's template bodies (which any number of
// translation units may instantiate).
#define SI_NO_CONVERSION
#define SI_IMPLEMENTATION
#include <SimpleIni.h>
#include <cmath>

namespace markwise {

namespace {

constexpr std::string_view kSectionPrefix = "Category ";

// "1-4,7": runs of consecutive assignments (0-based in, 1-based out).
std::string RangesText(const std::vector<int>& assignments) {
    std::string text;
    for (std::size_t i = 0; i < assignments.size();) {
        std::size_t j = i;
        while (j + 1 < assignments.size() && assignments[j + 1] == assignments[j] + 1)
            ++j;
        if (!text.empty())
            text += ',';
        text += std::to_string(assignments[i] + 1);
        if (j > i)
            text += '-' + std::to_string(assignments[j] + 1);
        i = j + 1;
    }
    return text;
}

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

// Reads "1-4,7" into 0-based numbers; false on anything else.
bool ParseRanges(std::string_view text, std::vector<std::pair<int, int>>& ranges) {
    text = Trimmed(text);
    while (!text.empty()) {
        const std::size_t comma = text.find(',');
        const std::string_view item = Trimmed(text.substr(0, comma));
        text = comma == std::string_view::npos ? std::string_view() : text.substr(comma + 1);
        const std::size_t dash = item.find('-');
        int first = 0;
        int last = 0;
        if (!ParseCommandLineInteger(Trimmed(item.substr(0, dash)), first))
            return false;
        last = first;
        if (dash != std::string_view::npos &&
            !ParseCommandLineInteger(Trimmed(item.substr(dash + 1)), last))
            return false;
        if (first < 1 || last < first)
            return false;
        ranges.emplace_back(first - 1, last - 1);
        if (comma != std::string_view::npos && Trimmed(text).empty())
            return false;
    }
    return true;
}

std::string Category(int c) {
    return "category " + std::to_string(c + 1);
}

} // namespace

std::string PolicyIniText(const CMarkwiseDoc& doc) {
    std::string text;
    const std::vector<GradeCategory>& categories = doc.m_policy.categories;
    for (std::size_t c = 0; c < categories.size(); ++c) {
        std::vector<int> members;
        for (int a = 0; a < doc.AssignmentsInUse(); ++a) {
            if (doc.m_assignments[a].m_category == static_cast<int>(c))
                members.push_back(a);
        }
        if (c > 0)
            text += '\n';
        text += "[" + std::string(kSectionPrefix) + std::to_string(c + 1) + "]\n";
        text += "name=" + categories[c].name + "\n";
        text += "weight=" + FormatShortest(categories[c].weight) + "\n";
        text += "drop lowest=" + std::to_string(categories[c].dropLowest) + "\n";
        text += "assignments=" + RangesText(members) + "\n";
    }
    return text;
}

bool ParsePolicyIni(std::string_view text, int assignmentCount, GradingPolicy& policy,
                    std::vector<int>& categoryOfAssignment, std::string& error) {
    CSimpleIniA ini;
    ini.SetUnicode(true);
    ini.SetMultiKey(false);
    ini.SetMultiLine(false);
    if (!IsValidUtf8(text) || ini.LoadData(text.data(), text.size()) < 0) {
        error = "the policy is not a readable INI text";
        return false;
    }
    CSimpleIniA::TNamesDepend sections;
    ini.GetAllSections(sections);
    const int count = static_cast<int>(sections.size());
    if (count == 0) {
        error = "the policy has no [Category 1] section (use --clear to remove a policy)";
        return false;
    }
    if (count > kMaxCategories) {
        error = "the policy has " + std::to_string(count) + " categories (at most " +
                std::to_string(kMaxCategories) + ")";
        return false;
    }
    policy = {};
    policy.categories.resize(static_cast<std::size_t>(count));
    categoryOfAssignment.assign(static_cast<std::size_t>(std::max(assignmentCount, 0)), -1);
    for (int c = 0; c < count; ++c) {
        const std::string section = std::string(kSectionPrefix) + std::to_string(c + 1);
        if (ini.GetSectionSize(section.c_str()) < 0) {
            error = "the policy has no [" + section + "] section";
            return false;
        }
        CSimpleIniA::TNamesDepend keys;
        ini.GetAllKeys(section.c_str(), keys);
        for (const auto& key : keys) {
            const std::string_view name = key.pItem;
            if (name != "name" && name != "weight" && name != "drop lowest" &&
                name != "assignments") {
                error = Category(c) + " has an unknown key \"" + std::string(name) + "\"";
                return false;
            }
        }
        GradeCategory& category = policy.categories[static_cast<std::size_t>(c)];
        category.name = ini.GetValue(section.c_str(), "name", "");
        if (category.name.empty()) {
            error = Category(c) + " has no name";
            return false;
        }
        if (CodePointCount(category.name) > static_cast<std::size_t>(kMaxCategoryNameLength)) {
            error = Category(c) + "'s name is longer than " +
                    std::to_string(kMaxCategoryNameLength) + " characters";
            return false;
        }
        if (!ParseNumber(ini.GetValue(section.c_str(), "weight", ""), category.weight) ||
            !std::isfinite(category.weight) || category.weight < 0) {
            error = Category(c) + "'s weight must be a number of 0 or more";
            return false;
        }
        if (!ParseWholeNumber(ini.GetValue(section.c_str(), "drop lowest", "0"),
                              category.dropLowest) ||
            category.dropLowest < 0) {
            error = Category(c) + "'s drop lowest must be a whole number of 0 or more";
            return false;
        }
        std::vector<std::pair<int, int>> ranges;
        if (!ParseRanges(ini.GetValue(section.c_str(), "assignments", ""), ranges)) {
            error = Category(c) + "'s assignments are not a list such as 1-4,7";
            return false;
        }
        for (const auto& [first, last] : ranges) {
            for (int a = first; a <= last; ++a) {
                if (a >= assignmentCount) {
                    error = "assignment " + std::to_string(a + 1) +
                            " is out of range (the class has " + std::to_string(assignmentCount) +
                            (assignmentCount == 1 ? " assignment)" : " assignments)");
                    return false;
                }
                int& of = categoryOfAssignment[static_cast<std::size_t>(a)];
                if (of >= 0) {
                    error = "assignment " + std::to_string(a + 1) + " is in " + Category(of) +
                            " and " + (of == c ? "again" : Category(c));
                    return false;
                }
                of = c;
            }
        }
    }
    for (int a = 0; a < assignmentCount; ++a) {
        if (categoryOfAssignment[static_cast<std::size_t>(a)] < 0) {
            error = "assignment " + std::to_string(a + 1) + " is in no category";
            return false;
        }
    }
    return true;
}

} // namespace markwise
