#include "ProcessStart.h"

#include <QList>
#include <QMutex>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>

#if defined(Q_OS_UNIX)
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace {
// A standard stream closed by whoever started the program would be taken by the next file it
// opens, and what was meant for the stream would go there. /dev/null holds the place instead,
// opened the other way round, so that using the stream still fails as on a closed one.
void HoldStreams() {
    for (const int stream : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO}) {
        if (::fcntl(stream, F_GETFD) != -1 || errno != EBADF)
            continue;
        // The lowest free number is this one: those below are open by now.
        const int held = ::open("/dev/null", stream == STDIN_FILENO ? O_WRONLY : O_RDONLY);
        if (held >= 0 && held != stream)
            ::close(held);
    }
}
} // namespace
#endif

#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)

namespace {
// Without a display Qt ends the program with a fatal message that blames the installation. Until
// the application has its display, Qt's messages are held back: on that fatal one a single line
// says what is missing instead, and otherwise they go on, in order, once the application stands.
struct HeldMessage {
    QtMsgType type;
    QByteArray file;
    int line;
    QByteArray function;
    QByteArray category;
    QString text;
};
QMutex heldMutex;
QList<HeldMessage> heldMessages;
bool passedOn = false;
QtMessageHandler handlerBefore = nullptr;

QByteArray Described(const char *variable) {
    return qEnvironmentVariableIsSet(variable) ? '"' + qgetenv(variable) + '"' : "not set";
}

void PassOnHeld() {
    qInstallMessageHandler(handlerBefore);
    const QMutexLocker locker(&heldMutex);
    passedOn = true;
    const auto text = [](const QByteArray &bytes) {
        return bytes.isNull() ? nullptr : bytes.data();
    };
    for (const HeldMessage &held : std::as_const(heldMessages))
        handlerBefore(held.type,
                      QMessageLogContext(text(held.file), held.line, text(held.function),
                                         text(held.category)),
                      held.text);
    heldMessages.clear();
}

void HoldBackUntilDisplayOpens(QtMsgType type, const QMessageLogContext &context,
                               const QString &text) {
    if (type == QtFatalMsg && text.contains(u"platform plugin")) {
        const QByteArray platform = qEnvironmentVariableIsSet("QT_QPA_PLATFORM")
                                        ? ", QT_QPA_PLATFORM is " + Described("QT_QPA_PLATFORM")
                                        : QByteArray();
        std::fprintf(stderr,
                     "No display could be opened: DISPLAY is %s, WAYLAND_DISPLAY is %s%s.\n",
                     Described("DISPLAY").constData(), Described("WAYLAND_DISPLAY").constData(),
                     platform.constData());
        // Nothing has been set up yet (no lock, no window, no settings), and Qt would abort.
        std::_Exit(1);
    }
    if (type == QtFatalMsg) {
        PassOnHeld();
        handlerBefore(type, context, text);
        return;
    }
    QMutexLocker locker(&heldMutex);
    // Another thread's message may arrive while the held ones are being passed on.
    if (!passedOn) {
        heldMessages.append(
            {type, context.file, context.line, context.function, context.category, text});
        return;
    }
    locker.unlock();
    handlerBefore(type, context, text);
}
} // namespace
#endif

void HoldClosedStandardStreams() {
#if defined(Q_OS_UNIX)
    HoldStreams();
#endif
}

void HoldMessagesUntilDisplayOpens() {
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    handlerBefore = qInstallMessageHandler(HoldBackUntilDisplayOpens);
#endif
}

void PassOnHeldMessages() {
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    if (handlerBefore)
        PassOnHeld();
#endif
}
