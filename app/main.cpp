#include "Startup.h"

#include "CommandLine.h"
#include "ProcessStart.h"
#include "Program.h"
#include "TerminationSignals.h"

#include <QApplication>
#include <iostream>

#if defined(Q_OS_WIN)
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
    HoldClosedStandardStreams();
    // The command line answers without a display, a window, the settings or the single-instance
    // check.
    if (IsCommandLineRequest(argc, argv)) {
#if defined(Q_OS_WIN)
        AnswerInStartingConsole();
#endif
        const QCoreApplication app(argc, argv);
        return RunCommandLine(QCoreApplication::arguments(), std::cout, std::cerr);
    }

    HoldMessagesUntilDisplayOpens();
    QApplication app(argc, argv);
    PassOnHeldMessages();
    SetUpApplication();
    EndProgramOnTerminationSignals();

    RunStartup();
    // A second instance has already ended inside RunStartup, before the event loop could start.
    if (Program::IsEnding())
        return 0;
    return QApplication::exec();
}
