#include "termination_signals.h"

#include <cerrno>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace markwise {

namespace {

constexpr int kSignals[] = {SIGTERM, SIGHUP};

// A signal handler can reach nothing but process-wide state: the socket it writes to.
volatile sig_atomic_t g_signalSocket = -1;

void onSignal(int signalNumber) {
    const int saved = errno;
    const unsigned char byte = static_cast<unsigned char>(signalNumber);
    [[maybe_unused]] const ssize_t written = ::write(g_signalSocket, &byte, 1);
    errno = saved;
}

} // namespace

TerminationSignals::TerminationSignals() {
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, m_sockets) != 0) {
        return;
    }
    g_signalSocket = m_sockets[0];
    m_notifier = std::make_unique<QSocketNotifier>(m_sockets[1], QSocketNotifier::Read);
    connect(m_notifier.get(), &QSocketNotifier::activated, this, &TerminationSignals::readSignal);
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signalNumber : kSignals) {
        ::sigaction(signalNumber, &action, nullptr);
    }
}

TerminationSignals::~TerminationSignals() {
    if (m_sockets[0] < 0) {
        return;
    }
    for (const int signalNumber : kSignals) {
        ::signal(signalNumber, SIG_DFL);
    }
    g_signalSocket = -1;
    m_notifier.reset();
    ::close(m_sockets[0]);
    ::close(m_sockets[1]);
}

void TerminationSignals::EndBy(int signalNumber) {
    ::signal(signalNumber, SIG_DFL);
    ::raise(signalNumber);
}

void TerminationSignals::readSignal() {
    unsigned char byte = 0;
    if (::read(m_sockets[1], &byte, 1) == 1) {
        emit received(byte);
    }
}

} // namespace markwise
