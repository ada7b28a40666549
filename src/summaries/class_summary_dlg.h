#pragma once

#include "summary_boxes.h"

#include <QCoreApplication>
#include <QDialog>

class QLineEdit;
class QPushButton;

namespace markwise {

class DialogHost;

// "Class Summary": the grade distribution of the students' current percentages with the
// average, high and low of their totals, computed once when the dialog opens.
class CClassSummaryDlg : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(CClassSummaryDlg)
public:
    explicit CClassSummaryDlg(DialogHost& host, QWidget* parent = nullptr);

    // Closes at once, as if cancelled, without students or without assignments.
    int exec() override;

    const DistributionBoxes& Distribution() const { return m_distribution; }
    QLineEdit* AverageBox() const { return m_average; }
    QLineEdit* HighBox() const { return m_high; }
    QLineEdit* LowBox() const { return m_low; }
    QPushButton* OkButton() const { return m_ok; }
    QPushButton* HistogramButton() const { return m_histogram; }

private:
    void OpenHistogram();

    DialogHost& m_host;
    DistributionBoxes m_distribution;
    QLineEdit* m_average;
    QLineEdit* m_high;
    QLineEdit* m_low;
    QPushButton* m_ok;
    QPushButton* m_histogram;
    GradeDistribution m_shown{};
};

} // namespace markwise
