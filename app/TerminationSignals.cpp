#include "TerminationSignals.h"

#include "Program.h"

#include <QCoreApplication>

#if defined(Q_OS_UNIX)
#include "SingleInstance.h"

#include <QSocketNotifier>
#include <cerrno>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {
// [0] is written by the handler, [1] is watched by the event loop.
int wakeUp[2] = {-1, -1};

// A start stuck before any event loop runs (a settings file that is a named pipe, a folder on a
// server that does not answer) never hears the wake-up. The alarm gives the loop this long to
// answer, and then ends the program without it.
constexpr unsigned LoopAnswersWithin = 3; // seconds
enum : std::sig_atomic_t { NotAsked, AlarmSet, LoopAnswered };
volatile std::sig_atomic_t request = NotAsked;

extern "C" void OnTerminationSignal(int) {
    const int savedErrno = errno;
    const char byte = 1;
    // Nothing useful can be done if the channel is full: a wake-up is already waiting then.
    [[maybe_unused]] const ssize_t written = ::write(wakeUp[0], &byte, 1);
    if (request == NotAsked) {
        request = AlarmSet;
        ::alarm(LoopAnswersWithin);
    }
    errno = savedErrno;
}

// Only calls a signal handler may make: the start has shown no window and saved nothing yet, so
// what EndProgram's way out would leave is a process gone with status 0 and its lock removed.
extern "C" void OnLoopSilent(int) {
    const char *lock = SingleInstance::HeldLockFileName();
    if (*lock != '\0')
        ::unlink(lock);
    ::_exit(0);
}
} // namespace

bool EndProgramOnTerminationSignals() {
    if (wakeUp[0] >= 0)
        return true;
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, wakeUp) != 0)
        return false;

    auto *notifier = new QSocketNotifier(wakeUp[1], QSocketNotifier::Read, qApp);
    QObject::connect(notifier, &QSocketNotifier::activated, notifier, [] {
        // From here the way out is EndProgram's.
        request = LoopAnswered;
        ::alarm(0);
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
    for (const int signal : {SIGTERM, SIGINT, SIGHUP})
        installed = ::sigaction(signal, &action, nullptr) == 0 && installed;
    action.sa_handler = OnLoopSilent;
    return ::sigaction(SIGALRM, &action, nullptr) == 0 && installed;
}
#elif defined(Q_OS_WIN)
#include "SingleInstance.h"

#include <QAbstractNativeEventFilter>
#include <QWindow>
#include <utility>
#include <windows.h>

namespace {
// Windows asks a program to end with messages: WM_ENDSESSION to its windows as the session ends,
// and WM_CLOSE to every top-level window, hidden ones too, from taskkill without /F or an
// uninstaller. A hidden window of the program's own hears WM_CLOSE only from outside, while the
// visible windows keep their own answer to being closed.
class EndRequests : public QAbstractNativeEventFilter {
public:
    explicit EndRequests(WId listener) : listener(reinterpret_cast<HWND>(listener)) {}

    bool nativeEventFilter(const QByteArray &, void *message, qintptr *result) override {
        const auto *msg = static_cast<const MSG *>(message);
        const bool sessionEnds = msg->message == WM_ENDSESSION && msg->wParam;
        if (!sessionEnds && !(msg->message == WM_CLOSE && msg->hwnd == listener))
            return false;
        Program::EndProgram();
        // Windows ends the process as soon as this is answered, before the event loop returns.
        if (sessionEnds)
            SingleInstance::Release();
        // The dispatcher, which sees posted messages first, has no result to give.
        if (result)
            *result = 0;
        return true;
    }

private:
    HWND listener;
};
} // namespace

bool EndProgramOnTerminationSignals() {
    static bool listening = false;
    if (std::exchange(listening, true))
        return true;
    auto *listener = new QWindow;
    static_cast<QObject *>(listener)->setParent(qApp);
    listener->create();
    // Never deleted: a filter destroyed after the application, as a static would be, reaches
    // for an event dispatcher that is gone.
    qApp->installNativeEventFilter(new EndRequests(listener->winId()));
    return true;
}
#else
bool EndProgramOnTerminationSignals() {
    return false;
}
#endif
