#include "ui_seam.h"

#include "win_app.h"

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
    case Buttons::Ok: return QMessageBox::Ok;
    case Buttons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    case Buttons::YesNo: return QMessageBox::Yes | QMessageBox::No;
    case Buttons::SaveDiscardCancel:
        return QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel;
    case Buttons::SaveAsCancel: return QMessageBox::SaveAll | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

// Texts with keyboard letters, the same on every desktop style.
void labelButtons(QMessageBox& box) {
    const std::pair<QMessageBox::StandardButton, const char*> labels[] = {
        {QMessageBox::Save, "&Save"},
        {QMessageBox::Discard, "Do&n't Save"},
        {QMessageBox::SaveAll, "Save &As..."},
        {QMessageBox::Cancel, "Cancel"},
    };
    for (const auto& [which, text] : labels) {
        if (QAbstractButton* button = box.button(which))
            button->setText(QString::fromLatin1(text));
    }
}

Answer toAnswer(int button) {
    switch (button) {
    case QMessageBox::Ok: return Answer::Ok;
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    case QMessageBox::Save: return Answer::Save;
    case QMessageBox::Discard: return Answer::Discard;
    case QMessageBox::SaveAll: return Answer::SaveAs;
    default: return Answer::Cancel;
    }
}
} // namespace

QWidget* UiSeam::owner(QWidget* parent) {
    if (parent)
        return parent->window();
    const CWinApp* app = CWinApp::instance();
    return app ? app->mainWindow() : nullptr;
}

Answer UiSeam::ask(QWidget* parent, const QString& text, Buttons buttons) {
    if (answerer())
        return answerer()(text, buttons);
    const bool failure = buttons == Buttons::Ok || buttons == Buttons::SaveAsCancel;
    const auto icon = failure ? QMessageBox::Warning : QMessageBox::Question;
    QMessageBox box(icon, QStringLiteral("Markwise"), text, standardButtons(buttons),
                    owner(parent));
    labelButtons(box);
    return toAnswer(box.exec());
}

QString UiSeam::openFileName(QWidget* parent, const QString& caption, const QString& filter) {
    if (fileAnswerer())
        return fileAnswerer()(caption, filter);
    // Qt's own dialog matches *.mkw regardless of case, so .MKW files show too.
    return QFileDialog::getOpenFileName(owner(parent), caption, QString(), filter, nullptr,
                                        QFileDialog::DontUseNativeDialog);
}

QString UiSeam::saveFileName(QWidget* parent, const QString& caption, const QString& filter,
                             const QString& suggested) {
    if (fileAnswerer())
        return fileAnswerer()(caption, filter);
    return QFileDialog::getSaveFileName(owner(parent), caption, suggested, filter, nullptr,
                                        QFileDialog::DontUseNativeDialog);
}

void UiSeam::setAnswerer(Answerer a) { answerer() = std::move(a); }
void UiSeam::setFileAnswerer(FileAnswerer a) { fileAnswerer() = std::move(a); }

} // namespace markwise
