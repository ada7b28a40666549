#pragma once

#include "grading_policy.h"

#include <string>
#include <string_view>
#include <vector>

namespace markwise {

class CMarkwiseDoc;

// The policy as the command line prints and reads it: one section "[Category N]" per
// category in order, with name, weight, drop lowest and the assignments numbered from 1
// as on screen ("1-4,7"). Empty for a class without a policy.
std::string PolicyIniText(const CMarkwiseDoc& doc);

// A policy read from that text for a class of assignmentCount assignments. False with one
// sentence in error (naming the category or the assignment) for anything the rules
// refuse: no category or more than 20, a name too long, a negative or unreadable weight or
// drop count, an assignment out of range, in no category or in two.
bool ParsePolicyIni(std::string_view text, int assignmentCount, GradingPolicy& policy,
                    std::vector<int>& categoryOfAssignment, std::string& error);

} // namespace markwise
