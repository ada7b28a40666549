#include "ui_seam.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
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
UiSeam::TextAnswerer& textAnswerer() {
    static UiSeam::TextAnswerer instance;
    return instance;
}
UiSeam::FilterAnswerer& filterAnswerer() {
    static UiSeam::FilterAnswerer instance;
    return instance;
}

QMessageBox::StandardButtons standardButtons(Buttons buttons) {
    switch (buttons) {
    case Buttons::Ok:
        return QMessageBox::Ok;
    case Buttons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case Buttons::SaveDiscardCancel:
        return QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel;
    case Buttons::SaveAsCancel:
        return QMessageBox::SaveAll | QMessageBox::Cancel;
    // Standard buttons given other texts below.
    case Buttons::OpenAnywayCancel:
        return QMessageBox::Open | QMessageBox::Cancel;
    case Buttons::OverwriteSaveAsCancel:
        return QMessageBox::Ignore | QMessageBox::SaveAll | QMessageBox::Cancel;
    case Buttons::RecoverDiscard:
        return QMessageBox::Discard; // and Recover, added below
    }
    return QMessageBox::Ok;
}

// Texts with keyboard letters, the same on every desktop style.
void labelButtons(QMessageBox& box) {
    const std::pair<QMessageBox::StandardButton, const char*> labels[] = {
        {QMessageBox::Save, QT_TRANSLATE_NOOP("UiSeam", "&Save")},
        {QMessageBox::Discard, QT_TRANSLATE_NOOP("UiSeam", "Do&n't Save")},
        {QMessageBox::SaveAll, QT_TRANSLATE_NOOP("UiSeam", "Save &As...")},
        {QMessageBox::Open, QT_TRANSLATE_NOOP("UiSeam", "&Open Anyway")},
        {QMessageBox::Ignore, QT_TRANSLATE_NOOP("UiSeam", "O&verwrite")},
        {QMessageBox::Cancel, QT_TRANSLATE_NOOP("UiSeam", "Cancel")},
    };
    for (const auto& [which, text] : labels) {
        if (QAbstractButton* button = box.button(which))
            button->setText(UiSeam::tr(text));
    }
}

// The window a message or dialog belongs to and is centred on.
QWidget* owner(QWidget* parent) {
    return parent ? parent->window() : nullptr;
}

Answer toAnswer(int button) {
    switch (button) {
    case QMessageBox::Ok:
        return Answer::Ok;
    case QMessageBox::Save:
        return Answer::Save;
    case QMessageBox::Discard:
        return Answer::Discard;
    case QMessageBox::SaveAll:
        return Answer::SaveAs;
    case QMessageBox::Open:
        return Answer::OpenAnyway;
    case QMessageBox::Ignore:
        return Answer::Overwrite;
    default:
        return Answer::Cancel;
    }
}
} // namespace

Answer UiSeam::ask(QWidget* parent, const QString& text, Buttons buttons) {
    if (answerer())
        return answerer()(text, buttons);
    const bool failure = buttons == Buttons::Ok || buttons == Buttons::SaveAsCancel;
    const auto icon = failure ? QMessageBox::Warning : QMessageBox::Question;
    QMessageBox box(icon, QStringLiteral("Markwise"), text, standardButtons(buttons),
                    owner(parent));
    labelButtons(box);
    // Opening a class twice or overwriting another program's change is never the default.
    if (buttons == Buttons::OpenAnywayCancel || buttons == Buttons::OverwriteSaveAsCancel)
        box.setDefaultButton(QMessageBox::Cancel);
    if (buttons == Buttons::RecoverDiscard) {
        // No escape button: a stray Escape must not decide the fate of recovered work.
        QPushButton* recover = box.addButton(tr("&Recover"), QMessageBox::AcceptRole);
        box.button(QMessageBox::Discard)->setText(tr("&Discard"));
        box.setDefaultButton(recover);
        box.exec();
        return box.clickedButton() == recover ? Answer::Recover : Answer::Discard;
    }
    return toAnswer(box.exec());
}

void UiSeam::warn(QWidget* parent, const QString& text) {
    if (answerer()) {
        answerer()(text, Buttons::Ok);
        return;
    }
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Markwise"), text, QMessageBox::Ok,
                    owner(parent));
    box.exec();
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

UiSeam::SaveChoice UiSeam::saveFileChoice(QWidget* parent, const QString& caption,
                                          const QString& filters, const QString& suggested,
                                          const QString& defaultSuffix) {
    if (filterAnswerer())
        return filterAnswerer()(caption, filters);
    if (fileAnswerer())
        return {fileAnswerer()(caption, filters), filters.section(QStringLiteral(";;"), 0, 0)};
    // An own dialog rather than the static call: it adds the suffix before it asks about
    // overwriting, so the file it warns about is the one written.
    QFileDialog dialog(parent, caption, suggested);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters(filters.split(QStringLiteral(";;")));
    dialog.setDefaultSuffix(defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return {dialog.selectedFiles().constFirst(), dialog.selectedNameFilter()};
}

QString UiSeam::askText(QWidget* parent, const QString& caption, const QString& label,
                        const QString& initial) {
    if (textAnswerer())
        return textAnswerer()(label);
    bool ok = false;
    const QString text =
        QInputDialog::getText(owner(parent), caption, label, QLineEdit::Normal, initial, &ok);
    return ok ? text : QString();
}

void UiSeam::setTextAnswerer(TextAnswerer a) {
    textAnswerer() = std::move(a);
}

void UiSeam::setFilterAnswerer(FilterAnswerer a) {
    filterAnswerer() = std::move(a);
}

void UiSeam::setAnswerer(Answerer a) {
    answerer() = std::move(a);
}
void UiSeam::setFileAnswerer(FileAnswerer a) {
    fileAnswerer() = std::move(a);
}

} // namespace markwise
