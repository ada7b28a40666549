#pragma once

#include "core/markwise_doc.h"

#include <QCoreApplication>

class QGridLayout;
class QLabel;
class QWidget;

namespace markwise {

class FieldReader;
class LimitedLineEdit;

// The six student boxes shared by Add New Student and Edit Student, with their limits.
struct StudentFieldBoxes {
    Q_DECLARE_TR_FUNCTIONS(StudentFieldBoxes)

public:
    explicit StudentFieldBoxes(QWidget* parent);

    void Load(const StudentFields& fields);
    void Clear();
    bool Read(FieldReader& reader, StudentFields& fields);
    // Tab order: `before` when given, the six boxes in reading order, then `after`.
    void ChainTabOrder(QWidget* before, QWidget* after) const;

    LimitedLineEdit* lastName;
    LimitedLineEdit* firstName;
    LimitedLineEdit* studentId;
    LimitedLineEdit* gradeLevel;
    LimitedLineEdit* bookNumber;
    LimitedLineEdit* phone;

    QLabel* lastNameLabel;
    QLabel* firstNameLabel;
    QLabel* studentIdLabel;
    QLabel* gradeLevelLabel;
    QLabel* bookNumberLabel;
    QLabel* phoneLabel;
};

} // namespace markwise
