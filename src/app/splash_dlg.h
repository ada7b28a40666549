#pragma once

#include <QDialog>
#include <QPixmap>

namespace markwise {

// The start-up picture: a borderless 300 x 210 window centred on the screen. It closes
// at a click, or after two seconds unless m_bNoTimer is set (the About box's button).
class CSplashDlg : public QDialog {
    Q_OBJECT
public:
    explicit CSplashDlg(bool noTimer, QWidget* parent = nullptr);

    static constexpr int kWidth = 300;
    static constexpr int kHeight = 210;
    static constexpr int kTimerPeriodMs = 2000;

    bool m_bNoTimer;

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

private:
    QPixmap m_picture;
    int m_timerId = 0;
};

} // namespace markwise
