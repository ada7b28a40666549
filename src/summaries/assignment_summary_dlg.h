#pragma once

#include "summary_boxes.h"

#include <QCoreApplication>
#include <QDialog>

class QLineEdit;
class QListWidget;
class QPushButton;

namespace markwise {

class DialogHost;

// "Assignment Summary": the grade distribution of one assignment's scores with their average,
// high and low, recomputed whenever another assignment is selected.
class CAssignmentSummaryDlg : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(CAssignmentSummaryDlg)
public:
    explicit CAssignmentSummaryDlg(DialogHost& host, QWidget* parent = nullptr);

    // Closes at once, as if cancelled, when the class has no assignments.
    int exec() override;

    QListWidget* List() const { return m_list; }
    const DistributionBoxes& Distribution() const { return m_distribution; }
    QLineEdit* AverageBox() const { return m_average; }
    QLineEdit* HighBox() const { return m_high; }
    QLineEdit* LowBox() const { return m_low; }
    QPushButton* OkButton() const { return m_ok; }
    QPushButton* HistogramButton() const { return m_histogram; }

private:
    void ShowAssignment(int assignment);
    void OpenHistogram();

    DialogHost& m_host;
    QListWidget* m_list;
    DistributionBoxes m_distribution;
    QLineEdit* m_average;
    QLineEdit* m_high;
    QLineEdit* m_low;
    QPushButton* m_ok;
    QPushButton* m_histogram;
    GradeDistribution m_shown{}; // what "Histogram..." draws
};

} // namespace markwise
