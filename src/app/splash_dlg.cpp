#include "splash_dlg.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QSvgRenderer>

namespace markwise {

CSplashDlg::CSplashDlg(bool noTimer, QWidget* parent)
    : QDialog(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      m_bNoTimer(noTimer) {
    const qreal ratio = devicePixelRatioF();
    m_picture = QPixmap(QSize(kWidth, kHeight) * ratio);
    m_picture.setDevicePixelRatio(ratio);
    m_picture.fill(Qt::white);
    QPainter painter(&m_picture);
    QSvgRenderer(QStringLiteral(":/splash.svg")).render(&painter, QRectF(0, 0, kWidth, kHeight));
    setFixedSize(kWidth, kHeight);
}

void CSplashDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!m_bNoTimer && m_timerId == 0) {
        m_timerId = startTimer(kTimerPeriodMs);
    }
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
}

void CSplashDlg::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_picture);
}

void CSplashDlg::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        accept();
    }
}

void CSplashDlg::timerEvent(QTimerEvent*) {
    accept();
}

} // namespace markwise
