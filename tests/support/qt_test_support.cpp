#include "qt_test_support.h"

#include "core/markwise_doc.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QListWidget>
#include <QScrollBar>
#include <QTest>

namespace markwise::test {

Messages::Messages() {
    UiSeam::setAnswerer([this](const QString& text, Buttons) {
        texts.append(text);
        return answers.isEmpty() ? Answer::Ok : answers.takeFirst();
    });
    UiSeam::setFileAnswerer([this](const QString&, const QString&) { return file; });
}

Messages::~Messages() {
    UiSeam::setAnswerer({});
    UiSeam::setFileAnswerer({});
}

SheetWindow::SheetWindow(CWinApp& app, std::unique_ptr<CMarkwiseDoc> doc, const QString& title,
                         const QString& path)
    : document(app.docManager(), std::move(doc), path, title),
      view(std::make_unique<CMarkwiseView>(document, dialogs)) {}

CMarkwiseView& SheetWindow::Show(int width) {
    view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    view->resize(width + view->verticalScrollBar()->sizeHint().width() + 2 * view->frameWidth(),
                 400);
    view->show();
    [[maybe_unused]] const bool exposed = QTest::qWaitForWindowExposed(view.get());
    view->OnInitialUpdate();
    view->viewport()->repaint(); // measures the row height
    return *view;
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

void ClickBox(QAbstractButton* box) {
    // A check box stretched by its layout answers clicks on its mark and text only.
    QTest::mouseClick(box, Qt::LeftButton, Qt::NoModifier,
                      QPoint(box->height() / 2, box->height() / 2));
}

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace markwise::test
