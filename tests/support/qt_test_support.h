#pragma once

#include "framework/document.h"
#include "framework/ui_seam.h"
#include "framework/win_app.h"
#include "gradesheet/markwise_view.h"
#include "offscreen_noise.h"

#include <QDialog>
#include <QStringList>
#include <QTimer>
#include <functional>
#include <memory>

class QAbstractButton;
class QListWidget;

namespace markwise::test {

// Answers every message box and file dialog through the seam and keeps the message texts.
// Answers are taken in turn, OK once they run out; file dialogs answer `file`.
struct Messages {
    Messages();
    ~Messages();
    Messages(const Messages&) = delete;
    Messages& operator=(const Messages&) = delete;
    QStringList texts;
    QList<Answer> answers;
    QString file;
};

// A class open in one grade sheet view, as the program holds it.
struct SheetWindow {
    SheetWindow(CWinApp& app, std::unique_ptr<CMarkwiseDoc> doc, const QString& title = "Markwi1",
                const QString& path = QString());
    // Shows the view with room for `width` client pixels and paints it once.
    CMarkwiseView& Show(int width);

    // Empty: the commands that open dialogs are not handled until a test fills it.
    ViewDialogs dialogs;
    CDocument document;
    std::unique_ptr<CMarkwiseView> view;
};

// Runs each step on the next modal dialog as it appears, so a test can drive a dialog that
// another dialog or a command opens with exec(). A step that fails closes its dialog, so
// no test waits forever on a modal window.
class ModalDriver {
public:
    ModalDriver();
    void Then(std::function<void(QDialog&)> step);
    bool Done() const { return m_steps.isEmpty(); }

private:
    void Poll();

    QTimer m_timer;
    QList<std::function<void(QDialog&)>> m_steps;
};

// Shows a dialog and waits until it is the active window, so typed keys reach it.
bool ShowActive(QWidget& dialog);
// Keys and clicks as the user gives them: to whatever widget has the focus.
void Type(const QString& text);
void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
void ClickRow(QListWidget* list, int row);
void ClickBox(QAbstractButton* box);

QByteArray ReadFile(const QString& path);
bool WriteFile(const QString& path, const QByteArray& bytes);

} // namespace markwise::test
