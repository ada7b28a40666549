#include "histogram_dlg.h"

#include "framework/text.h"
#include "framework/translated_sheet_words.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <algorithm>

namespace markwise {

namespace {

const QColor kBarRed(255, 0, 0);
constexpr int kLegendSquarePixels = 8;

// Turns the template's dialog units into pixels of the dialog's font: a quarter of the
// average letter width across, an eighth of the line height down.
class DialogUnits {
public:
    explicit DialogUnits(const QFontMetrics& metrics) : m_lineHeight(metrics.height()) {
        const QString letters =
            QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
        m_letterWidth = (metrics.horizontalAdvance(letters) / 26 + 1) / 2;
    }
    int X(int units) const { return units * m_letterWidth / 4; }
    int Y(int units) const { return units * m_lineHeight / 8; }
    QRect Rect(int x, int y, int width, int height) const {
        // Each edge is converted by itself, so neighbouring controls meet as in the template.
        return {X(x), Y(y), X(x + width) - X(x), Y(y + height) - Y(y)};
    }

private:
    int m_letterWidth = 0;
    int m_lineHeight = 0;
};

// Pixels between a bar's end and its count.
constexpr int kCountGap = 4;

// A plain red area: a bar, or the legend's square. It has no frame and takes no clicks.
class RedArea : public QWidget {
public:
    explicit RedArea(QWidget* parent) : QWidget(parent) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).fillRect(rect(), kBarRed); }
};

QLabel* MakeStatic(const QString& text, const QRect& rect, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setGeometry(rect);
    return label;
}

// An invisible widget whose only use is its place on the screen.
QWidget* MakeMarker(const QRect& rect, QWidget* parent) {
    auto* marker = new QWidget(parent);
    marker->setGeometry(rect);
    marker->hide();
    return marker;
}

// Rectangles in screen pixels; right and bottom are one past the last pixel.
int ScreenRight(const QWidget* widget) {
    return widget->mapToGlobal(QPoint(0, 0)).x() + widget->width();
}
int ScreenBottom(const QWidget* widget) {
    return widget->mapToGlobal(QPoint(0, 0)).y() + widget->height();
}

} // namespace

CHistogramDlg::CHistogramDlg(const GradeDistribution& counts, QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Grade Distribution Histogram"));
    const DialogUnits du(fontMetrics());
    setFixedSize(du.X(233), du.Y(190));

    m_origin = MakeMarker(du.Rect(0, 0, 8, 8), this);
    m_rightEdge = MakeMarker(du.Rect(218, 7, 8, 8), this);
    auto* square = new RedArea(this);
    square->setGeometry(du.X(7), du.Y(9), kLegendSquarePixels, kLegendSquarePixels);
    m_legend = MakeStatic(QString(), du.Rect(16, 7, 130, 8), this);

    // Wide enough for the widest label; every bar starts after the "A+:" label anyway.
    int labelWidth = du.X(12);
    for (const std::string_view name : kGradeNames)
        labelWidth = std::max(labelWidth,
                              fontMetrics().horizontalAdvance(toQString(name) + QLatin1Char(':')));
    for (int k = 0; k < kGradeCount; ++k) {
        const QString text = toQString(kGradeNames[k]) + QLatin1Char(':');
        m_labels[k] =
            MakeStatic(text, QRect(du.X(7), du.Y(19 + 11 * k), labelWidth, du.Y(8)), this);
    }

    auto* ok = new QPushButton(tr("OK"), this);
    ok->setGeometry(du.Rect(96, 169, 50, 14));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &CHistogramDlg::accept);

    HistogramMeasure measure = MeasureTemplate();
    for (const int count : counts)
        measure.countWidth =
            std::max(measure.countWidth,
                     kCountGap + fontMetrics().horizontalAdvance(QString::number(count)));
    const HistogramLayout layout = LayoutHistogram(counts, measure, TranslatedHistogramWords());
    m_legend->setText(toQString(layout.legend));
    for (int k = 0; k < kGradeCount; ++k) {
        const BarRect& bar = layout.bars[k];
        m_bars[k] = new RedArea(this);
        m_bars[k]->setGeometry(bar.left, bar.top, bar.right - bar.left, bar.bottom - bar.top);
        const BarCount& count = layout.counts[k];
        const int height = m_labels[k]->height();
        m_counts[k] = MakeStatic(
            QString::fromStdString(count.text),
            QRect(count.left, count.bottom - height, measure.countWidth - kCountGap, height), this);
    }
}

HistogramMeasure CHistogramDlg::MeasureTemplate() const {
    HistogramMeasure measure;
    const QPoint origin = m_origin->mapToGlobal(QPoint(0, 0));
    measure.originX = origin.x();
    measure.originY = origin.y();
    measure.barsEnd = ScreenRight(m_rightEdge);
    measure.labelRight = ScreenRight(m_labels[0]);
    for (int k = 0; k < kGradeCount; ++k)
        measure.labelBottoms[k] = ScreenBottom(m_labels[k]);
    return measure;
}

} // namespace markwise
