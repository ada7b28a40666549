#include "core/number_text.h"
#include "summaries/histogram_dlg.h"
#include "support/offscreen_noise.h"
#include "support/qt_test_support.h"

#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QTest>

using namespace markwise;
using namespace markwise::test;

// Run once as it is and once under QT_SCALE_FACTOR=2: the bars are laid out in the widgets'
// own pixels and must still end at the right-edge marker and be painted red all over.
class HistogramTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { DropOffscreenNoise(); }

    void barsFillTheRoomUpToTheMarker() {
        CHistogramDlg dialog({2, 0, 0, 0, 7, 0, 0, 0, 0, 0, 0, 0, 1});
        QVERIFY(ShowActive(dialog));
        const int barsStart = dialog.BinLabel(0)->geometry().right() + 1 + 4;
        const int barsEnd = dialog.RightEdgeMarker()->geometry().right() + 1;
        const int width = barsEnd - barsStart;
        QVERIFY2(width > 200, qPrintable(QString::number(width)));
        QCOMPARE(dialog.Legend()->text().toStdString(),
                 "represents " + FormatG(8.0 * 7 / width) + " students.");

        const int expected[kGradeCount] = {2 * width / 7, 0, 0, 0, width, 0, 0, 0, 0, 0, 0, 0,
                                           width / 7};
        for (int k = 0; k < kGradeCount; ++k) {
            const QRect bar = dialog.Bar(k)->geometry();
            QCOMPARE(bar.left(), barsStart);
            QCOMPARE(bar.width(), expected[k]);
            QCOMPARE(bar.height(), 10);
            // Level with the bottom of its own label.
            QCOMPARE(bar.bottom(), dialog.BinLabel(k)->geometry().bottom());
        }
        QCOMPARE(dialog.Bar(4)->geometry().right() + 1, barsEnd);

        // Every device pixel of the longest bar is red, and nothing red lies past its end.
        const QImage image = dialog.grab().toImage();
        const qreal ratio = image.devicePixelRatio();
        QCOMPARE(ratio, qreal(qEnvironmentVariableIntValue("QT_SCALE_FACTOR") == 2 ? 2 : 1));
        const QRect bar = dialog.Bar(4)->geometry();
        const QRect pixels =
            QRectF(QPointF(bar.topLeft()) * ratio, QSizeF(bar.size()) * ratio).toAlignedRect();
        const QRgb red = qRgb(255, 0, 0);
        for (int y = pixels.top(); y <= pixels.bottom(); ++y) {
            QCOMPARE(image.pixel(pixels.left(), y), red);
            QCOMPARE(image.pixel(pixels.right(), y), red);
            QVERIFY(image.pixel(pixels.right() + 1, y) != red);
        }
        QVERIFY(image.pixel(pixels.left() - 1, pixels.center().y()) != red);
        QTest::keyClick(&dialog, Qt::Key_Return);
        QVERIFY(!dialog.isVisible());
    }

    void largeAndEmptyDistributions() {
        CHistogramDlg large({0, 400, 200});
        QVERIFY(ShowActive(large));
        const int width = large.Bar(1)->width();
        QCOMPARE(large.Bar(1)->geometry().right(), large.RightEdgeMarker()->geometry().right());
        QCOMPARE(large.Bar(2)->width(), 200 * width / 400);
        QCOMPARE(large.Bar(0)->width(), 0);

        CHistogramDlg empty(GradeDistribution{});
        QVERIFY(ShowActive(empty));
        QCOMPARE(empty.Legend()->text(), QStringLiteral("represents 0 students."));
        for (int k = 0; k < kGradeCount; ++k)
            QCOMPARE(empty.Bar(k)->width(), 0);
    }
};

QTEST_MAIN(HistogramTest)
#include "histogram_test.moc"
