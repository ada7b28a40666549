#include "dialog_test_support.h"

#include <QAbstractButton>
#include <QApplication>
#include <QListWidget>
#include <QTest>

namespace markwise::test {

namespace {

QtMessageHandler g_previousHandler = nullptr;

void FilterOffscreenNotice(QtMsgType type, const QMessageLogContext& context,
                           const QString& message) {
    if (message == QLatin1String("This plugin does not support propagateSizeHints()"))
        return;
    if (g_previousHandler)
        g_previousHandler(type, context, message);
}

} // namespace

void QuietOffscreenNotice() {
    g_previousHandler = qInstallMessageHandler(FilterOffscreenNotice);
}

Messages::Messages() {
    UiSeam::setAnswerer([this](const QString& text, Buttons) {
        texts.append(text);
        return answers.isEmpty() ? Answer::Ok : answers.takeFirst();
    });
}

Messages::~Messages() {
    UiSeam::setAnswerer({});
}

ModalDriver::ModalDriver() {
    m_timer.setInterval(5);
    QObject::connect(&m_timer, &QTimer::timeout, [this] { Poll(); });
}

void ModalDriver::Then(std::function<void(QDialog&)> step) {
    m_steps.append(std::move(step));
    m_timer.start();
}

void ModalDriver::Poll() {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (!dialog || !dialog->isVisible() || dialog->property("driven").toBool())
        return;
    dialog->setProperty("driven", true);
    const auto step = m_steps.takeFirst();
    if (m_steps.isEmpty())
        m_timer.stop();
    if (!QTest::qWaitForWindowActive(dialog))
        QTest::qFail("the modal dialog never became active", __FILE__, __LINE__);
    else
        step(*dialog);
    if (QTest::currentTestFailed() && dialog->isVisible())
        dialog->reject();
}

void FillClass(CMarkwiseDoc& doc, std::initializer_list<std::pair<std::string, std::string>> names,
               std::initializer_list<ScoredAssignment> assignments) {
    for (const auto& [last, first] : names) {
        const std::string n = std::to_string(doc.m_studentCount);
        doc.AddStudent({first, last, "id" + n, "bk" + n, "555-" + n, n});
    }
    for (const ScoredAssignment& scored : assignments) {
        doc.NewAssignment(scored.title, "about " + scored.title, 10.0);
        CAssignment& assignment = doc.m_assignments[doc.m_assignmentCount - 1];
        for (std::size_t s = 0; s < scored.scores.size(); ++s)
            assignment.m_scores[s] = scored.scores[s];
    }
    doc.SetModifiedFlag(false);
}

bool ShowActive(QWidget& dialog) {
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    return QTest::qWaitForWindowActive(&dialog);
}

void Type(const QString& text) {
    QVERIFY2(QApplication::focusWidget(), "nothing has the keyboard focus");
    QTest::keyClicks(QApplication::focusWidget(), text);
}

void Press(Qt::Key key, Qt::KeyboardModifiers modifiers) {
    QVERIFY2(QApplication::focusWidget(), "nothing has the keyboard focus");
    QTest::keyClick(QApplication::focusWidget(), key, modifiers);
}

void ClickRow(QListWidget* list, int row) {
    const QRect rect = list->visualItemRect(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, rect.center());
}

} // namespace markwise::test

namespace markwise::test {

void ClickBox(QAbstractButton* box) {
    // A check box stretched by its layout answers clicks on its mark and text only.
    QTest::mouseClick(box, Qt::LeftButton, Qt::NoModifier,
                      QPoint(box->height() / 2, box->height() / 2));
}

} // namespace markwise::test
