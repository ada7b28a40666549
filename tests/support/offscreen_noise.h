#pragma once

#include <QString>
#include <QtGlobal>

namespace markwise::test {

// The offscreen platform says "This plugin does not support propagateSizeHints()" once per
// shown window. Call from initTestCase, after Qt Test has installed its own handler:
// exactly that line is dropped, every other message passes on to Qt Test.
inline void DropOffscreenNoise() {
    static QtMessageHandler next = nullptr;
    next = qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext& context, const QString& message) {
            if (message == QLatin1String("This plugin does not support propagateSizeHints()"))
                return;
            if (next)
                next(type, context, message);
        });
}

} // namespace markwise::test
