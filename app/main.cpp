#include "Startup.h"

#include "CommandLine.h"
#include "Program.h"
#include "TerminationSignals.h"

#include <QApplication>
#include <iostream>

int main(int argc, char *argv[]) {
    // The command line answers without a display, a window, the settings or the single-instance
    // check.
    if (IsCommandLineRequest(argc, argv)) {
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
