#pragma once

// Capacities of one class, the dialogs' field limits and the value that marks a score as
// not entered.
namespace markwise {

inline constexpr int kMaxStudents = 1000;
inline constexpr int kMaxAssignments = 200;
inline constexpr int kReservedPerStudent = 10;
inline constexpr int kMaxReserved = kMaxStudents * kReservedPerStudent;

// The most characters each text box of the dialogs takes. A class file or a CSV may bring
// longer texts; the class keeps them whole, and a dialog shows them whole but asks for
// them shortened before it stores them.
inline constexpr int kMaxLastNameChars = 10;
inline constexpr int kMaxFirstNameChars = 8;
inline constexpr int kMaxStudentIdChars = 10;
inline constexpr int kMaxGradeLevelChars = 2;
inline constexpr int kMaxBookNumberChars = 6;
inline constexpr int kMaxPhoneChars = 15;
inline constexpr int kMaxTitleChars = 8; // as New Assignment takes it
inline constexpr int kMaxDescriptionChars = 80;
inline constexpr int kMaxCommentChars = 20; // a progress report's comment

// Compared by exact equality; a typed -0.0001 is indistinguishable from "not entered".
inline constexpr double MISSING_SCORE = -0.0001;

} // namespace markwise
