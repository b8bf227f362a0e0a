#include "termination.h"

#include <QSocketNotifier>
#include <QWidget>

#include <array>
#include <cerrno>
#include <csignal>
#include <stdexcept>
#include <sys/socket.h>
#include <unistd.h>

namespace kelvaro {

namespace {

// A signal handler may only do async-signal-safe work: it writes one byte, and the event loop,
// watching the other end, does the closing. Both ends never block: a full pipe already holds a
// byte that will close the window.
std::array<int, 2> signalPipe {-1, -1};

void onSignal(int /*signal*/)
{
    const int savedErrno = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(signalPipe[0], &byte, 1);
    errno = savedErrno;
}

} // namespace

void catchTerminationSignals()
{
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, signalPipe.data())
        != 0)
        throw std::runtime_error("catchTerminationSignals: no socket pair for signals");
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : {SIGTERM, SIGINT})
        ::sigaction(signal, &action, nullptr);
}

void closeOnTermination(QWidget &window)
{
    auto *notifier = new QSocketNotifier(signalPipe[1], QSocketNotifier::Read, &window);
    QObject::connect(notifier, &QSocketNotifier::activated, &window, [&window] {
        char byte = 0;
        [[maybe_unused]] const ssize_t got = ::read(signalPipe[1], &byte, 1);
        window.close();
    });
}

} // namespace kelvaro
