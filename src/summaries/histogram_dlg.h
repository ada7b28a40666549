#pragma once

#include "core/summary.h"
#include "geometry/histogram_layout.h"

#include <QCoreApplication>
#include <QDialog>
#include <array>

class QLabel;

namespace markwise {

// "Grade Distribution Histogram": thirteen red bars, the largest as wide as the room between
// the labels and the right-edge marker, and a legend saying what the red square stands for.
class CHistogramDlg : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(CHistogramDlg)
public:
    explicit CHistogramDlg(const GradeDistribution& counts, QWidget* parent = nullptr);

    QLabel* Legend() const { return m_legend; }
    QWidget* Bar(int bin) const { return m_bars[bin]; }
    QLabel* Count(int bin) const { return m_counts[bin]; }
    QLabel* BinLabel(int bin) const { return m_labels[bin]; }
    QWidget* RightEdgeMarker() const { return m_rightEdge; }

private:
    HistogramMeasure MeasureTemplate() const;

    QWidget* m_origin;
    QWidget* m_rightEdge;
    QLabel* m_legend;
    std::array<QLabel*, kGradeCount> m_labels{};
    std::array<QWidget*, kGradeCount> m_bars{};
    std::array<QLabel*, kGradeCount> m_counts{};
};

} // namespace markwise
