#pragma once

#include <QObject>
#include <QSocketNotifier>
#include <memory>

namespace markwise {

// Turns SIGTERM and SIGHUP into a Qt signal delivered by the event loop. The handler only
// writes the signal's number to a socket (the self-pipe pattern); everything else runs
// outside it. Restores the default handlers when destroyed.
class TerminationSignals : public QObject {
    Q_OBJECT
public:
    TerminationSignals();
    ~TerminationSignals() override;

    // Ends the program as the signal would have: default action, signal raised again.
    static void EndBy(int signalNumber);

signals:
    void received(int signalNumber);

private:
    void readSignal();

    int m_sockets[2] = {-1, -1};
    std::unique_ptr<QSocketNotifier> m_notifier;
};

} // namespace markwise
