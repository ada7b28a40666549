#include "preferences_dlg.h"

#include "dialog_host.h"
#include "dialog_layout.h"
#include "field_rules.h"
#include "framework/text.h"
#include "framework/ui_seam.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace markwise {

namespace {

constexpr int kCutoffCount = kGradeCount - 1;
constexpr int kRowsPerColumn = kCutoffCount / 2;

// Read in the order of the class's members, each letter before its minus and plus, so the
// first message is about the same box it always was.
constexpr std::array<int, kCutoffCount> kReadOrder = {1, 2, 0, 4, 5, 3, 7, 8, 6, 10, 11, 9};

QString GradeName(int grade) {
    return QString::fromLatin1(kGradeNames[grade].data(),
                               static_cast<qsizetype>(kGradeNames[grade].size()));
}

} // namespace

CPreferencesDlg::CPreferencesDlg(DialogHost& host, QWidget* parent)
    : QDialog(parent), m_host(host), m_ok(MakeButton(tr("OK"), this)),
      m_cancel(MakeButton(tr("Cancel"), this)), m_default(MakeButton(tr("Default"), this)) {
    setWindowTitle(tr("Preferences"));

    auto* group = new QGroupBox(tr("Grade Cutoffs"), this);
    auto* grid = new QGridLayout(group);
    for (int grade = 0; grade < kCutoffCount; ++grade) {
        auto* box = new QLineEdit(group);
        DigitsOnlyFilter::Install(box);
        SetWidthInChars(box, 4);
        m_boxes[grade] = box;
        const int column = grade < kRowsPerColumn ? 0 : 3;
        const int row = grade % kRowsPerColumn;
        grid->addWidget(MakeLabel(GradeName(grade) + QLatin1Char(':'), box, group), row, column);
        grid->addWidget(box, row, column + 1);
    }
    grid->setColumnMinimumWidth(2, fontMetrics().averageCharWidth() * 3);

    auto* right = new QVBoxLayout;
    right->addWidget(
        MakeHint(tr("Enter the minimum values in percent for each letter grade."), this, 20));
    right->addSpacing(fontMetrics().height());
    right->addLayout(MakeButtonColumn({m_ok, m_cancel, m_default}));

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(group);
    layout->addLayout(right);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &CPreferencesDlg::accept);
    connect(m_cancel, &QPushButton::clicked, this, &CPreferencesDlg::reject);
    connect(m_default, &QPushButton::clicked, this, &CPreferencesDlg::ShowDefaults);

    for (int grade = 1; grade < kCutoffCount; ++grade)
        setTabOrder(m_boxes[grade - 1], m_boxes[grade]);
    setTabOrder(m_boxes.back(), m_ok);
    setTabOrder(m_ok, m_cancel);
    setTabOrder(m_cancel, m_default);

    Show(m_host.currentCutoffs());
    m_boxes.front()->setFocus();
}

void CPreferencesDlg::Show(const CGradeCutoffs& cutoffs) {
    for (int grade = 0; grade < kCutoffCount; ++grade)
        m_boxes[grade]->setText(QString::number(cutoffs.Get(grade)));
}

void CPreferencesDlg::ShowDefaults() {
    Show(CGradeCutoffs{});
}

void CPreferencesDlg::accept() {
    FieldReader reader(this);
    CGradeCutoffs cutoffs;
    for (int grade : kReadOrder) {
        int value = 0;
        if (!reader.Integer(m_boxes[grade], GradeName(grade), value))
            return;
        cutoffs.Set(grade, value);
    }
    Message error;
    if (!m_host.applyCutoffs(cutoffs, &error)) {
        UiSeam::tell(this, tr("The grade cutoffs could not be saved in your settings:"
                              "\n%1\nThey apply until Markwise closes.")
                               .arg(translated(error)));
    }
    QDialog::accept();
}

} // namespace markwise
