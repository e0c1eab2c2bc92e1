#include "TerminationSignals.h"

#include "Program.h"

#include <QCoreApplication>

#if defined(Q_OS_UNIX)
#include <QSocketNotifier>
#include <cerrno>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {
// [0] is written by the handler, [1] is watched by the event loop.
int wakeUp[2] = {-1, -1};

extern "C" void OnTerminationSignal(int) {
    const int savedErrno = errno;
    const char byte = 1;
    // Nothing useful can be done if the channel is full: a wake-up is already waiting then.
    [[maybe_unused]] const ssize_t written = ::write(wakeUp[0], &byte, 1);
    errno = savedErrno;
}
} // namespace

bool EndProgramOnTerminationSignals() {
    if (wakeUp[0] >= 0)
        return true;
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, wakeUp) != 0)
        return false;

    auto *notifier = new QSocketNotifier(wakeUp[1], QSocketNotifier::Read, qApp);
    QObject::connect(notifier, &QSocketNotifier::activated, notifier, [] {
        char bytes[16];
        while (::read(wakeUp[1], bytes, sizeof bytes) > 0) {
        }
        Program::EndProgram();
    });

    struct sigaction action {};
    action.sa_handler = OnTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    bool installed = true;
    for (const int signal : {SIGTERM, SIGINT})
        installed = ::sigaction(signal, &action, nullptr) == 0 && installed;
    return installed;
}
#else
bool EndProgramOnTerminationSignals() {
    return false;
}
#endif
