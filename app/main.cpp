#include "Startup.h"

#include "CommandLine.h"
#include "Program.h"
#include "TerminationSignals.h"

#include <QApplication>
#include <iostream>

#if defined(Q_OS_UNIX)
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace {
// A standard stream closed by whoever started the program would be taken by the next file it
// opens, and what was meant for the stream would go there. /dev/null holds the place instead,
// opened the other way round, so that using the stream still fails as on a closed one.
void HoldClosedStandardStreams() {
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
#elif defined(Q_OS_WIN)
#include <cstdio>
#include <windows.h>

namespace {
// A desktop program has no console of its own on Windows: the command line answers in the console
// it was started from, unless its output already goes to a file or a pipe.
void AnswerInStartingConsole() {
    const auto unset = [](DWORD which) {
        const HANDLE handle = GetStdHandle(which);
        return handle == nullptr || handle == INVALID_HANDLE_VALUE;
    };
    const bool out = unset(STD_OUTPUT_HANDLE);
    const bool err = unset(STD_ERROR_HANDLE);
    if ((out || err) && AttachConsole(ATTACH_PARENT_PROCESS)) {
        if (out)
            std::freopen("CONOUT$", "w", stdout);
        if (err)
            std::freopen("CONOUT$", "w", stderr);
    }
}
} // namespace
#endif

int main(int argc, char *argv[]) {
#if defined(Q_OS_UNIX)
    HoldClosedStandardStreams();
#endif
    // The command line answers without a display, a window, the settings or the single-instance
    // check.
    if (IsCommandLineRequest(argc, argv)) {
#if defined(Q_OS_WIN)
        AnswerInStartingConsole();
#endif
        const QCoreApplication app(argc, argv);
        return RunCommandLine(QCoreApplication::arguments(), std::cout, std::cerr);
    }

    QApplication app(argc, argv);
    SetUpApplication();
    EndProgramOnTerminationSignals();

    RunStartup();
    // A second instance has already ended inside RunStartup, before the event loop could start.
    if (Program::IsEnding())
        return 0;
    return QApplication::exec();
}
