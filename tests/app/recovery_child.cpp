// The program as a teacher runs it, with two edits made and never saved: the recovery
// tests kill it and start again on the same profile. Prints "edited" after the last edit.
#include "app/markwise_app.h"
#include "framework/document.h"
#include "framework/recovery.h"
#include "recovery_edits.h"

#include <QApplication>
#include <QTimer>
#include <cstdio>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    markwise::CMarkwiseApp app;
    const QString file = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    if (!app.InitInstance({false, file}))
        return 1;
    // The test waits for the copy, not for the timer.
    app.recoveryCopies()->setWriteDelay(std::chrono::milliseconds(0));
    markwise::CDocument& document = *app.docManager().activeDocument();
    document.editor().apply(QStringLiteral("Add Student"), markwise::test::FirstRecoveryEdit());
    QTimer::singleShot(300, [&document] {
        document.editor().apply(QStringLiteral("Edit Student"),
                                markwise::test::SecondRecoveryEdit(document.data()));
        std::puts("edited");
        std::fflush(stdout);
    });
    return QApplication::exec();
}
