#include "about_dlg.h"

#include "splash_dlg.h"

#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace markwise {

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("About Markwise"));

    auto* icon = new QLabel;
    icon->setPixmap(QIcon(QStringLiteral(":/icons/markwise.svg")).pixmap(32, 32));
    icon->setAlignment(Qt::AlignTop);

    auto* text = new QVBoxLayout;
    text->addWidget(new QLabel(tr("Markwise Version 1.0")));
    text->addWidget(new QLabel(tr("A grade book for teachers.")));
    text->addStretch();

    auto* ok = new QPushButton(tr("OK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* splash = new QPushButton(tr("Splash Screen"));
    splash->setAutoDefault(false);
    connect(splash, &QPushButton::clicked, this, &CAboutDlg::onSplashScreen);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(ok);
    buttons->addWidget(splash);
    buttons->addStretch();

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(icon);
    layout->addLayout(text, 1);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void CAboutDlg::onSplashScreen() {
    CSplashDlg splash(true, this);
    splash.exec();
}

} // namespace markwise
