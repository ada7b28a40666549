#pragma once

// Capacities of one class and the value that marks a score as not entered.
namespace markwise {

inline constexpr int kMaxStudents = 1000;
inline constexpr int kMaxAssignments = 200;
inline constexpr int kReservedPerStudent = 10;
inline constexpr int kMaxReserved = kMaxStudents * kReservedPerStudent;

// Compared by exact equality; a typed -0.0001 is indistinguishable from "not entered".
inline constexpr double MISSING_SCORE = -0.0001;

} // namespace markwise
