#pragma once

#include "markwise_doc.h"

#include <string>
#include <vector>

namespace markwise {

// One category's part of one student's grade.
struct CategoryResult {
    int category = 0;
    double received = 0.0; // kept points
    double possible = 0.0;
    double percent = 100.0;
    bool counted = false;     // kept possible not 0: the category takes part in the total
    std::vector<int> dropped; // assignments dropped for this student, in assignment order
};

// One student's grade: the points kept over the categories left in and the percent.
struct StudentGrade {
    double received = 0.0;
    double possible = 0.0;
    double percent = 100.0;                 // 100 when nothing counts
    std::vector<CategoryResult> categories; // empty for a class without a policy
};

// The one computation of a student's grade, with or without a policy. The class's grade
// queries (GetTotalReceived, GetPercent, ...) give its figures.
StudentGrade GradeStudent(const CMarkwiseDoc& doc, int student);

// Every student's grade (without the per-category results) in one pass over the class,
// for summaries, sorts and distributions: much faster than one GradeStudent per student.
std::vector<StudentGrade> ClassGrades(const CMarkwiseDoc& doc);
// Their percents.
std::vector<double> ClassPercents(const CMarkwiseDoc& doc);

// The category assignment a counts in: its own, or the first when its own is out of range.
int CategoryOf(const CMarkwiseDoc& doc, int a);

// A score as the sheet shows it: "EX", "M", "N/A" or the "%g" text.
std::string ScoreCellText(const CMarkwiseDoc& doc, int a, int student);

} // namespace markwise
