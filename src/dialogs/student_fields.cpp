#include "student_fields.h"

#include "dialog_layout.h"
#include "field_rules.h"
#include "framework/text.h"

#include <QLabel>
#include <iterator>

namespace markwise {

namespace {

LimitedLineEdit* MakeBox(int limit, QWidget* parent) {
    auto* box = new LimitedLineEdit(limit, parent);
    SetWidthForLimit(box, limit);
    return box;
}

} // namespace

StudentFieldBoxes::StudentFieldBoxes(QWidget* parent)
    : lastName(MakeBox(kMaxLastNameChars, parent)), firstName(MakeBox(kMaxFirstNameChars, parent)),
      studentId(MakeBox(kMaxStudentIdChars, parent)),
      gradeLevel(MakeBox(kMaxGradeLevelChars, parent)),
      bookNumber(MakeBox(kMaxBookNumberChars, parent)), phone(MakeBox(kMaxPhoneChars, parent)),
      lastNameLabel(MakeLabel(tr("Last Name:"), lastName, parent)),
      firstNameLabel(MakeLabel(tr("First Name:"), firstName, parent)),
      studentIdLabel(MakeLabel(tr("Student ID:"), studentId, parent)),
      gradeLevelLabel(MakeLabel(tr("Grade:"), gradeLevel, parent)),
      bookNumberLabel(MakeLabel(tr("Book Number:"), bookNumber, parent)),
      phoneLabel(MakeLabel(tr("Telephone Number:"), phone, parent)) {}

void StudentFieldBoxes::Load(const StudentFields& fields) {
    lastName->SetLimitedText(toQString(fields.lastName));
    firstName->SetLimitedText(toQString(fields.firstName));
    studentId->SetLimitedText(toQString(fields.studentId));
    gradeLevel->SetLimitedText(toQString(fields.gradeLevel));
    bookNumber->SetLimitedText(toQString(fields.bookNumber));
    phone->SetLimitedText(toQString(fields.phone));
}

void StudentFieldBoxes::Clear() {
    Load(StudentFields{});
}

bool StudentFieldBoxes::Read(FieldReader& reader, StudentFields& fields) {
    reader.Text(lastName, tr("Last Name"), fields.lastName);
    reader.Text(firstName, tr("First Name"), fields.firstName);
    reader.Text(studentId, tr("Student ID"), fields.studentId);
    reader.Text(gradeLevel, tr("Grade"), fields.gradeLevel);
    reader.Text(bookNumber, tr("Book Number"), fields.bookNumber);
    reader.Text(phone, tr("Telephone Number"), fields.phone);
    return reader.Ok();
}

void StudentFieldBoxes::ChainTabOrder(QWidget* before, QWidget* after) const {
    QWidget* const chain[] = {before,     lastName,   firstName, studentId,
                              gradeLevel, bookNumber, phone,     after};
    for (std::size_t i = 0; i + 1 < std::size(chain); ++i) {
        if (chain[i])
            QWidget::setTabOrder(chain[i], chain[i + 1]);
    }
}

} // namespace markwise
