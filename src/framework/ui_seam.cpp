#include "ui_seam.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace markwise {

namespace {
UiSeam::Answerer& answerer() {
    static UiSeam::Answerer instance;
    return instance;
}
UiSeam::FileAnswerer& fileAnswerer() {
    static UiSeam::FileAnswerer instance;
    return instance;
}

QMessageBox::StandardButtons standardButtons(Buttons buttons) {
    switch (buttons) {
    case Buttons::Ok:
        return QMessageBox::Ok;
    case Buttons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case Buttons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case Buttons::SaveDiscardCancel:
        return QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel;
    case Buttons::RecoverDiscard:
        return QMessageBox::Discard; // and Recover, added below
    }
    return QMessageBox::Ok;
}

Answer toAnswer(int button) {
    switch (button) {
    case QMessageBox::Ok:
        return Answer::Ok;
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    case QMessageBox::Save:
        return Answer::Save;
    case QMessageBox::Discard:
        return Answer::Discard;
    default:
        return Answer::Cancel;
    }
}
} // namespace

Answer UiSeam::ask(QWidget* parent, const QString& text, Buttons buttons) {
    if (answerer())
        return answerer()(text, buttons);
    const auto icon = buttons == Buttons::Ok ? QMessageBox::Information : QMessageBox::Question;
    QMessageBox box(icon, QStringLiteral("Markwise"), text, standardButtons(buttons), parent);
    if (buttons == Buttons::RecoverDiscard) {
        // No escape button: a stray Escape must not decide the fate of recovered work.
        QPushButton* recover = box.addButton(QStringLiteral("Recover"), QMessageBox::AcceptRole);
        box.setDefaultButton(recover);
        box.exec();
        return box.clickedButton() == recover ? Answer::Recover : Answer::Discard;
    }
    return toAnswer(box.exec());
}

QString UiSeam::openFileName(QWidget* parent, const QString& caption, const QString& filter) {
    if (fileAnswerer())
        return fileAnswerer()(caption, filter);
    // Qt's own dialog matches *.mkw regardless of case, so .MKW files show too.
    return QFileDialog::getOpenFileName(parent, caption, QString(), filter, nullptr,
                                        QFileDialog::DontUseNativeDialog);
}

QString UiSeam::saveFileName(QWidget* parent, const QString& caption, const QString& filter,
                             const QString& suggested) {
    if (fileAnswerer())
        return fileAnswerer()(caption, filter);
    return QFileDialog::getSaveFileName(parent, caption, suggested, filter, nullptr,
                                        QFileDialog::DontUseNativeDialog);
}

void UiSeam::setAnswerer(Answerer a) {
    answerer() = std::move(a);
}
void UiSeam::setFileAnswerer(FileAnswerer a) {
    fileAnswerer() = std::move(a);
}

} // namespace markwise
