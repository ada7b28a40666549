#include "summary_boxes.h"

#include "core/number_text.h"
#include "dialogs/dialog_layout.h"
#include "framework/text.h"
#include "framework/ui_language.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

namespace markwise {

namespace {

// The widest texts each kind of box shows: 15 digits with sign, point and exponent, and a
// count of up to 1000 students.
const QString kWidestNumber = QStringLiteral("-8.88888888888888e+888");
const QString kWidestCount = QStringLiteral("8888");
constexpr int kBinsPerColumn = 6;

QLineEdit* MakeReadOnlyBox(QWidget* parent, const QString& widest) {
    auto* box = new QLineEdit(parent);
    box->setReadOnly(true);
    // Digits are wider than the average character, so measure the widest text itself.
    const QFontMetrics metrics = box->fontMetrics();
    const int average = metrics.averageCharWidth();
    SetWidthInChars(box, (metrics.horizontalAdvance(widest) + average - 1) / average);
    return box;
}

} // namespace

QLineEdit* MakeValueBox(QWidget* parent) {
    return MakeReadOnlyBox(parent, kWidestNumber);
}

QLineEdit* AddValueRow(QFormLayout* form, const QString& label, QWidget* parent) {
    QLineEdit* box = MakeValueBox(parent);
    form->addRow(MakeLabel(label, box, parent), box);
    return box;
}

void ShowNumber(QLineEdit* box, double value) {
    box->setText(toQString(NumberForm().shown(FormatNumber15(value))));
    box->setCursorPosition(0); // a text too long for the box shows its start
}

void DistributionBoxes::Show(const GradeDistribution& distribution) const {
    for (int k = 0; k < kGradeCount; ++k)
        counts[k]->setText(QString::number(distribution[k]));
}

DistributionBoxes MakeDistributionBoxes(QWidget* parent) {
    DistributionBoxes boxes;
    boxes.group =
        new QGroupBox(QCoreApplication::translate("Summaries", "Grade Distribution"), parent);
    auto* grid = new QGridLayout(boxes.group);
    for (int k = 0; k < kGradeCount; ++k) {
        QLineEdit* box = MakeReadOnlyBox(boxes.group, kWidestCount);
        const QString label = toQString(kGradeNames[k]) + QLatin1Char(':');
        // F sits alone in the left column, under the two columns of six.
        const int column = k < kGradeCount - 1 ? k / kBinsPerColumn : 0;
        const int row = k < kGradeCount - 1 ? k % kBinsPerColumn : kBinsPerColumn;
        grid->addWidget(MakeLabel(label, box, boxes.group), row, column * 2);
        grid->addWidget(box, row, column * 2 + 1);
        boxes.counts[k] = box;
    }
    return boxes;
}

} // namespace markwise
