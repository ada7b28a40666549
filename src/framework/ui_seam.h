#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

namespace markwise {

// Every message box and file dialog of the program goes through here, so tests can answer
// them without a modal window. Message boxes are captioned "Markwise" and open centred on
// the window of the parent the caller passes. A box with OK alone reports a refusal or
// failure and carries the warning icon; the others ask a question.
// SaveDiscardCancel: "&Save", "Do&n't Save", "Cancel". SaveAsCancel: "Save &As...", "Cancel",
// offered when a save failed. OpenAnywayCancel: "&Open Anyway", "Cancel".
// OverwriteSaveAsCancel: "O&verwrite", "Save &As...", "Cancel". Those two start on Cancel.
// RecoverDiscard: "&Recover", "&Discard", with no escape button.
enum class Buttons {
    Ok,
    OkCancel,
    SaveDiscardCancel,
    SaveAsCancel,
    OpenAnywayCancel,
    OverwriteSaveAsCancel,
    RecoverDiscard
};
enum class Answer { Ok, Cancel, Save, Discard, SaveAs, OpenAnyway, Overwrite, Recover };

class UiSeam {

    Q_DECLARE_TR_FUNCTIONS(UiSeam)
public:
    using Answerer = std::function<Answer(const QString& text, Buttons buttons)>;
    using FileAnswerer = std::function<QString(const QString& caption, const QString& filter)>;

    static Answer ask(QWidget* parent, const QString& text, Buttons buttons = Buttons::Ok);
    static void tell(QWidget* parent, const QString& text) { ask(parent, text, Buttons::Ok); }
    // A refusal: the same OK box with the warning icon; tests see it as an OK message.
    static void warn(QWidget* parent, const QString& text);
    // Empty when cancelled.
    static QString openFileName(QWidget* parent, const QString& caption, const QString& filter);
    static QString saveFileName(QWidget* parent, const QString& caption, const QString& filter,
                                const QString& suggested);
    // A save dialog whose filters (";;"-separated) are choices of format: the chosen name,
    // with defaultSuffix added when it has none, and the chosen filter. Tests answer it with
    // the file answerer (first filter) or, to pick another filter, the filter answerer.
    struct SaveChoice {
        QString path; // empty when cancelled
        QString filter;
    };
    using FilterAnswerer =
        std::function<SaveChoice(const QString& caption, const QString& filters)>;
    static SaveChoice saveFileChoice(QWidget* parent, const QString& caption,
                                     const QString& filters, const QString& suggested,
                                     const QString& defaultSuffix);
    static void setFilterAnswerer(FilterAnswerer answerer);

    // One line of text asked for under label; empty when cancelled. Tests answer it with
    // the text answerer.
    using TextAnswerer = std::function<QString(const QString& label)>;
    static QString askText(QWidget* parent, const QString& caption, const QString& label,
                           const QString& initial);
    static void setTextAnswerer(TextAnswerer answerer);

    // Tests install answerers; an empty function restores the real dialogs.
    static void setAnswerer(Answerer answerer);
    static void setFileAnswerer(FileAnswerer answerer);
};

} // namespace markwise
