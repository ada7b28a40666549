#pragma once

#include <QDialog>

namespace markwise {

// "About Markwise": icon, name and version, OK, and a button that shows the splash
// picture until it is clicked.
class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget* parent = nullptr);

    void onSplashScreen();
};

} // namespace markwise
