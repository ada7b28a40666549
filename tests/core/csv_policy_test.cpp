#include "core/class_file.h"
#include "core/csv_layout.h"
#include "core/csv_sheet.h"
#include "support/class_builder.h"

#include <gtest/gtest.h>

namespace markwise {
namespace {

using test::AddAssignment;
using test::AddStudent;
using test::NewClass;

TEST(CsvPolicy, MarksAndCategoriesTravelAndPlatformsGetEXAndZero) {
    auto doc = NewClass();
    AddStudent(*doc, "Smith", "Ann", "1001");
    AddStudent(*doc, "Lee", "Bob", "1002");
    AddAssignment(*doc, 10, {7, 0}, "Quiz 1");
    AddAssignment(*doc, 20, {MISSING_SCORE, 12}, "Test");
    AddAssignment(*doc, 10, {MISSING_SCORE, MISSING_SCORE}, "Quiz 2");
    doc->StoreMarkedScore(0, 1, 0, ScoreMark::MissingWork);
    doc->StoreMarkedScore(1, 0, 0, ScoreMark::Excused);
    doc->m_policy.categories = {{"Quizzes", 40, 1}, {"Tests, finals", 60, 0}};
    doc->m_assignments[1].m_category = 1;
    const std::string csv = ExportCsv(*doc, CsvLayout::Markwise);
    EXPECT_EQ(csv, "Last Name,First Name,Student ID,Grade Level,Book Number,Phone,Quiz 1,Test,"
                   "Quiz 2\n"
                   "Points Possible,,,,,,10,20,10\n"
                   "Category,,,,,,Quizzes,\"Tests, finals\",Quizzes\n"
                   "Description,,,,,,,,\n"
                   "Smith,Ann,1001,G0,B0,555-0,7,EX,\n"
                   "Lee,Bob,1002,G1,B1,555-1,M,12,\n");
    EXPECT_EQ(ExportCsv(*doc, CsvLayout::Canvas),
              "Student,ID,SIS User ID,SIS Login ID,Section,Quiz 1,Test,Quiz 2\n"
              "Points Possible,,,,,10,20,10\n"
              "\"Smith, Ann\",,1001,,,7,EX,\n"
              "\"Lee, Bob\",,1002,,,0,12,\n");
    EXPECT_EQ(ExportCsv(*doc, CsvLayout::Moodle),
              "First name,Last name,ID number,Quiz 1,Test,Quiz 2\n"
              "Ann,Smith,1001,7,EX,\n"
              "Bob,Lee,1002,0,12,\n");

    // Back from the markwise layout: the marks, and the membership with equal weights.
    CsvSheet sheet;
    std::string error;
    auto back = ImportCsvClass(csv, sheet, error);
    ASSERT_TRUE(back) << error;
    EXPECT_EQ(back->m_studentCount, 2);
    EXPECT_EQ(back->GetMark(0, 1), ScoreMark::MissingWork);
    EXPECT_EQ(back->GetMark(1, 0), ScoreMark::Excused);
    ASSERT_EQ(back->m_policy.categories.size(), 2u);
    EXPECT_EQ(back->m_policy.categories[1].name, "Tests, finals");
    EXPECT_EQ(back->m_policy.categories[1].weight, 1);
    for (int a = 0; a < 3; ++a)
        EXPECT_EQ(back->m_assignments[a].m_category, doc->m_assignments[a].m_category);
    EXPECT_EQ(ExportCsv(*back, CsvLayout::Markwise), csv);
    // A Canvas "EX" comes back excused; "M" is text there, not missing work.
    back = ImportCsvClass(ExportCsv(*doc, CsvLayout::Canvas), sheet, error);
    ASSERT_TRUE(back) << error;
    EXPECT_EQ(back->GetMark(1, 0), ScoreMark::Excused);
    EXPECT_FALSE(back->HasPolicy());
    back = ImportCsvClass("Student,ID,SIS User ID,Quiz\n\"A, B\",,1,M\n", sheet, error);
    ASSERT_TRUE(back) << error;
    EXPECT_EQ(back->m_assignmentCount, 0); // a column of text, left out

    // A class without categories writes no Category row, and a file whose Category row is
    // out of place is refused.
    doc->m_policy = {};
    EXPECT_EQ(ExportCsv(*doc, CsvLayout::Markwise).find("Category"), std::string::npos);
    std::string moved = csv;
    const std::size_t row = moved.find("Category,");
    const std::size_t end = moved.find('\n', row) + 1;
    const std::string category = moved.substr(row, end - row);
    moved.erase(row, end - row);
    moved.insert(moved.find("Smith,"), category);
    EXPECT_FALSE(ImportCsvClass(moved, sheet, error));
    EXPECT_NE(error.find("must follow the header"), std::string::npos) << error;
}

} // namespace
} // namespace markwise
