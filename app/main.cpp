#include "Startup.h"

#include "Branding.h"
#include "BuildConfig.h"
#include "CommandLine.h"
#include "LayoutBuilder.h"
#include "Program.h"

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
    QApplication::setApplicationName(ApplicationName());
    // Lets the desktop match the window to its launcher entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(ZT_APP_ID));
    QApplication::setWindowIcon(ProgramIcon());
    InstallFontSubstitutions();
    // The program leaves only through EndProgram, never because its last window closed.
    QApplication::setQuitOnLastWindowClosed(false);

    RunStartup();
    // A second instance has already ended inside RunStartup, before the event loop could start.
    if (Program::IsEnding())
        return 0;
    return QApplication::exec();
}
