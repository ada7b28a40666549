#pragma once

#include <QtGlobal>

namespace markwise::test {

// The offscreen platform reports "This plugin does not support propagateSizeHints()" once
// per shown dialog; exactly that line is dropped, everything else still reaches the log.
inline void filterOffscreenNoise() {
    static QtMessageHandler previous = nullptr;
    previous = qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext& context, const QString& message) {
            if (message == QLatin1String("This plugin does not support propagateSizeHints()")) {
                return;
            }
            if (previous) {
                previous(type, context, message);
            }
        });
}

} // namespace markwise::test
