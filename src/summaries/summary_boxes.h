#pragma once

#include "core/summary.h"

#include <QString>
#include <array>

class QFormLayout;
class QGroupBox;
class QLineEdit;
class QWidget;

namespace markwise {

// The read-only number boxes every summary dialog shows.

// A read-only box wide enough for the dialogs' 15-digit numbers.
QLineEdit* MakeValueBox(QWidget* parent);
// Adds "label" and a new value box as one row of the form; returns the box.
QLineEdit* AddValueRow(QFormLayout* form, const QString& label, QWidget* parent);
// Shows a number in the dialogs' 15-digit form.
void ShowNumber(QLineEdit* box, double value);

// The "Grade Distribution" group: A+ to B- in the left column, C+ to D- in the right,
// F below; one read-only count box per bin, in the bins' order.
struct DistributionBoxes {
    QGroupBox* group = nullptr;
    std::array<QLineEdit*, kGradeCount> counts{};

    void Show(const GradeDistribution& distribution) const;
};
DistributionBoxes MakeDistributionBoxes(QWidget* parent);

} // namespace markwise
