#pragma once

#include "core/markwise_doc.h"
#include "dialogs/dialog_host.h"
#include "framework/ui_seam.h"

#include <QDialog>
#include <QList>
#include <QStringList>
#include <QTimer>
#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

class QAbstractButton;
class QListWidget;

namespace markwise::test {

// Drops the one line the offscreen platform prints for every dialog it shows.
void QuietOffscreenNotice();

// Stands in for the grade sheet that opens the dialogs and records what they asked of it.
class FakeHost : public DialogHost {
public:
    FakeHost() : doc(std::make_unique<CMarkwiseDoc>()) {}

    CMarkwiseDoc& Document() override { return *doc; }
    QWidget* Widget() override { return nullptr; }
    void Repaint() override { ++repaints; }
    void ShowLastAssignment() override { ++scrolledToLast; }
    CGradeCutoffs CurrentCutoffs() const override { return cutoffs; }
    bool ApplyCutoffs(const CGradeCutoffs& set, std::string*) override {
        applied.push_back(set);
        return true;
    }

    std::unique_ptr<CMarkwiseDoc> doc;
    int repaints = 0;
    int scrolledToLast = 0;
    CGradeCutoffs cutoffs;
    std::vector<CGradeCutoffs> applied;
};

// Answers every message box through the seam and keeps its text. Answers are taken in turn;
// once they run out, each box is answered OK.
class Messages {
public:
    Messages();
    ~Messages();
    Messages(const Messages&) = delete;
    Messages& operator=(const Messages&) = delete;

    QStringList texts;
    QList<Answer> answers;
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

// A class of students "Last, First" with IDs "id0", "id1", ... and matching other fields,
// then assignments with one score per student; left unmodified.
struct ScoredAssignment {
    std::string title;
    std::vector<double> scores;
};
void FillClass(CMarkwiseDoc& doc, std::initializer_list<std::pair<std::string, std::string>> names,
               std::initializer_list<ScoredAssignment> assignments = {});

// Shows a dialog and waits until it is the active window, so typed keys reach it.
bool ShowActive(QWidget& dialog);
// Keys and clicks as the user gives them: to whatever widget has the focus.
void Type(const QString& text);
void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
void ClickRow(QListWidget* list, int row);
void ClickBox(QAbstractButton* box);

} // namespace markwise::test
